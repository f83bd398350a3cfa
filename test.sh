#!/usr/bin/env bash
# Installs what is missing, builds into build/ with the sanitizers, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
kelvaro_install_deps

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVARO_SANITIZE=ON \
    -DKELVARO_WERROR="${KELVARO_WERROR:-OFF}" >/dev/null
cmake --build build -j2
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300
