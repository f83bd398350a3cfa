#!/usr/bin/env bash
# Builds the Debian package of Kelvaro (installs what is missing first) from an optimised build
# in build/package for /usr. The last line printed is the package's path; install it with
#     sudo apt-get install ./build/package/kelvaro_2.11_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# dpkg-shlibdeps and file work out the libraries the package depends on.
kelvaro_install_deps dpkg-dev file

dir=build/package
# Debian's hardening: stack protector, fortified functions, read-only relocations bound at
# start, position-independent programs.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
kelvaro_step "Configuring the package build in $dir" build/logs/package-configure.log \
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARO_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_CXX_FLAGS="$cxxflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_STRIP="$PWD/dist/debian-strip.sh"
kelvaro_step "Building Kelvaro in $dir (a few minutes the first time)" \
    build/logs/package-build.log cmake --build "$dir" -j2
rm -f "$dir"/kelvaro_*.deb
kelvaro_step "Making the Debian package" build/logs/package-cpack.log \
    sh -c "cd '$dir' && cpack -G DEB"
realpath "$dir"/kelvaro_*.deb
