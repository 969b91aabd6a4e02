# bash completion for vexa-modulant-cli.
# Everything offered comes from the program at hand, so the completion follows
# each command, option and table a new version brings: commands and options
# from its help, the choices of a value from its value name ("en|ru"),
# programmers from "list", tables from its table listing.

# Help text on standard input; one line "name value" for each option name
# (value empty for a switch): "  -t, --table TABLE  A table..." gives
# "-t TABLE" and "--table TABLE".
_vexa_modulant_cli_options()
{
    local line left word value
    local -a words names
    while IFS= read -r line; do
        [[ $line == "  -"* ]] || continue
        left=${line:2}
        left=${left%%  *}
        read -ra words <<< "${left//,/}"
        value=""
        names=()
        for word in "${words[@]}"; do
            if [[ $word == -* ]]; then names+=("$word"); else value=$word; fi
        done
        for word in "${names[@]}"; do
            printf '%s %s\n' "$word" "$value"
        done
    done
}

# The value name of option $1 in the rows on standard input; empty for none.
_vexa_modulant_cli_value_of()
{
    local name value
    while read -r name value; do
        if [[ $name == "$1" ]]; then
            printf '%s' "$value"
            return
        fi
    done
}

# Fills COMPREPLY with the values of an option whose value name is $2.
_vexa_modulant_cli_values()
{
    local cli=$1 kind=$2 cur=$3 prefix="" words=""
    case $kind in
        *"|"*) words=${kind//|/ } ;;
        SERIAL) words=$("$cli" list 2> /dev/null | cut -d ' ' -f 1) ;;
        TABLE)
            # Several tables may be given with commas: complete the last one.
            [[ $cur == *,* ]] && prefix=${cur%,*},
            cur=${cur##*,}
            words=$("$cli" --list-tables 2> /dev/null)
            ;;
        *FILE)
            compopt -o filenames 2> /dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return
            ;;
    esac
    mapfile -t COMPREPLY < <(compgen -P "$prefix" -W "$words" -- "$cur")
}

_vexa_modulant_cli()
{
    local cli=$1 cur=${COMP_WORDS[COMP_CWORD]} prev="" overview global options command="" value i line
    local -a commands=()
    COMPREPLY=()
    ((COMP_CWORD > 1)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    # "--lang=en" comes as "--lang", "=", "en".
    if [[ $cur == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 1]} cur=""
    elif [[ $prev == = ]] && ((COMP_CWORD > 2)); then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi

    overview=$("$cli" --lang en --help 2> /dev/null) || return 0
    global=$(_vexa_modulant_cli_options <<< "$overview")
    while IFS= read -r line; do
        [[ $line =~ ^\ \ ([a-z][a-z0-9-]*)\ \  ]] && commands+=("${BASH_REMATCH[1]}")
    done <<< "$overview"

    # The command is the first word that is neither an option nor its value.
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == -* ]]; then
            [[ -n $(_vexa_modulant_cli_value_of "${COMP_WORDS[i]}" <<< "$global") ]] && ((i++))
        elif [[ ${COMP_WORDS[i]} != = ]]; then
            command=${COMP_WORDS[i]}
            break
        fi
    done

    options=$global
    if [[ -n $command && $command != help ]]; then
        options=$("$cli" --lang en help "$command" 2> /dev/null | _vexa_modulant_cli_options)
    fi

    if [[ $prev == -* ]]; then
        value=$(_vexa_modulant_cli_value_of "$prev" <<< "$options"$'\n'"$global")
        if [[ -n $value ]]; then
            _vexa_modulant_cli_values "$cli" "$value" "$cur"
            return 0
        fi
    fi

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(cut -d ' ' -f 1 <<< "$options")" -- "$cur")
    elif [[ -z $command ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${commands[*]}" -- "$cur")
    elif [[ $command == help ]]; then
        [[ $prev == help ]] && mapfile -t COMPREPLY < <(compgen -W "${commands[*]/#help/}" -- "$cur")
    else
        compopt -o filenames 2> /dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
    return 0
}

complete -F _vexa_modulant_cli vexa-modulant-cli
