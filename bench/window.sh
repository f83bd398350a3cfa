#!/usr/bin/env bash
# Builds an optimised kelvaro-find and the window driver, makes the benchmark corpora, and times
# the real window (Add to List, then Find Duplicates) next to kelvaro-find on each of them.
# The window runs on the xcb platform under Xvfb, drawing through the X server as on a desktop.
# Usage: bench/window.sh [--keep] [--cold] [--rounds N] [--only CORPUS,...]
#        (--keep leaves the corpora in bench/out/window for another run; --cold drops the page
#        cache before every timed run, as root)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kelvaro_install_deps python3

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARO_SANITIZE=OFF \
    -DKELVARO_BENCH=ON >/dev/null
cmake --build build/bench -j2 --target kelvaro-find kelvaro_window_bench >/dev/null
finder=$(find build/bench -name kelvaro-find -type f -perm -u+x | head -n 1)
driver=$(find build/bench -name kelvaro_window_bench -type f -perm -u+x | head -n 1)

xvfb-run -a -s "-screen 0 1280x1024x24" \
    python3 -B bench/window.py --finder "$finder" --driver "$driver" --out bench/out/window "$@"
