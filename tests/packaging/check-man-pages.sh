#!/usr/bin/env bash
# The man pages cover what the programs' own usage texts list: every command
# and option of `vorlanctl --help` and `vorlan --help` appears in the page.
#   check-man-pages.sh VORLANCTL VORLAN MAN_SOURCE_DIR
set -uo pipefail
vorlanctl=$1 vorlan=$2 pages=$3
failures=0
check() { # program page usage-text
    local page=$pages/$1.1.scd words
    words=$(grep -oE -- '(--[a-z-]+|-o\b|vorlanctl [a-z]+)' <<<"$2" | sort -u)
    for word in $words VORLAN_DEVICE "EXIT STATUS" ENVIRONMENT FILES; do
        word=${word#vorlanctl }
        if ! grep -qF -- "$word" "$page"; then
            echo "$1.1: '$word' (from the usage text) is not in $page" >&2
            failures=$((failures + 1))
        fi
    done
}
check vorlanctl "$("$vorlanctl" --help) VORLAN_DEVICE"
check vorlan "$("$vorlan" --help)"
exit $((failures > 0))
