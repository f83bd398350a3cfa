#!/usr/bin/env bash
# Installs what is missing, builds optimised into build/release/, and starts Kelvaro.
# "./run.sh FOLDER..." searches those folders from the command line instead.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
kelvaro_install_deps

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARO_TESTS=OFF >/dev/null
cmake --build build/release -j2 >&2
if [ $# -gt 0 ] || [ ! -x build/release/kelvaro ]; then
    exec build/release/kelvaro-find "$@"
fi
exec build/release/kelvaro
