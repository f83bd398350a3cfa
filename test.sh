#!/usr/bin/env bash
# Installs what is missing, builds into build/ with the sanitizers, and runs every test.
# KELVARO_WERROR=ON makes warnings errors, as CI does.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
kelvaro_install_deps

kelvaro_step "Configuring the test build in build/" build/logs/configure.log \
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVARO_SANITIZE=ON \
    -DKELVARO_WERROR="${KELVARO_WERROR:-OFF}"
kelvaro_step "Building the program and its tests in build/ (ten minutes or more the first time)" \
    build/logs/build.log cmake --build build -j2
if warnings=$(grep -c 'warning:' build/logs/build.log); then
    echo "$warnings compiler warnings: see build/logs/build.log" >&2
fi
echo "Running the tests" >&2
# A few tests time threads against each other on a machine that other work shares: one that
# fails is run once more, and only a second failure counts. The log shows every failure.
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --progress -j2 --timeout 300 --repeat until-pass:2
