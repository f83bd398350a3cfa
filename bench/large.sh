#!/usr/bin/env bash
# How kelvaro-find and the window grow from one to five million files: wall time, CPU and peak
# memory of each, side by side, for 1, 2, 3, 4 and 5 million files of one generated tree.
# The tree lives on an XFS file system made in a sparse image on a loop device, so that the
# machine's own file system spends no inodes on it; the image is kept in bench/out/large for
# the next run (making it takes a while). Needs root for the loop device and the mount.
# Usage: bench/large.sh [--cold] [--upto MILLIONS] [--only find|window]
#        (--cold drops the page cache before every timed run)
set -euo pipefail
cd "$(dirname "$0")/.."

cold=0 upto=5 only=""
while [ $# -gt 0 ]; do
    case $1 in
    --cold) cold=1 ;;
    --upto) upto=$2; shift ;;
    --only) only=$2; shift ;;
    *) echo "usage: bench/large.sh [--cold] [--upto MILLIONS] [--only find|window]" >&2
       exit 2 ;;
    esac
    shift
done

if [ "$(id -u)" -ne 0 ]; then
    echo "bench/large.sh: needs root to make and mount the XFS image on a loop device; nothing done." >&2
    exit 1
fi
if [ ! -e /dev/loop-control ] && ! losetup -f >/dev/null 2>&1; then
    echo "bench/large.sh: this system offers no loop device; nothing done." >&2
    exit 1
fi
source scripts/deps.sh
kelvaro_install_deps time

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARO_SANITIZE=OFF \
    -DKELVARO_BENCH=ON >/dev/null
cmake --build build/bench -j2 --target kelvaro-find kelvaro_window_bench kelvaro_make_tree >/dev/null
finder=$(find build/bench -name kelvaro-find -type f -perm -u+x | head -n 1)
driver=$(find build/bench -name kelvaro_window_bench -type f -perm -u+x | head -n 1)
maker=$(find build/bench -name kelvaro_make_tree -type f -perm -u+x | head -n 1)

out=$PWD/bench/out/large
image=$out/xfs.img
mnt=$out/mnt
mkdir -p "$out" "$mnt"
loop=""
cleanup() {
    mountpoint -q "$mnt" && umount "$mnt"
    [ -n "$loop" ] && losetup -d "$loop"
    return 0
}
trap cleanup EXIT
trap "exit 130" INT TERM

if [ ! -f "$image" ]; then
    # 1 KiB blocks keep small files small; room for 5 million inodes and more.
    truncate -s 48G "$image"
    mkfs.xfs -q -b size=1024 -i maxpct=50 -n size=8192 "$image"
fi
loop=$(losetup --find --show "$image")
mount -o noatime "$loop" "$mnt"

for part in 1 2 3 4 5; do
    [ "$part" -le "$upto" ] || break
    if [ ! -f "$mnt/made-$part" ]; then
        echo "Making one million files in part $part (a few minutes)..." >&2
        rm -rf "${mnt:?}/part$part"
        started=$SECONDS
        "$maker" "$mnt/part$part" 1000000 "$part"
        sync
        touch "$mnt/made-$part"
        echo "  done in $((SECONDS - started)) s" >&2
    fi
done

# Runs a command under /usr/bin/time -v; prints "wall cpu peak_MiB". Every run starts with an
# empty content cache of its own, as a first search does: one filled by an earlier run would
# spare reads and make the sizes incomparable.
measure() {
    local log=$out/time.log
    rm -rf "$out/cache"
    mkdir -p "$out/cache"
    [ "$cold" = 1 ] && { sync; echo 3 >/proc/sys/vm/drop_caches; }
    XDG_CACHE_HOME=$out/cache /usr/bin/time -v "$@" >"$out/stdout.log" 2>"$log" || {
        echo "bench/large.sh: failed: $*" >&2
        tail -n 30 "$log" >&2
        return 1
    }
    awk -F': ' '
        /Elapsed \(wall clock\)/ { n = split($2, t, ":"); w = 0; for (i = 1; i <= n; i++) w = w * 60 + t[i] }
        /User time/ { c += $2 } /System time/ { c += $2 }
        /Maximum resident/ { m = $2 / 1024 }
        END { printf "%8.1f %8.1f %8.1f", w, c, m }' "$log"
}

echo
echo "files       kelvaro-find: wall s   cpu s  peak MiB     window: wall s   cpu s  peak MiB   groups"
parts=()
for part in 1 2 3 4 5; do
    [ "$part" -le "$upto" ] || break
    parts+=("$mnt/part$part")
    line=$(printf '%d,000,000 ' "$part")
    if [ "$only" != window ]; then
        line+="           $(measure "$finder" -r -m "${parts[@]}")"
        groups=$(grep -o '[0-9,]* groups\?' "$out/stdout.log" | head -n 1 || true)
    else
        line+="                                    "
    fi
    if [ "$only" != find ]; then
        line+="            $(QT_QPA_PLATFORM=offscreen measure "$driver" "${parts[@]}")"
        groups=$(grep -o 'groups=[0-9]*' "$out/stdout.log" || true)
    fi
    echo "$line   ${groups:-}"
done

