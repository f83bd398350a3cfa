#!/usr/bin/env bash
# Times kelvaro-find's content cache: on the 50,000-file and 120,000-file trees, a first scan
# without cache and one that fills it, then rescans with it, exact and trusting its digests, the
# page cache dropped before each (as root), with the files each run read.
# Usage: bench/cache.sh [--keep]   (--keep leaves the trees in bench/out for another run)
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v python3 >/dev/null || [ ! -x /usr/bin/time ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3 time >/dev/null
fi
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARO_SANITIZE=OFF >/dev/null
cmake --build build/bench -j2 --target kelvaro-find >/dev/null
finder=$(find build/bench -name kelvaro-find -type f -perm -u+x | head -n 1)

python3 bench/cache.py --finder "$finder" --out bench/out "$@"
