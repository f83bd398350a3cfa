# Installs the Debian packages the project needs, only when some are missing.
# Sourced by run.sh and test.sh.

KELVARO_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev
                  libgmock-dev clang-format xvfb xauth fonts-dejavu-core)

kelvaro_install_deps() {
    local missing=()
    local p
    for p in "${KELVARO_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}" >&2
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >&2
}
