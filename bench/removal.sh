#!/usr/bin/env bash
# Times a removal as the window makes it (search, every copy under b/ marked, Yes) on 5,000
# pairs of 4 KiB files and on 4 pairs of 500 MB files: this tree's removal, which checks each
# file against its kept copy at the moment it goes, next to an earlier commit's (BASE, by
# default the last one that checked the whole batch once before removing), warm and, as root,
# with the page cache dropped between the search and the removal. Medians of three runs each,
# taken in turns. Needs about 5 GB in bench/out.
# Usage: bench/removal.sh [--base REV] [--method erase|trash|archive] [--keep]
set -euo pipefail
cd "$(dirname "$0")/.."
base=3039886
method=erase
keep=no
while [ $# -gt 0 ]; do
    case $1 in
    --base) base=$2; shift 2 ;;
    --method) method=$2; shift 2 ;;
    --keep) keep=yes; shift ;;
    *) echo "usage: bench/removal.sh [--base REV] [--method erase|trash|archive] [--keep]" >&2; exit 2 ;;
    esac
done
source scripts/deps.sh
kelvaro_install_deps

out=$PWD/bench/out/removal
mkdir -p "$out"
build() { # SOURCE BUILD
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARO_SANITIZE=OFF \
        -DKELVARO_TESTS=OFF -DKELVARO_BENCH=ON >/dev/null
    cmake --build "$2" -j2 --target kelvaro_removal_bench >/dev/null
}
echo "building this tree's removal and that of $base" >&2
build . build/bench
if [ ! -d "$out/base-src" ]; then
    git worktree add --detach "$out/base-src" "$base" >/dev/null 2>&1
fi
# The earlier tree gets the same driver, which uses only what both have.
cp bench/RemovalBench.cpp bench/CMakeLists.txt "$out/base-src/bench/"
build "$out/base-src" "$out/base-build"
now=$PWD/build/bench/bench/kelvaro_removal_bench
before=$out/base-build/bench/kelvaro_removal_bench

# The pairs: a/ stays, b/ is made again from a/ before every run.
make_small() {
    [ -f "$out/small/.done" ] && return
    rm -rf "$out/small" && mkdir -p "$out/small/a"
    python3 - "$out/small/a" <<'PY'
import os, sys
for i in range(5000):
    with open(os.path.join(sys.argv[1], "f%05d" % i), "wb") as f:
        f.write(os.urandom(4096))
PY
    touch "$out/small/.done"
}
make_large() {
    [ -f "$out/large/.done" ] && return
    rm -rf "$out/large" && mkdir -p "$out/large/a"
    for i in 1 2 3 4; do head -c 500000000 /dev/urandom >"$out/large/a/big$i"; done
    touch "$out/large/.done"
}
reset_copies() { # TREE
    rm -rf "$1/b" "$1/archive"
    cp -r "$1/a" "$1/b"
    sync
}
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

cold_modes=(warm)
if [ "$(id -u)" -eq 0 ]; then cold_modes+=(cold); else
    echo "not root: the cold rows are skipped (dropping the page cache needs root)" >&2
fi
export XDG_DATA_HOME=$out/data
printf '%-22s %-5s %12s %12s %7s\n' corpus cache "before s" "now s" ratio
for corpus in small large; do
    "make_$corpus"
    for mode in "${cold_modes[@]}"; do
        flag=""; [ "$mode" = cold ] && flag=--cold
        b=(); n=()
        for round in 1 2 3; do
            for which in before now; do
                reset_copies "$out/$corpus"
                binary=$before; [ "$which" = now ] && binary=$now
                line=$("$binary" "$out/$corpus" "$method" $flag)
                seconds=${line#seconds=}; seconds=${seconds%% *}
                removed=${line##*removed=}
                expected=$(ls "$out/$corpus/a" | wc -l)
                [ "$removed" -eq "$expected" ] ||
                    { echo "$which removed $removed of $expected files" >&2; exit 1; }
                if [ "$which" = now ]; then n+=("$seconds"); else b+=("$seconds"); fi
            done
        done
        mb=$(printf '%s\n' "${b[@]}" | median); mn=$(printf '%s\n' "${n[@]}" | median)
        label="5000x2x4KiB"; [ "$corpus" = large ] && label="4x2x500MB"
        printf '%-22s %-5s %12s %12s %7s\n' "$label" "$mode" "$mb" "$mn" \
            "$(awk -v a="$mn" -v b="$mb" 'BEGIN { printf "%.2f", a / b }')"
    done
done
rm -rf "$out/data"
if [ "$keep" = no ]; then
    git worktree remove --force "$out/base-src"
    rm -rf "$out"
fi
