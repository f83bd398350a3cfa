#!/usr/bin/env bash
# Saves PNGs of the main window (design size and widened) and of the about box, rendered by the
# real window classes under a virtual X server. Usage: scripts/screenshot.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
out="${2:-$build/screenshots}"
cmake --build "$build" -j2 --target kelvaro_screens >&2
mkdir -p "$out"
LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp" xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$build/tests/app/kelvaro_screens" "$out"
ls "$out"/*.png
