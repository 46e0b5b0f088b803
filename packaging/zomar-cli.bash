# bash completion for zomar-cli                            -*- shell-script -*-
# Commands and options are read from the program's own help when completing
# ("zomar-cli --help", "zomar-cli COMMAND --help"), so they never fall behind
# the program. Needs bash-completion (_init_completion, _filedir).

# The help of program $1 for the arguments after it.
_zomar_cli_help()
{
    local prog=$1
    shift
    LC_ALL=C timeout 5 "$prog" "$@" --help 2>/dev/null
}

# Command names: the first word of each line of the "Commands:" paragraph.
_zomar_cli_commands()
{
    _zomar_cli_help "$1" | awk '
        /^Commands:[[:space:]]*$/ { on = 1; next }
        on && /^[[:space:]]*$/    { exit }
        on && /^  [^ ]/           { print $1 }'
}

# Option names of a help text on stdin, one a line; "=" ends those that take
# a value ("  -d, --device <PATH>  ..." gives "-d=" and "--device=").
_zomar_cli_options()
{
    awk '/^  -/ {
        line = substr($0, 3)
        if (match(line, /   */)) line = substr(line, 1, RSTART - 1)
        value = (line ~ /</) ? "=" : ""
        sub(/ <.*/, "", line)
        n = split(line, names, ", ")
        for (i = 1; i <= n; i++) print names[i] value
    }'
}

# Completes the value of option $1 in COMPREPLY; fails for an option whose
# values are not known here.
_zomar_cli_value()
{
    case $1 in
        --profile | --log | --save | --trace | --port-map | --store | --csv | --watch | --capture)
            _filedir
            ;;
        --state)
            COMPREPLY=($(compgen -W "reserved pass fail unknown" -- "$cur"))
            ;;
        --device | --from | --to)
            # Serial devices, not the virtual consoles (/dev/tty0..63).
            COMPREPLY=($(compgen -W "$(compgen -G '/dev/tty[!0-9]*'
                compgen -G '/dev/serial/by-id/*')" -- "$cur"))
            # Any other path (a pseudo-terminal, a symlink of one's own).
            ((${#COMPREPLY[@]})) || _filedir
            ;;
        --band)
            COMPREPLY=($(compgen -W "433 868" -- "$cur"))
            ;;
        --region)
            # The band plans of core/protocol/BandPlan.cpp.
            COMPREPLY=($(compgen -W "eu none" -- "$cur"))
            ;;
        --baud | --to-baud)
            # The line speeds of the window's speed list.
            COMPREPLY=($(compgen -W "2400 4800 9600 14400 19200 28800 38400" -- "$cur"))
            ;;
        *)
            return 1
            ;;
    esac
}

_zomar_cli()
{
    local cur prev words cword split
    _init_completion -s || return

    local prog=${words[0]} top cmd="" i
    # --help and --version come with every command line of the program,
    # listed in its help or not.
    top=$({
        _zomar_cli_help "$prog" | _zomar_cli_options
        printf '%s\n' --help --version
    } | sort -u)
    # The command is the first word that is neither an option nor the value
    # of an option before it.
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            *=*) ;;
            -*) grep -qxF -- "${words[i]}=" <<<"$top" && ((i++)) ;;
            *)
                cmd=${words[i]}
                break
                ;;
        esac
    done

    local opts=$top help=""
    if [[ $cmd ]]; then
        help=$(_zomar_cli_help "$prog" "$cmd")
        opts=$(_zomar_cli_options <<<"$help")
    fi
    if [[ $split == true ]] || grep -qxF -- "$prev=" <<<"$opts"; then
        _zomar_cli_value "$prev"
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "${opts//=/}" -- "$cur"))
    elif [[ ! $cmd ]]; then
        COMPREPLY=($(compgen -W "$(_zomar_cli_commands "$prog")" -- "$cur"))
    else
        # The command's arguments, in the order of its "Arguments:"
        # paragraph: one named like a file takes a file name, any other is
        # a word of its own ("profile check FILE"); words the usage line
        # joins with "|" are the choices ("records list|unknown|...").
        local args=() choices=() n=0
        mapfile -t args < <(awk '
            /^Arguments:[[:space:]]*$/ { on = 1; next }
            on && /^[[:space:]]*$/     { exit }
            on && /^  [^ ]/            { print $1 }' <<<"$help")
        mapfile -t choices < <(sed -n '/^Usage:/s/.*\[options\]//p' <<<"$help" | tr ' ' '\n' | grep -F '|')
        for ((i++; i < cword; i++)); do
            case ${words[i]} in
                *=*) ;;
                -*) grep -qxF -- "${words[i]}=" <<<"$opts" && ((i++)) ;;
                *) ((n++)) ;;
            esac
        done
        if ((n < ${#choices[@]})); then
            COMPREPLY=($(compgen -W "${choices[n]//|/ }" -- "$cur"))
        elif ((n < ${#args[@]})) && [[ ${args[n]} != *[Ff][Ii][Ll][Ee]* ]]; then
            COMPREPLY=($(compgen -W "${args[n]}" -- "$cur"))
        elif ((${#args[@]})); then
            _filedir
        fi
    fi
} &&
    complete -F _zomar_cli zomar-cli
