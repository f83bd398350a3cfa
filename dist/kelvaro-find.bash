# bash completion for kelvaro-find
_kelvaro_find() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        --move-to|--keep-in)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
        --from-report|--log)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --keep)
            COMPREPLY=($(compgen -W 'first newest oldest shortest' -- "$cur"))
            return ;;
        --threads|--min-size|--max-size|--exclude)
            return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '-r --recursive --include-hidden --no-protect --exclude
            --min-size --max-size --engine=fast --engine=pairwise --threads --no-cache
            --trust-cache --cache-clear --stats -0 --null
            -m --summary --json --keep --keep-in --ref-groups --trash --move-to --delete
            --hardlink --reflink -n --dry-run --from-report --log -h --help --version' \
            -- "$cur"))
        return
    fi
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -d -- "$cur"))
}
complete -F _kelvaro_find kelvaro-find
