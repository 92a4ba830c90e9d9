#!/usr/bin/env bash
# A manual page cannot drift from its program: every line the program prints
# as its help stands as a whole line in the page's source, once the page's
# escapes are read as what they print ("\-" as "-", "\&" as nothing).
#   man_page_test.sh PAGE PROGRAM --help   checks "PROGRAM --help"
#   man_page_test.sh PAGE PROGRAM help     checks "PROGRAM help" and
#                                          "PROGRAM help NAME" for each command
#                                          that "PROGRAM help" lists
set -u
page=$1 program=$2 help=$3
text=$(sed -e 's/\\-/-/g' -e 's/\\&//g' "$page") || exit 1

check() {
    local output line missing=0
    if ! output=$("$program" "$@") || [[ -z $output ]]; then
        echo "\"$program $*\" failed or printed nothing"
        return 1
    fi
    while IFS= read -r line; do
        if ! grep -Fxq -- "$line" <<<"$text"; then
            echo "not in $page (from \"$*\"): $line"
            missing=1
        fi
    done <<<"$output"
    return $missing
}

failed=0
check "$help" || failed=1
if [[ $help == help ]]; then
    commands=$("$program" help | sed -n 's/^  [^ ]* \([^ ]*\).*/\1/p')
    if [[ -z $commands ]]; then
        echo "\"$program help\" lists no commands"
        exit 1
    fi
    for name in $commands; do
        check help "$name" || failed=1
    done
fi
exit $failed
