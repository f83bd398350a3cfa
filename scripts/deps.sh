# Sourced by run.sh, test.sh and scripts/package.sh from the top of the clone. Installs the
# Debian packages the project needs when some are missing, and runs each long step under one
# line that says what it does, its output kept in a log under build/ that is shown on failure.

# What building, testing and starting the window need. Liberation Sans has the widths the
# window's layout was drawn for; the validators check the desktop entry and the metainfo;
# trash-cli restores from the Trash in the tests as a user would; btrfs and XFS made on a loop
# device show that links share their blocks; jq reads kelvaro-find's JSON as scripts do. The
# content cache is an SQLite database of SHA-256 and XXH3 digests.
KELVARO_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev
                  libsqlite3-dev libssl-dev libxxhash-dev
                  clang-format xvfb xauth fonts-liberation2 desktop-file-utils appstream
                  trash-cli btrfs-progs xfsprogs e2fsprogs jq
                  libfuse3-dev fuse3 pkgconf)

# kelvaro_step "what it does" LOG COMMAND...: one line on the terminal that ends with the time
# taken, the command's output in LOG; on failure the end of the log, and where the rest is.
kelvaro_step() {
    local what=$1 log=$2 started=$SECONDS
    shift 2
    mkdir -p "$(dirname "$log")"
    printf '%s... ' "$what" >&2
    if ! "$@" >"$log" 2>&1; then
        printf 'failed. The last lines of %s:\n' "$log" >&2
        tail -n 60 "$log" >&2
        return 1
    fi
    printf 'done (%d s)\n' $((SECONDS - started)) >&2
}

# Installs every package of KELVARO_PACKAGES and of the arguments that is not installed yet.
kelvaro_install_deps() {
    local missing=() p
    for p in "${KELVARO_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            cat >&2 <<EOF
These Debian packages are missing: ${missing[*]}
Installing them needs root, and sudo is not available. As root, run
    apt-get update && apt-get install --no-install-recommends ${missing[*]}
and then this command again.
EOF
            return 1
        fi
        # sudo resets the environment: env passes the setting through to apt-get.
        root=(sudo env DEBIAN_FRONTEND=noninteractive)
        sudo -v || return 1
    else
        export DEBIAN_FRONTEND=noninteractive
    fi
    kelvaro_step "Updating the package lists" build/logs/apt-update.log \
        "${root[@]}" apt-get update &&
        kelvaro_step "Installing ${#missing[@]} Debian packages (a few minutes the first time): \
${missing[*]}" build/logs/apt-install.log \
            "${root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
