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

check "convert show check diff program image legends sheet report log type import export pc-layouts --help --version" vorlanctl ""
check "show sheet" vorlanctl sh
check "<files>" vorlanctl convert ""
check "--variant --strict --help -h" vorlanctl convert in.txt -
check "--variant" vorlanctl convert in.txt --v
check "1 2 3 4" vorlanctl convert in.txt out.txt --variant ""
check "--json --pc-layout --help -h" vorlanctl show -
check "--json" vorlanctl check a.txt b.txt --j
check "--json" vorlanctl diff a.txt --j
check "--emulate --received --log --order --records --help" vorlanctl program --
check "--to" vorlanctl log export --t
check "--from" vorlanctl log import --fr
check "0 1 2" vorlanctl program --emulate ""
check "<files>" vorlanctl program --received ""
check "<files>" vorlanctl program --log ""
check "/1 <files>" vorlanctl program layout.txt /1
check "/0 /1 /2 <files>" vorlanctl program layout.txt /
check "-o --hex --help -h" vorlanctl image layout.txt -
check "<files>" vorlanctl image layout.txt -o ""
check "--pitch --page --packed" vorlanctl legends layout.txt --p
check "A4 Letter" vorlanctl legends layout.txt --page ""
check "--no-cut-marks --no-frame" vorlanctl legends layout.txt --no
check "auto" vorlanctl legends layout.txt --type-size ""
check "" vorlanctl sheet layout.txt --dpi ""
# "--opt=value" as "--opt value".
check "1 2 3 4" vorlanctl convert in.txt out.txt --variant=
check "Letter" vorlanctl legends layout.txt --page=L
check "<files>" vorlanctl program --log=
check "--page" vorlanctl sheet layout.txt --pa
# After "--" everything is a file name.
check "<files>" vorlanctl convert -- -
check "" vorlanctl bogus ""
exit $((failures > 0))
