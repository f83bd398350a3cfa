#!/usr/bin/env bash
# Installs what is missing, builds optimised into build/release/, and starts Kelvaro.
# "./run.sh FOLDER..." searches those folders with kelvaro-find instead and prints only its output.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

if [ $# -eq 0 ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'END'
Kelvaro's window needs a graphical session, and there is none here (DISPLAY and
WAYLAND_DISPLAY are not set). Start ./run.sh from a desktop session, or search from the
command line:
    ./run.sh [-r] FOLDER...
END
    exit 1
fi

kelvaro_install_deps
if [ ! -f build/release/build.ninja ]; then
    kelvaro_step "Configuring the optimised build in build/release" build/logs/release-configure.log \
        cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARO_TESTS=OFF
fi
if ! cmake --build build/release -- -n 2>/dev/null | grep -q '^ninja: no work to do'; then
    kelvaro_step "Building Kelvaro in build/release (a few minutes the first time)" \
        build/logs/release-build.log cmake --build build/release -j2
fi

if [ $# -gt 0 ]; then
    exec build/release/kelvaro-find "$@"
fi
exec build/release/kelvaro
