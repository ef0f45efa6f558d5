#!/usr/bin/env bash
# The bash completion of vorlanctl, run without the bash-completion package:
# its two helpers are stood in for, each case completes one command line.
#   check-completion.sh COMPLETION_FILE
set -uo pipefail
_init_completion() {
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]:-}
}
_filedir() { COMPREPLY+=("<files>"); }
# shellcheck source=/dev/null
source "$1"

failures=0
check() { # expected completions, then the words (the last is being completed)
    local expected=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _vorlanctl
    local got="${COMPREPLY[*]}"
    if [[ $got != "$expected" ]]; then
        echo "vorlanctl ${*:2}<TAB>: expected '$expected', got '$got'" >&2
        failures=$((failures + 1))
    fi
}

check "convert show program image pc-layouts --help" vorlanctl ""
check "show" vorlanctl sh
check "<files>" vorlanctl convert ""
check "--variant --help" vorlanctl convert in.txt -
check "1 2 3 4" vorlanctl convert in.txt out.txt --variant ""
check "--json --pc-layout --help" vorlanctl show -
check "--emulate --received" vorlanctl program --
check "0 1 2" vorlanctl program --emulate ""
check "<files>" vorlanctl program --received ""
check "/1 <files>" vorlanctl program layout.txt /1
check "/0 /1 /2 <files>" vorlanctl program layout.txt /
check "-o --hex" vorlanctl image layout.txt -
check "<files>" vorlanctl image layout.txt -o ""
check "" vorlanctl bogus ""
exit $((failures > 0))
