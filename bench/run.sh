#!/usr/bin/env bash
# Builds an optimised kelvaro-find, makes the benchmark corpora, installs the other duplicate
# finders that the distribution packages, and prints how they all compare.
# Usage: bench/run.sh [--keep] [--only CORPUS,...] [--runs N]
#   --keep leaves the corpora in bench/out for another run; --only runs those corpora alone
#   (10k-one-size,50k-small-deep for the CPU per candidate), without the index corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v python3 >/dev/null || [ ! -x /usr/bin/time ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3 time >/dev/null
fi
peers=(fdupes jdupes rdfind rmlint duff)
missing=()
for p in "${peers[@]}"; do command -v "$p" >/dev/null || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    for p in "${missing[@]}"; do
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null 2>&1 ||
            echo "bench: $p is not packaged here; left out" >&2
    done
fi

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARO_SANITIZE=OFF >/dev/null
cmake --build build/bench -j2 --target kelvaro-find >/dev/null
finder=$(find build/bench -name kelvaro-find -type f -perm -u+x | head -n 1)
command -v cc >/dev/null || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gcc >/dev/null
}
cc -O2 -o build/bench/floor bench/floor.c

python3 bench/bench.py --finder "$finder" --floor build/bench/floor --out bench/out "$@"
