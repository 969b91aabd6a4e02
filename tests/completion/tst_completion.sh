#!/usr/bin/env bash
# tst_completion.sh CLI COMPLETION
# Presses Tab as bash does: the words typed so far go to the completion
# function, and the candidates it offers are compared. The program is the
# one built, with the simulated programmers attached.
set -u
cli=$1
source "$2"
passed=0 failed=0
cd "$(mktemp -d)" && touch module.bin other.txt

# The candidates for a line whose last word is being completed ("x" stands
# for the program), sorted and on one line.
candidates()
{
    read -ra COMP_WORDS <<< "$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_WORDS[0]=$cli
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _vexa_modulant_cli "$cli" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | xargs
}

verdict() # ok? line expected got
{
    if "$1"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: \"$2\": expected \"$3\", got \"$4\""
    fi
}

offers() { local got; got=$(candidates "$1"); verdict "$([[ $got == "$2" ]] && echo true || echo false)" "$1" "$2" "$got"; }

# Lists that grow with the program: each expected word is among them.
includes()
{
    local got word ok=true
    got=" $(candidates "$1") "
    for word in $2; do [[ $got == *" $word "* ]] || ok=false; done
    verdict $ok "$1" "$2 among them" "$got"
}

includes "x " "decode diff help list read series tune verify write"
offers "x ver" "verify"
offers "x help dec" "decode"
offers "x help h" ""
offers "x --lang " "en ru"
offers "x --lang =" "en ru"
offers "x --lang = r" "ru"
offers "x --lang ru wr" "write"
includes "x write --" "--allow-diagnostics --no-verify --password --programmer --table"
offers "x write --n" "--no-verify"
offers "x decode --" "--device --help --json --programmer --table"
offers "x read -t a0-" "a0-high a0-low"
offers "x read -t a0-low,a2-h" "a0-low,a2-high"
offers "x verify image.bin --table a" "a0 a0-high a0-low a2 a2-high a2-low a2-page-00 a2-page-01 a2-page-02 a2-page-80 all"
offers "x read -t p" "page-00 page-01 page-02 page-03 page-10 page-11"
offers "x read -p VEXA" "VEXASIM1 VEXASIM2"
offers "x series t.bin --date " "keep today"
offers "x diff module.bin o" "other.txt"
offers "x read -o m" "module.bin"
offers "x write module.bin --password " ""

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
