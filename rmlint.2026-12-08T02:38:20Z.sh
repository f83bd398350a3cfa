#!/bin/sh

PROGRESS_CURR=0
PROGRESS_TOTAL=1819                        

# This file was autowritten by rmlint
# rmlint was executed from: /work/wt/fast/
# Your command line was: rmlint -T df -o fdupes:/dev/null --no-progress /work/wt/fast/bench/out/corpora/mixed

RMLINT_BINARY="/usr/bin/rmlint"

# Only use sudo if we're not root yet:
# (See: https://github.com/sahib/rmlint/issues/27://github.com/sahib/rmlint/issues/271)
SUDO_COMMAND="sudo"
if [ "$(id -u)" -eq "0" ]
then
  SUDO_COMMAND=""
fi

USER='root'
GROUP='root'

STAMPFILE=$(mktemp 'rmlint.XXXXXXXX.stamp')

# Set to true on -n
DO_DRY_RUN=

# Set to true on -p
DO_PARANOID_CHECK=

# Set to true on -r
DO_CLONE_READONLY=

# Set to true on -q
DO_SHOW_PROGRESS=true

# Set to true on -c
DO_DELETE_EMPTY_DIRS=

# Set to true on -k
DO_KEEP_DIR_TIMESTAMPS=

##################################
# GENERAL LINT HANDLER FUNCTIONS #
##################################

COL_RED='[0;31m'
COL_BLUE='[1;34m'
COL_GREEN='[0;32m'
COL_YELLOW='[0;33m'
COL_RESET='[0m'

print_progress_prefix() {
    if [ -n "$DO_SHOW_PROGRESS" ]; then
        PROGRESS_PERC=0
        if [ $((PROGRESS_TOTAL)) -gt 0 ]; then
            PROGRESS_PERC=$((PROGRESS_CURR * 100 / PROGRESS_TOTAL))
        fi
        printf '%s[%3d%%]%s ' "${COL_BLUE}" "$PROGRESS_PERC" "${COL_RESET}"
        if [ $# -eq "1" ]; then
            PROGRESS_CURR=$((PROGRESS_CURR+$1))
        else
            PROGRESS_CURR=$((PROGRESS_CURR+1))
        fi
    fi
}

handle_emptyfile() {
    print_progress_prefix
    echo "${COL_GREEN}Deleting empty file:${COL_RESET} $1"
    if [ -z "$DO_DRY_RUN" ]; then
        rm -f "$1"
    fi
}

handle_emptydir() {
    print_progress_prefix
    echo "${COL_GREEN}Deleting empty directory: ${COL_RESET}$1"
    if [ -z "$DO_DRY_RUN" ]; then
        rmdir "$1"
    fi
}

handle_bad_symlink() {
    print_progress_prefix
    echo "${COL_GREEN} Deleting symlink pointing nowhere: ${COL_RESET}$1"
    if [ -z "$DO_DRY_RUN" ]; then
        rm -f "$1"
    fi
}

handle_unstripped_binary() {
    print_progress_prefix
    echo "${COL_GREEN} Stripping debug symbols of: ${COL_RESET}$1"
    if [ -z "$DO_DRY_RUN" ]; then
        strip -s "$1"
    fi
}

handle_bad_user_id() {
    print_progress_prefix
    echo "${COL_GREEN}chown ${USER}${COL_RESET} $1"
    if [ -z "$DO_DRY_RUN" ]; then
        chown "$USER" "$1"
    fi
}

handle_bad_group_id() {
    print_progress_prefix
    echo "${COL_GREEN}chgrp ${GROUP}${COL_RESET} $1"
    if [ -z "$DO_DRY_RUN" ]; then
        chgrp "$GROUP" "$1"
    fi
}

handle_bad_user_and_group_id() {
    print_progress_prefix
    echo "${COL_GREEN}chown ${USER}:${GROUP}${COL_RESET} $1"
    if [ -z "$DO_DRY_RUN" ]; then
        chown "$USER:$GROUP" "$1"
    fi
}

###############################
# DUPLICATE HANDLER FUNCTIONS #
###############################

check_for_equality() {
    if [ -f "$1" ]; then
        # Use the more lightweight builtin `cmp` for regular files:
        cmp -s "$1" "$2"
        echo $?
    else
        # Fallback to `rmlint --equal` for directories:
        "$RMLINT_BINARY" -p --equal  --no-followlinks "$1" "$2"
        echo $?
    fi
}

original_check() {
    if [ ! -e "$2" ]; then
        echo "${COL_RED}^^^^^^ Error: original has disappeared - cancelling.....${COL_RESET}"
        return 1
    fi

    if [ ! -e "$1" ]; then
        echo "${COL_RED}^^^^^^ Error: duplicate has disappeared - cancelling.....${COL_RESET}"
        return 1
    fi

    # Check they are not the exact same file (hardlinks allowed):
    if [ "$1" = "$2" ]; then
        echo "${COL_RED}^^^^^^ Error: original and duplicate point to the *same* path - cancelling.....${COL_RESET}"
        return 1
    fi

    # Do double-check if requested:
    if [ -z "$DO_PARANOID_CHECK" ]; then
        return 0
    else
        if [ "$(check_for_equality "$1" "$2")" -ne "0" ]; then
            echo "${COL_RED}^^^^^^ Error: files no longer identical - cancelling.....${COL_RESET}"
			return 1
        fi
    fi
}

cp_symlink() {
    print_progress_prefix
    echo "${COL_YELLOW}Symlinking to original: ${COL_RESET}$1"
    if original_check "$1" "$2"; then
        if [ -z "$DO_DRY_RUN" ]; then
            # replace duplicate with symlink
            rm -rf "$1"
            ln -s "$2" "$1"
            # make the symlink's mtime the same as the original
            touch -mr "$2" -h "$1"
        fi
    fi
}

cp_hardlink() {
    if [ -d "$1" ]; then
        # for duplicate dir's, can't hardlink so use symlink
        cp_symlink "$@"
        return $?
    fi
    print_progress_prefix
    echo "${COL_YELLOW}Hardlinking to original: ${COL_RESET}$1"
    if original_check "$1" "$2"; then
        if [ -z "$DO_DRY_RUN" ]; then
            # replace duplicate with hardlink
            rm -rf "$1"
            ln "$2" "$1"
        fi
    fi
}

cp_reflink() {
    if [ -d "$1" ]; then
        # for duplicate dir's, can't clone so use symlink
        cp_symlink "$@"
        return $?
    fi
    print_progress_prefix
    # reflink $1 to $2's data, preserving $1's  mtime
    echo "${COL_YELLOW}Reflinking to original: ${COL_RESET}$1"
    if original_check "$1" "$2"; then
        if [ -z "$DO_DRY_RUN" ]; then
            touch -mr "$1" "$0"
            if [ -d "$1" ]; then
                rm -rf "$1"
            fi
            cp --archive --reflink=always "$2" "$1"
            touch -mr "$0" "$1"
        fi
    fi
}

clone() {
    print_progress_prefix
    # clone $1 from $2's data
    # note: no original_check() call because rmlint --dedupe takes care of this
    echo "${COL_YELLOW}Cloning to: ${COL_RESET}$1"
    if [ -z "$DO_DRY_RUN" ]; then
        if [ -n "$DO_CLONE_READONLY" ]; then
            $SUDO_COMMAND $RMLINT_BINARY --dedupe  --dedupe-readonly "$2" "$1"
        else
            $RMLINT_BINARY --dedupe  "$2" "$1"
        fi
    fi
}

skip_hardlink() {
    print_progress_prefix
    echo "${COL_BLUE}Leaving as-is (already hardlinked to original): ${COL_RESET}$1"
}

skip_reflink() {
    print_progress_prefix
    echo "${COL_BLUE}Leaving as-is (already reflinked to original): ${COL_RESET}$1"
}

user_command() {
    print_progress_prefix

    echo "${COL_YELLOW}Executing user command: ${COL_RESET}$1"
    if [ -z "$DO_DRY_RUN" ]; then
        # You can define this function to do what you want:
        echo 'no user command defined.'
    fi
}

remove_cmd() {
    print_progress_prefix
    echo "${COL_YELLOW}Deleting: ${COL_RESET}$1"
    if original_check "$1" "$2"; then
        if [ -z "$DO_DRY_RUN" ]; then
            if [ ! -z "$DO_KEEP_DIR_TIMESTAMPS" ]; then
                touch -r "$(dirname $1)" "$STAMPFILE"
            fi

            rm -rf "$1"

            if [ ! -z "$DO_KEEP_DIR_TIMESTAMPS" ]; then
                # Swap back old directory timestamp:
                touch -r "$STAMPFILE" "$(dirname $1)"
                rm "$STAMPFILE"
            fi

            if [ ! -z "$DO_DELETE_EMPTY_DIRS" ]; then
                DIR=$(dirname "$1")
                while [ ! "$(ls -A "$DIR")" ]; do
                    print_progress_prefix 0
                    echo "${COL_GREEN}Deleting resulting empty dir: ${COL_RESET}$DIR"
                    rmdir "$DIR"
                    DIR=$(dirname "$DIR")
                done
            fi
        fi
    fi
}

original_cmd() {
    print_progress_prefix
    echo "${COL_GREEN}Keeping:  ${COL_RESET}$1"
}

##################
# OPTION PARSING #
##################

ask() {
    cat << EOF

This script will delete certain files rmlint found.
It is highly advisable to view the script first!

Rmlint was executed in the following way:

   $ rmlint -T df -o fdupes:/dev/null --no-progress /work/wt/fast/bench/out/corpora/mixed

Execute this script with -d to disable this informational message.
Type any string to continue; CTRL-C, Enter or CTRL-D to abort immediately
EOF
    read -r eof_check
    if [ -z "$eof_check" ]
    then
        # Count Ctrl-D and Enter as aborted too.
        echo "${COL_RED}Aborted on behalf of the user.${COL_RESET}"
        exit 1;
    fi
}

usage() {
    cat << EOF
usage: $0 OPTIONS

OPTIONS:

  -h   Show this message.
  -d   Do not ask before running.
  -x   Keep rmlint.sh; do not autodelete it.
  -p   Recheck that files are still identical before removing duplicates.
  -r   Allow deduplication of files on read-only btrfs snapshots. (requires sudo)
  -n   Do not perform any modifications, just print what would be done. (implies -d and -x)
  -c   Clean up empty directories while deleting duplicates.
  -q   Do not show progress.
  -k   Keep the timestamp of directories when removing duplicates.
EOF
}

DO_REMOVE=
DO_ASK=

while getopts "dhxnrpqck" OPTION
do
  case $OPTION in
     h)
       usage
       exit 0
       ;;
     d)
       DO_ASK=false
       ;;
     x)
       DO_REMOVE=false
       ;;
     n)
       DO_DRY_RUN=true
       DO_REMOVE=false
       DO_ASK=false
       ;;
     r)
       DO_CLONE_READONLY=true
       ;;
     p)
       DO_PARANOID_CHECK=true
       ;;
     c)
       DO_DELETE_EMPTY_DIRS=true
       ;;
     q)
       DO_SHOW_PROGRESS=
       ;;
     k)
       DO_KEEP_DIR_TIMESTAMPS=true
       ;;
     *)
       usage
       exit 1
  esac
done

if [ -z $DO_REMOVE ]
then
    echo "#${COL_YELLOW} ///${COL_RESET}This script will be deleted after it runs${COL_YELLOW}///${COL_RESET}"
fi

if [ -z $DO_ASK ]
then
  usage
  ask
fi

if [ ! -z $DO_DRY_RUN  ]
then
    echo "#${COL_YELLOW} ////////////////////////////////////////////////////////////${COL_RESET}"
    echo "#${COL_YELLOW} /// ${COL_RESET} This is only a dry run; nothing will be modified! ${COL_YELLOW}///${COL_RESET}"
    echo "#${COL_YELLOW} ////////////////////////////////////////////////////////////${COL_RESET}"
fi

######### START OF AUTOGENERATED OUTPUT #########

original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f1500' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1500' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f1500' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f1500' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f1500' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1612' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f1612' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1612' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f1612' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1612' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy2/f1612' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1612' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f1540' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f1540' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f1540' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy1/f1540' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f1540' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1304' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f1304' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1304' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f1304' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1304' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1796' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1796' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1796' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f1796' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1796' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy2/f1796' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1796' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f2348' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f2348' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f2348' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f132' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f132' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f132' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f132' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f132' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f144' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f144' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f144' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f136' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f136' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f136' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy1/f136' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f136' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy2/f136' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f136' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f148' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f148' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f148' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f148' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f148' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy2/f148' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f148' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f152' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f152' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f152' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f156' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f156' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f156' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy1/f156' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f156' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy2/f156' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f156' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f164' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f164' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f164' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy1/f164' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f164' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f192' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f192' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f192' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f188' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f188' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f188' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f188' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f188' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f204' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f204' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f204' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f204' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f204' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy2/f204' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f204' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f208' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f208' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f208' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f212' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f212' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f212' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy1/f212' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f212' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f180' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f180' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f180' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy1/f180' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f180' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy2/f180' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f180' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f216' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f216' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f216' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy1/f216' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f216' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy2/f216' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f216' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f240' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f240' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f240' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f240' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f240' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f260' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f260' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f260' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy1/f260' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f260' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f256' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f256' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f256' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f256' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f256' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f276' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f276' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f276' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f284' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f284' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f284' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f284' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f284' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f300' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f300' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f300' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f2328' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f2328' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f2328' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f2328' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f2328' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f320' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f320' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f320' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy1/f320' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f320' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f304' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f304' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f304' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy1/f304' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f304' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy2/f304' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f304' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f316' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f316' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f316' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy1/f316' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f316' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f332' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f332' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f332' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f332' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f332' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f312' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f312' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f312' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f352' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f352' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f352' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy1/f352' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f352' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f368' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f368' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f368' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f364' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f364' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f364' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f364' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f364' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f388' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f388' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f388' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f432' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f432' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f432' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f432' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f432' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy2/f432' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f432' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f440' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f440' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f440' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy1/f440' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f440' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f344' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f344' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f344' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f344' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f344' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f424' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f424' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f424' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f424' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f424' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy2/f424' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f424' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f476' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f476' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f476' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f476' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f476' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f384' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f384' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f384' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f384' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f384' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f464' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f464' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f464' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy1/f464' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f464' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy2/f464' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f464' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f472' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f472' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f472' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f468' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f468' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f468' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy1/f468' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f468' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy2/f468' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f468' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f420' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f420' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f420' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f420' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f420' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy2/f420' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f420' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f496' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f496' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f496' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f496' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f496' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f500' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f500' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f500' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f500' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f500' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f508' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f508' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f508' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f488' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f488' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f488' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f488' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f488' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f528' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f528' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f528' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f528' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f528' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f536' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f536' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f536' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f536' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f536' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f532' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f532' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f532' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f532' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f532' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f540' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f540' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f540' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f540' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f540' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f576' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f576' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f576' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f588' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f588' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f588' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f572' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f572' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f572' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f620' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f620' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f620' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f592' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f592' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f592' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f624' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f624' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f624' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy1/f624' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f624' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy2/f624' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f624' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f636' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f636' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f636' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f636' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f636' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy2/f636' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f636' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f640' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f640' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f640' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy1/f640' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f640' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy2/f640' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f640' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f708' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f708' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f708' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f716' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f716' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f716' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f716' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f716' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f720' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f720' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f720' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy1/f720' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f720' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f732' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f732' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f732' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f740' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f740' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f740' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy1/f740' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f740' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f628' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f628' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f628' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f628' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f628' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy2/f628' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f628' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f752' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f752' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f752' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f760' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f760' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f760' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f760' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f760' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f768' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f768' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f768' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f744' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f744' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f744' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f744' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f744' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f776' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f776' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f776' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f776' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f776' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f764' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f764' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f764' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f764' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f764' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f664' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f664' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f664' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f664' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f664' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f772' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f772' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f772' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy1/f772' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f772' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy2/f772' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f772' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1016' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f1016' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1016' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy1/f1016' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1016' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f2300' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f2300' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f2300' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f2300' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f2300' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f980' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f980' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f980' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy1/f980' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f980' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f564' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f564' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f564' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f828' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f828' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f828' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy1/f828' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f828' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f1200' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f1200' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f1200' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f1200' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f1200' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy2/f1200' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f1200' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f832' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f832' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f832' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy1/f832' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f832' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy2/f832' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f832' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f2012' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f2012' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f2012' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f2012' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f2012' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f2164' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f2164' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f2164' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f2164' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f2164' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy2/f2164' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f2164' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1940' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1940' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1940' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f1940' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1940' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f356' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f356' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f356' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f356' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f356' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy2/f356' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f356' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1832' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f1832' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1832' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f1832' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1832' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy2/f1832' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1832' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f940' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f940' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f940' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f232' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f232' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f232' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy1/f232' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f232' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy2/f232' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f232' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f68' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f68' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f68' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f68' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f68' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f2016' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f2016' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f2016' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f2016' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f2016' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1788' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1788' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1788' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f1788' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1788' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f1512' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1512' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f1512' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f1512' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f1512' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f964' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f964' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f964' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy1/f964' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f964' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1428' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1428' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1428' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f1428' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1428' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy2/f1428' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1428' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1420' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1420' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1420' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy1/f1420' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1420' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1036' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f1036' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1036' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f1036' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1036' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy2/f1036' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1036' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f700' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f700' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f700' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f700' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f700' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy2/f700' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f700' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f36' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f36' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f36' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy1/f36' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f36' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f0' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f0' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f0' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f44' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f44' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f44' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f44' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f44' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f936' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f936' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f936' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f936' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f936' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy2/f936' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f936' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f76' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f76' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f76' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f76' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f76' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy2/f76' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f76' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1012' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f1012' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1012' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f1012' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1012' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy2/f1012' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1012' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f32' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f32' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f32' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy1/f32' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f32' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy2/f32' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f32' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f8' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f8' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f8' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy1/f8' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f8' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f12' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f12' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f12' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f104' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f104' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f104' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f104' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f104' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy2/f104' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f104' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f80' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f80' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f80' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f80' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f80' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f108' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f108' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f108' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy1/f108' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f108' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f116' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f116' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f116' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f116' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f116' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f820' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f820' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f820' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f4' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f4' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f4' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy1/f4' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f4' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f856' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f856' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f856' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f856' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f856' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f860' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f860' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f860' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f860' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f860' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f880' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f880' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f880' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f880' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f880' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy2/f880' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f880' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f852' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f852' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f852' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f852' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f852' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f836' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f836' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f836' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy1/f836' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f836' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f800' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f800' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f800' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f800' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f800' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f920' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f920' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f920' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f844' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy0/f844' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f844' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f844' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f844' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f888' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy0/f888' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f888' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f916' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f916' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f916' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f916' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f916' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy2/f916' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f916' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f932' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f932' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f932' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f924' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f924' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f924' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f924' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f924' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f948' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f948' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f948' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f948' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f948' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy2/f948' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f948' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f960' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f960' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f960' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f944' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f944' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f944' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy1/f944' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f944' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy2/f944' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f944' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f956' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f956' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f956' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f956' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f956' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f972' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f972' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f972' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1028' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1028' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1028' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f968' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f968' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f968' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1044' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f1044' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1044' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy1/f1044' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1044' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy2/f1044' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1044' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f992' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f992' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f992' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f988' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f988' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f988' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f988' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f988' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f2108' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f2108' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f2108' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f2184' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f2184' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f2184' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy1/f2184' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f2184' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy2/f2184' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f2184' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f2208' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f2208' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f2208' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy1/f2208' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f2208' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f1800' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f1800' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f1800' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f1800' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f1800' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1648' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f1648' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1648' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f1648' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1648' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy2/f1648' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1648' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f2056' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f2056' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f2056' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f2056' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f2056' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f1728' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f1728' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f1728' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f1728' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f1728' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f2088' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f2088' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f2088' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy1/f2088' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f2088' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1320' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f1320' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1320' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy1/f1320' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1320' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy2/f1320' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1320' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1856' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f1856' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1856' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f1856' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1856' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f2060' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f2060' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f2060' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy1/f2060' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f2060' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f2084' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f2084' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f2084' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1372' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1372' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1372' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy1/f1372' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1372' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy2/f1372' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1372' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1988' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f1988' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1988' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1148' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1148' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1148' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy1/f1148' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1148' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy2/f1148' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1148' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1900' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1900' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1900' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f1900' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1900' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy2/f1900' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1900' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f1260' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1260' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f1260' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f1756' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f1756' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f1756' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f1756' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f1756' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1508' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f1508' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1508' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy1/f1508' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1508' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy2/f1508' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1508' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f1216' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f1216' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f1216' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f1216' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f1216' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy2/f1216' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f1216' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1256' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f1256' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1256' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy1/f1256' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1256' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy2/f1256' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1256' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1740' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f1740' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1740' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy1/f1740' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1740' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy2/f1740' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1740' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f2120' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f2120' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f2120' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f2120' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f2120' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy2/f2120' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f2120' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f1804' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f1804' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f1804' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f1480' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f1480' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f1480' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f1480' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f1480' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1572' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1572' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1572' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy1/f1572' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1572' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy2/f1572' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1572' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f2040' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f2040' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f2040' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1356' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f1356' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1356' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f1356' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1356' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy2/f1356' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1356' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f2020' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy0/f2020' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f2020' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy1/f2020' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f2020' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1392' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f1392' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1392' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f1392' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1392' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f1488' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f1488' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f1488' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1088' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f1088' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1088' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy1/f1088' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1088' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy2/f1088' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1088' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1380' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f1380' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1380' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1376' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f1376' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1376' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f1376' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1376' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1568' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f1568' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1568' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f1568' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1568' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1172' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1172' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1172' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy1/f1172' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1172' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy2/f1172' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1172' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f1792' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f1792' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f1792' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f1792' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f1792' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy2/f1792' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f1792' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f1556' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f1556' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f1556' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1956' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f1956' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1956' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f1956' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1956' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f2352' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f2352' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f2352' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f2352' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f2352' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1368' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f1368' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1368' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy1/f1368' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1368' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy2/f1368' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1368' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f1448' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f1448' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f1448' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f1448' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f1448' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f2244' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f2244' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f2244' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy1/f2244' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f2244' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f1220' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1220' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f1220' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f1220' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f1220' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1636' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f1636' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1636' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f1636' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1636' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy2/f1636' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1636' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1812' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1812' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1812' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f1812' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1812' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1964' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f1964' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1964' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy1/f1964' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1964' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy2/f1964' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1964' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1912' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1912' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1912' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f1912' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1912' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy2/f1912' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1912' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f2272' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f2272' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f2272' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f2272' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f2272' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy2/f2272' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f2272' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f2284' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f2284' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f2284' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f2284' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f2284' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1212' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1212' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1212' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f1212' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1212' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy2/f1212' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1212' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1288' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f1288' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1288' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f1288' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1288' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1396' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f1396' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1396' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f1396' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1396' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy2/f1396' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1396' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1180' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f1180' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1180' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f1180' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1180' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy2/f1180' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1180' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1616' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1616' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1616' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f1616' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1616' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy2/f1616' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1616' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1436' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1436' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1436' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f1436' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1436' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy2/f1436' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1436' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f2176' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f2176' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f2176' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f2176' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f2176' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f2224' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f2224' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f2224' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f2224' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f2224' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy2/f2224' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f2224' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1292' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1292' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1292' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1156' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f1156' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1156' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f1156' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1156' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy2/f1156' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1156' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f2160' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f2160' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f2160' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f2160' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f2160' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy2/f2160' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f2160' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f2288' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f2288' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f2288' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1116' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1116' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1116' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f1116' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1116' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1308' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1308' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1308' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f2168' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f2168' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f2168' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1896' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1896' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1896' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f1896' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1896' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy2/f1896' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1896' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1456' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f1456' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1456' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1552' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1552' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1552' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy1/f1552' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1552' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy2/f1552' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1552' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f2332' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f2332' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f2332' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f2332' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f2332' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1668' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f1668' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1668' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f1668' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1668' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f2112' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f2112' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f2112' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f2112' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f2112' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy2/f2112' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f2112' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1092' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f1092' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1092' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f2360' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f2360' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f2360' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f2360' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f2360' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1408' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1408' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1408' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy1/f1408' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1408' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy2/f1408' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1408' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f2048' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f2048' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f2048' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy1/f2048' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f2048' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy2/f2048' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f2048' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1592' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f1592' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1592' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f1592' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1592' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy2/f1592' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1592' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f1240' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f1240' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f1240' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy1/f1240' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f1240' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1984' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f1984' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1984' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f1984' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1984' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy2/f1984' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1984' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1872' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f1872' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1872' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f1872' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1872' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f1760' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f1760' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f1760' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f1768' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f1768' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f1768' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f1768' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f1768' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy2/f1768' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f1768' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f1504' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f1504' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f1504' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1884' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f1884' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1884' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f1496' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1496' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f1496' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f1496' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f1496' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1360' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1360' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1360' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy1/f1360' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1360' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1564' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1564' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1564' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1932' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1932' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1932' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy1/f1932' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1932' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy2/f1932' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1932' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1968' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1968' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1968' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy1/f1968' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1968' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy2/f1968' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1968' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1048' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1048' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1048' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f1048' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1048' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy2/f1048' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1048' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f2368' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f2368' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f2368' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f2368' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f2368' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy2/f2368' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f2368' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1400' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy0/f1400' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1400' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f1400' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1400' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f1724' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f1724' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f1724' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f1724' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f1724' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f2008' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f2008' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f2008' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f2008' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f2008' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1204' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f1204' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1204' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1416' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f1416' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1416' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1992' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1992' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1992' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f1992' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1992' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy2/f1992' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1992' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1452' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f1452' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1452' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f1452' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1452' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1868' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f1868' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1868' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f1868' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1868' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1864' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f1864' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1864' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1296' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f1296' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1296' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f1296' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1296' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy2/f1296' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1296' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f1836' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f1836' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f1836' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f1780' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1780' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f1780' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1860' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f1860' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1860' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy1/f1860' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1860' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f2384' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f2384' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f2384' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f2156' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f2156' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f2156' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f1824' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f1824' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f1824' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f2252' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f2252' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f2252' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy1/f2252' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f2252' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy2/f2252' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f2252' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1532' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f1532' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1532' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f1532' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1532' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1596' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f1596' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1596' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f1828' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f1828' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f1828' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f428' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f428' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f428' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy1/f428' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f428' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f2188' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f2188' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f2188' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f2188' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f2188' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f2392' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f2392' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f2392' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f2392' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f2392' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy2/f2392' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f2392' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f2076' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f2076' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f2076' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f2076' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f2076' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f1520' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f1520' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f1520' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy1/f1520' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f1520' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f2180' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f2180' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f2180' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy1/f2180' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f2180' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy2/f2180' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f2180' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1136' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1136' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1136' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy1/f1136' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1136' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy2/f1136' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1136' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1096' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1096' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1096' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy1/f1096' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1096' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy2/f1096' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1096' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1132' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f1132' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1132' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f1132' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1132' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy2/f1132' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1132' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1484' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f1484' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1484' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy1/f1484' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1484' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy2/f1484' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1484' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1684' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f1684' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1684' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy1/f1684' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1684' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy2/f1684' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1684' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f1196' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f1196' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f1196' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1904' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1904' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1904' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f1904' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1904' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy2/f1904' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1904' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f1164' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f1164' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f1164' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1176' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1176' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1176' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f1176' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1176' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy2/f1176' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1176' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1588' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f1588' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1588' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy1/f1588' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1588' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy2/f1588' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f1588' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1324' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1324' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1324' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f1324' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1324' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy2/f1324' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1324' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f2136' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f2136' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f2136' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1576' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f1576' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f1576' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f1244' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f1244' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f1244' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f2396' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f2396' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f2396' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f2396' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f2396' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy2/f2396' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f2396' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1580' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f1580' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1580' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1108' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f1108' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1108' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy1/f1108' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1108' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy2/f1108' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1108' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1124' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1124' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1124' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy1/f1124' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1124' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1084' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f1084' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1084' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f2080' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f2080' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f2080' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f2080' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f2080' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f1224' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f1224' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f1224' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1680' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1680' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1680' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f1680' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1680' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f900' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f900' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f900' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f252' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f252' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f252' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f2324' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f2324' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f2324' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f2324' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f2324' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f512' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f512' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f512' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f512' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f512' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f2256' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f2256' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f2256' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f2256' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f2256' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy2/f2256' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f2256' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f1276' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1276' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f1276' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f1276' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f1276' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f780' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f780' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f780' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f780' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f780' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f112' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f112' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f112' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy1/f112' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f112' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy2/f112' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f112' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f1192' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f1192' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f1192' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f896' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f896' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f896' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f672' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f672' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f672' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f672' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f672' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f396' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy0/f396' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f396' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f396' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f396' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy2/f396' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f396' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f632' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f632' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f632' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f632' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f632' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy2/f632' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f632' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f892' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f892' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f892' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy1/f892' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f892' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1764' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f1764' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1764' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy1/f1764' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1764' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy2/f1764' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f1764' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1660' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1660' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1660' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy1/f1660' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1660' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy2/f1660' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1660' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f2316' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f2316' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f2316' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy1/f2316' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f2316' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy2/f2316' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f2316' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1236' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f1236' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1236' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f1236' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1236' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy2/f1236' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1236' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1364' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1364' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1364' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f1364' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1364' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy2/f1364' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1364' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f756' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f756' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f756' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f756' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f756' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy2/f756' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f756' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1816' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f1816' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1816' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f1816' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1816' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy2/f1816' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1816' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f2124' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f2124' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f2124' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1404' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1404' '/work/wt/fast/bench/out/corpora/mixed/d4/s4/f1404' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f520' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f520' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f520' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f520' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f520' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f280' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f280' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f280' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f280' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f280' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1112' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1112' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1112' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f1112' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1112' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1352' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1352' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1352' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f1352' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1352' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1924' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1924' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1924' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f1924' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1924' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy2/f1924' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1924' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f2116' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f2116' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f2116' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f2116' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f2116' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy2/f2116' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f2116' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f604' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f604' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f604' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy1/f604' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f604' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy2/f604' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f604' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f244' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f244' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f244' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy1/f244' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f244' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1656' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f1656' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1656' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f1656' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1656' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy2/f1656' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1656' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1996' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f1996' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1996' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f1996' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1996' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1840' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f1840' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1840' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy1/f1840' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1840' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f2292' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f2292' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f2292' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f2292' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f2292' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy2/f2292' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f2292' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f372' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f372' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f372' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f372' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f372' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy2/f372' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f372' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1952' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1952' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1952' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f1952' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1952' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f784' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f784' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f784' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy1/f784' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f784' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy2/f784' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f784' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f2296' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f2296' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f2296' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f2296' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f2296' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy2/f2296' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f2296' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f392' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f392' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f392' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f1168' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f1168' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f1168' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy1/f1168' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f1168' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f2024' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f2024' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f2024' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f2024' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f2024' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy2/f2024' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f2024' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f680' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f680' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f680' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy1/f680' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f680' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1644' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f1644' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1644' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy1/f1644' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f1644' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f492' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f492' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f492' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f1808' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f1808' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f1808' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy1/f1808' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f1808' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy2/f1808' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f1808' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1424' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f1424' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1424' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f1424' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1424' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f264' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f264' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f264' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy1/f264' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f264' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy2/f264' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f264' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f704' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f704' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f704' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f704' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f704' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy2/f704' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f704' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1908' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f1908' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1908' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy1/f1908' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1908' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy2/f1908' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1908' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f2388' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f2388' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f2388' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f2388' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f2388' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy2/f2388' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f2388' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f1160' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f1160' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f1160' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f1160' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f1160' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f2100' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f2100' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f2100' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f2100' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f2100' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f552' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f552' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f552' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f728' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f728' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f728' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f728' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f728' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy2/f728' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f728' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f668' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f668' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f668' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy1/f668' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f668' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy2/f668' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f668' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f2200' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f2200' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f2200' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f2200' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f2200' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy2/f2200' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f2200' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f504' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f504' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f504' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1980' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f1980' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1980' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f1980' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1980' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy2/f1980' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1980' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f2268' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f2268' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f2268' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f2268' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f2268' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy2/f2268' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f2268' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1340' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f1340' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1340' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f1340' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1340' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f272' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f272' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f272' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f272' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f272' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy2/f272' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f272' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f748' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f748' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f748' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy1/f748' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f748' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy2/f748' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f748' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f484' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f484' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f484' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f484' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f484' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f2236' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy0/f2236' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f2236' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f2236' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f2236' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1676' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f1676' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1676' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy1/f1676' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1676' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy2/f1676' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f1676' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f268' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f268' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f268' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f268' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f268' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f1264' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f1264' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f1264' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy1/f1264' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f1264' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f2204' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy0/f2204' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f2204' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy1/f2204' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f2204' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy2/f2204' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f2204' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1916' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f1916' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1916' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f2192' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f2192' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f2192' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f2192' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f2192' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy2/f2192' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f2192' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f684' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f684' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f684' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f2000' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f2000' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f2000' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f2000' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f2000' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f1752' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f1752' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f1752' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1100' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f1100' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f1100' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f648' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f648' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f648' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy1/f648' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f648' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy2/f648' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f648' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f236' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f236' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f236' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f236' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f236' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy2/f236' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f236' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1056' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f1056' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1056' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f1056' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1056' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy2/f1056' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1056' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f2212' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f2212' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f2212' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy1/f2212' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f2212' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1848' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1848' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1848' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f548' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f548' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f548' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f548' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f548' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy2/f548' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f548' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f224' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f224' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f224' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f2336' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f2336' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f2336' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy1/f2336' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f2336' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1624' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy0/f1624' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1624' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy1/f1624' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1624' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f804' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f804' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f804' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy1/f804' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f804' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy2/f804' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f804' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f2344' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f2344' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f2344' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f2344' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f2344' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1020' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f1020' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1020' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy1/f1020' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1020' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy2/f1020' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1020' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1600' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1600' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1600' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy1/f1600' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1600' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy2/f1600' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1600' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f2004' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f2004' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f2004' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy1/f2004' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f2004' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy2/f2004' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f2004' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f72' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f72' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f72' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1024' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1024' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1024' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f1024' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1024' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1068' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1068' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1068' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy1/f1068' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1068' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f328' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f328' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f328' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f340' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f340' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f340' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f340' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f340' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f480' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f480' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f480' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f644' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f644' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f644' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f1232' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f1232' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f1232' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f360' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f360' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f360' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy1/f360' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f360' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy2/f360' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f360' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f928' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f928' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f928' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1388' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1388' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1388' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f1388' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1388' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy2/f1388' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1388' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1560' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1560' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1560' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1608' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f1608' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1608' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f1608' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1608' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy2/f1608' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1608' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f2220' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f2220' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f2220' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f2220' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f2220' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy2/f2220' '/work/wt/fast/bench/out/corpora/mixed/d20/s1/f2220' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f1524' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1524' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f1524' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy1/f1524' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f1524' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy2/f1524' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f1524' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f2096' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f2096' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f2096' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f2096' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f2096' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy2/f2096' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f2096' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f2340' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f2340' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f2340' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f2340' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f2340' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy2/f2340' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f2340' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f2232' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f2232' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f2232' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1144' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f1144' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1144' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1652' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1652' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1652' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f1652' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1652' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy2/f1652' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f1652' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1920' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f1920' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1920' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f1920' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1920' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1948' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f1948' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f1948' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f48' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy0/f48' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f48' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f56' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f56' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f56' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f952' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f952' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f952' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f560' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f560' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f560' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f560' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f560' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy2/f560' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f560' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f2028' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f2028' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f2028' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1064' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f1064' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1064' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy1/f1064' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1064' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy2/f1064' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1064' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1960' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f1960' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1960' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy1/f1960' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1960' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy2/f1960' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1960' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1688' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1688' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1688' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy1/f1688' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1688' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy2/f1688' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1688' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f824' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f824' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f824' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f824' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f824' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f1820' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1820' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f1820' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy1/f1820' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f1820' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy2/f1820' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f1820' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1284' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1284' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1284' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy1/f1284' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1284' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f2140' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f2140' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f2140' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f2140' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f2140' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy2/f2140' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f2140' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f612' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f612' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f612' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f612' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f612' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy2/f612' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f612' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1076' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1076' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1076' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f1076' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1076' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy2/f1076' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f1076' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f336' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f336' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f336' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f336' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f336' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f2196' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f2196' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f2196' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f2196' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f2196' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1672' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1672' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1672' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f1672' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1672' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy2/f1672' '/work/wt/fast/bench/out/corpora/mixed/d32/s6/f1672' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f88' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f88' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f88' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy1/f88' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f88' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy2/f88' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f88' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1880' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f1880' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1880' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f1880' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1880' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy2/f1880' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1880' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1348' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f1348' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1348' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f1348' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1348' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1928' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1928' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1928' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy1/f1928' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f1928' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f788' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f788' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f788' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f788' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f788' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f2376' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f2376' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f2376' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f2376' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f2376' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy2/f2376' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f2376' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f296' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f296' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f296' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy1/f296' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f296' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy2/f296' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f296' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f2152' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f2152' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f2152' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f2152' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f2152' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f616' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f616' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f616' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f616' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f616' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1844' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1844' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1844' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy1/f1844' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1844' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy2/f1844' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1844' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1004' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f1004' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1004' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f1004' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f1004' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f580' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy0/f580' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f580' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy1/f580' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f580' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f2036' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f2036' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f2036' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f2036' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f2036' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1708' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f1708' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1708' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy1/f1708' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1708' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy2/f1708' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f1708' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f2044' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f2044' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f2044' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy1/f2044' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f2044' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy2/f2044' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f2044' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f2128' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f2128' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f2128' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f2128' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f2128' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1328' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f1328' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1328' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f1328' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1328' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy2/f1328' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1328' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f2264' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f2264' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f2264' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f2264' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f2264' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy2/f2264' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f2264' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f1744' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy0/f1744' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f1744' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f1744' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f1744' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy2/f1744' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f1744' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f92' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy0/f92' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f92' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f92' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f92' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy2/f92' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f92' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f40' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f40' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f40' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f40' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f40' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f1188' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1188' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f1188' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy1/f1188' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f1188' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f444' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f444' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f444' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f444' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f444' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f864' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f864' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f864' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1152' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f1152' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1152' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1412' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f1412' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1412' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy1/f1412' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1412' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f2068' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f2068' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f2068' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f448' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f448' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f448' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f380' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f380' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f380' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f60' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f60' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f60' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f884' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f884' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f884' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f2308' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f2308' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f2308' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f288' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f288' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f288' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f288' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f288' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f24' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f24' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f24' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy1/f24' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f24' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy2/f24' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f24' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f1248' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1248' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f1248' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f1248' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f1248' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1312' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy0/f1312' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1312' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f2240' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f2240' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f2240' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f2240' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f2240' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1716' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1716' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f1716' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f1468' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f1468' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f1468' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1712' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f1712' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1712' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1536' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f1536' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f1536' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1272' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1272' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f1272' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1332' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f1332' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1332' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f1332' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1332' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f2064' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f2064' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f2064' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy1/f2064' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f2064' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy2/f2064' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f2064' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f404' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f404' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f404' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f404' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f404' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f2372' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f2372' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f2372' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f2372' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f2372' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy2/f2372' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f2372' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f120' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f120' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f120' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy1/f120' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f120' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1252' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1252' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1252' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f1252' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1252' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy2/f1252' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f1252' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f2380' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f2380' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f2380' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f2380' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f2380' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1040' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f1040' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f1040' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f1544' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1544' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f1544' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy1/f1544' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f1544' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f868' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f868' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f868' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1280' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f1280' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1280' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f1280' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1280' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy2/f1280' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1280' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f568' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy0/f568' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f568' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy1/f568' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f568' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f872' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f872' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f872' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f872' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f872' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy2/f872' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f872' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f1444' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f1444' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f1444' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f516' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f516' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f516' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy1/f516' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f516' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f656' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f656' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f656' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f656' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f656' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1060' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f1060' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1060' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f1060' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1060' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f908' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f908' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f908' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy1/f908' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f908' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy2/f908' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f908' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f688' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f688' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f688' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy1/f688' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f688' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy2/f688' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f688' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f96' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f96' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f96' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy1/f96' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f96' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy2/f96' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f96' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f200' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f200' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f200' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f200' '/work/wt/fast/bench/out/corpora/mixed/d0/s4/f200' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1008' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f1008' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1008' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f1008' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1008' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy2/f1008' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f1008' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1032' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f1032' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1032' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f1032' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1032' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy2/f1032' '/work/wt/fast/bench/out/corpora/mixed/d32/s3/f1032' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f2092' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f2092' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f2092' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f2092' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f2092' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy2/f2092' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f2092' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1228' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f1228' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1228' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f1228' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1228' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy2/f1228' '/work/wt/fast/bench/out/corpora/mixed/d28/s3/f1228' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1736' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f1736' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1736' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy1/f1736' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1736' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy2/f1736' '/work/wt/fast/bench/out/corpora/mixed/d16/s0/f1736' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1336' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1336' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1336' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy1/f1336' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1336' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy2/f1336' '/work/wt/fast/bench/out/corpora/mixed/d16/s6/f1336' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1120' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f1120' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1120' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f1120' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f1120' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f456' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f456' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f456' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f456' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f456' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy2/f456' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f456' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1140' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f1140' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1140' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy1/f1140' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1140' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1772' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f1772' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1772' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy1/f1772' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1772' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy2/f1772' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1772' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1516' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1516' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1516' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy1/f1516' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f1516' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f660' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f660' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f660' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy1/f660' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f660' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy2/f660' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f660' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f2216' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f2216' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f2216' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy1/f2216' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f2216' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy2/f2216' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f2216' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1104' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f1104' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1104' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy1/f1104' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1104' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy2/f1104' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1104' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1892' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f1892' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1892' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy1/f1892' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1892' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy2/f1892' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1892' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f1548' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1548' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f1548' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f1548' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f1548' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f400' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f400' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f400' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f400' '/work/wt/fast/bench/out/corpora/mixed/d0/s1/f400' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1000' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f1000' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f1000' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f64' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f64' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f64' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy1/f64' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f64' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f52' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f52' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f52' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f52' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f52' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1128' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f1128' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1128' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f1128' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1128' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy2/f1128' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f1128' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f176' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f176' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f176' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f176' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f176' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy2/f176' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f176' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f2304' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f2304' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f2304' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f2304' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f2304' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1696' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1696' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1696' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy1/f1696' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1696' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1460' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1460' '/work/wt/fast/bench/out/corpora/mixed/d20/s4/f1460' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f460' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f460' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f460' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f2032' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f2032' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f2032' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy1/f2032' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f2032' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f124' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f124' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f124' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy1/f124' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f124' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f912' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f912' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f912' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1888' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f1888' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1888' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f1888' '/work/wt/fast/bench/out/corpora/mixed/d8/s5/f1888' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f1268' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f1268' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f1268' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy1/f1268' '/work/wt/fast/bench/out/corpora/mixed/d28/s1/f1268' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f584' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f584' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f584' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f584' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f584' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy2/f584' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f584' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1620' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f1620' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1620' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f1620' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1620' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy2/f1620' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f1620' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f904' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f904' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f904' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f172' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f172' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f172' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy1/f172' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f172' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f840' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy0/f840' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f840' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f840' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f840' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy2/f840' '/work/wt/fast/bench/out/corpora/mixed/d0/s0/f840' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f692' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f692' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f692' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f416' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f416' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f416' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f416' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f416' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy2/f416' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f416' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f524' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f524' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f524' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy1/f524' '/work/wt/fast/bench/out/corpora/mixed/d4/s6/f524' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f324' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f324' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f324' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy1/f324' '/work/wt/fast/bench/out/corpora/mixed/d4/s2/f324' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1072' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f1072' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1072' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f1072' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1072' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f160' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f160' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f160' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy1/f160' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f160' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy2/f160' '/work/wt/fast/bench/out/corpora/mixed/d0/s6/f160' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f652' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f652' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f652' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy1/f652' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f652' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy2/f652' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f652' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f20' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f20' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f20' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f20' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f20' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy2/f20' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f20' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1972' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy0/f1972' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1972' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy1/f1972' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1972' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy2/f1972' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1972' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1732' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1732' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1732' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f1732' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1732' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d15/copy2/f1732' '/work/wt/fast/bench/out/corpora/mixed/d12/s3/f1732' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f848' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f848' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f848' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy1/f848' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f848' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f876' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy0/f876' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f876' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f876' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f876' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1876' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f1876' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1876' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f1876' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1876' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1692' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1692' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f1692' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f220' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f220' '/work/wt/fast/bench/out/corpora/mixed/d20/s3/f220' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f2280' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f2280' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f2280' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f2132' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f2132' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f2132' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1344' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy0/f1344' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1344' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy1/f1344' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1344' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy2/f1344' '/work/wt/fast/bench/out/corpora/mixed/d24/s0/f1344' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1384' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d17/copy0/f1384' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1384' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f724' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f724' '/work/wt/fast/bench/out/corpora/mixed/d4/s3/f724' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f596' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f596' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f596' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy1/f596' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f596' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f2104' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f2104' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f2104' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f2248' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f2248' '/work/wt/fast/bench/out/corpora/mixed/d8/s1/f2248' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f412' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d38/copy0/f412' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f412' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy1/f412' '/work/wt/fast/bench/out/corpora/mixed/d12/s6/f412' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f1476' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f1476' '/work/wt/fast/bench/out/corpora/mixed/d36/s6/f1476' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f2276' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f2276' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f2276' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy1/f2276' '/work/wt/fast/bench/out/corpora/mixed/d36/s1/f2276' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f696' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy0/f696' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f696' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f2312' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f2312' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f2312' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1632' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1632' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1632' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f1632' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f1632' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f2148' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/copy0/f2148' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f2148' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy1/f2148' '/work/wt/fast/bench/out/corpora/mixed/d28/s6/f2148' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1664' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f1664' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1664' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f452' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d23/copy0/f452' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f452' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f228' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f228' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f228' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f1784' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f1784' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f1784' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy1/f1784' '/work/wt/fast/bench/out/corpora/mixed/d24/s6/f1784' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1080' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f1080' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1080' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f1080' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1080' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy2/f1080' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1080' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f100' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f100' '/work/wt/fast/bench/out/corpora/mixed/d20/s2/f100' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f796' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f796' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f796' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy1/f796' '/work/wt/fast/bench/out/corpora/mixed/d36/s5/f796' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f1464' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d5/copy0/f1464' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f1464' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1852' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d22/copy0/f1852' '/work/wt/fast/bench/out/corpora/mixed/d12/s4/f1852' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f84' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f84' '/work/wt/fast/bench/out/corpora/mixed/d4/s0/f84' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f736' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f736' '/work/wt/fast/bench/out/corpora/mixed/d16/s1/f736' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f816' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d19/copy0/f816' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f816' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy1/f816' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f816' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f1472' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f1472' '/work/wt/fast/bench/out/corpora/mixed/d32/s2/f1472' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1704' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1704' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1704' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy1/f1704' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1704' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy2/f1704' '/work/wt/fast/bench/out/corpora/mixed/d24/s3/f1704' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f792' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f792' '/work/wt/fast/bench/out/corpora/mixed/d32/s1/f792' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f2260' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f2260' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f2260' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1936' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1936' '/work/wt/fast/bench/out/corpora/mixed/d16/s4/f1936' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f1528' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1528' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f1528' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f16' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f16' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f16' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f2320' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f2320' '/work/wt/fast/bench/out/corpora/mixed/d0/s3/f2320' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f436' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f436' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f436' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f2228' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/copy0/f2228' '/work/wt/fast/bench/out/corpora/mixed/d28/s2/f2228' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1432' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f1432' '/work/wt/fast/bench/out/corpora/mixed/d32/s4/f1432' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f808' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f808' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f808' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f408' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f408' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f408' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f348' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f348' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f348' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1316' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d9/copy0/f1316' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1316' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d27/copy1/f1316' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f1316' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f2052' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d21/copy0/f2052' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f2052' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f1208' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1208' '/work/wt/fast/bench/out/corpora/mixed/d8/s4/f1208' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f376' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d33/copy0/f376' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f376' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1976' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1976' '/work/wt/fast/bench/out/corpora/mixed/d16/s2/f1976' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f608' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy0/f608' '/work/wt/fast/bench/out/corpora/mixed/d8/s6/f608' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f676' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f676' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f676' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f292' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f292' '/work/wt/fast/bench/out/corpora/mixed/d12/s5/f292' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f2144' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f2144' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f2144' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1700' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f1700' '/work/wt/fast/bench/out/corpora/mixed/d20/s6/f1700' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f308' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy0/f308' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f308' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f2356' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f2356' '/work/wt/fast/bench/out/corpora/mixed/d36/s4/f2356' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f184' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/copy0/f184' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f184' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy1/f184' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f184' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1052' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f1052' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1052' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d11/copy1/f1052' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f1052' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1604' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f1604' '/work/wt/fast/bench/out/corpora/mixed/d4/s1/f1604' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f976' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f976' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f976' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy1/f976' '/work/wt/fast/bench/out/corpora/mixed/d16/s3/f976' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f140' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f140' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f140' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f140' '/work/wt/fast/bench/out/corpora/mixed/d20/s0/f140' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f984' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d37/copy0/f984' '/work/wt/fast/bench/out/corpora/mixed/d24/s4/f984' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f996' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f996' '/work/wt/fast/bench/out/corpora/mixed/d36/s2/f996' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1300' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy0/f1300' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1300' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d14/copy1/f1300' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1300' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d39/copy2/f1300' '/work/wt/fast/bench/out/corpora/mixed/d20/s5/f1300' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1944' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d3/copy0/f1944' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f1944' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f1720' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy0/f1720' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f1720' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d18/copy1/f1720' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f1720' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f1748' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy0/f1748' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f1748' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/copy1/f1748' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f1748' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy2/f1748' '/work/wt/fast/bench/out/corpora/mixed/d28/s5/f1748' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1628' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy0/f1628' '/work/wt/fast/bench/out/corpora/mixed/d28/s4/f1628' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f168' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d35/copy0/f168' '/work/wt/fast/bench/out/corpora/mixed/d8/s0/f168' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1640' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d1/copy0/f1640' '/work/wt/fast/bench/out/corpora/mixed/d0/s2/f1640' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f812' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d6/copy0/f812' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f812' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f812' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f812' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d26/copy2/f812' '/work/wt/fast/bench/out/corpora/mixed/d12/s0/f812' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f1440' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1440' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f1440' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f28' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy0/f28' '/work/wt/fast/bench/out/corpora/mixed/d28/s0/f28' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f196' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d25/copy0/f196' '/work/wt/fast/bench/out/corpora/mixed/d36/s0/f196' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f128' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f128' '/work/wt/fast/bench/out/corpora/mixed/d8/s2/f128' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f712' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f712' '/work/wt/fast/bench/out/corpora/mixed/d32/s5/f712' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f2364' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d20/copy0/f2364' '/work/wt/fast/bench/out/corpora/mixed/d4/s5/f2364' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f2072' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d32/copy0/f2072' '/work/wt/fast/bench/out/corpora/mixed/d32/s0/f2072' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1584' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d28/copy0/f1584' '/work/wt/fast/bench/out/corpora/mixed/d24/s2/f1584' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f1184' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d29/copy0/f1184' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f1184' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d13/copy1/f1184' '/work/wt/fast/bench/out/corpora/mixed/d24/s1/f1184' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f556' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d4/copy0/f556' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f556' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy1/f556' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f556' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d7/copy2/f556' '/work/wt/fast/bench/out/corpora/mixed/d36/s3/f556' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f248' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d8/copy0/f248' '/work/wt/fast/bench/out/corpora/mixed/d8/s3/f248' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f2172' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f2172' '/work/wt/fast/bench/out/corpora/mixed/d12/s2/f2172' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f1776' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d34/copy0/f1776' '/work/wt/fast/bench/out/corpora/mixed/d16/s5/f1776' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1492' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d2/copy0/f1492' '/work/wt/fast/bench/out/corpora/mixed/d12/s1/f1492' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f544' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d31/copy0/f544' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f544' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/copy1/f544' '/work/wt/fast/bench/out/corpora/mixed/d24/s5/f544' # duplicate
original_cmd '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f600' # original
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d30/copy0/f600' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f600' # duplicate
remove_cmd '/work/wt/fast/bench/out/corpora/mixed/d10/copy1/f600' '/work/wt/fast/bench/out/corpora/mixed/d0/s5/f600' # duplicate
                                               
                                               
                                               
######### END OF AUTOGENERATED OUTPUT #########
                                               
if [ $PROGRESS_CURR -le $PROGRESS_TOTAL ]; then
    print_progress_prefix                      
    echo "${COL_BLUE}Done!${COL_RESET}"      
fi                                             
                                               
if [ -z $DO_REMOVE ] && [ -z $DO_DRY_RUN ]     
then                                           
  echo "Deleting script " "$0"             
  rm -f '/work/wt/fast/rmlint.sh';                                     
fi                                             
