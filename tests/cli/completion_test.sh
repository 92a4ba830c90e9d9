#!/usr/bin/env bash
# The bash completion of program-cli offers every command that
# "program-cli help" lists and, after each command, every option that
# "program-cli help NAME" names, and the values of an option written as
# "--option a|b|c".
#   completion_test.sh PROGRAM_CLI COMPLETION_FILE
set -u
cli=$1
# shellcheck source=/dev/null
source "$2" || exit 1

failures=0
# Completes the last of the given words as bash would.
complete_words() {
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _program_cli
}
expect() {
    local got
    for got in "${COMPREPLY[@]}"; do
        [[ $got == "$1" ]] && return
    done
    echo "not offered: $1 ($2)"
    failures=$((failures + 1))
}

commands=$("$cli" help | sed -n 's/^  program-cli \([^ ]*\).*/\1/p')
if [[ -z $commands ]]; then
    echo "\"program-cli help\" lists no commands"
    exit 1
fi
complete_words program-cli ""
for name in $commands help; do
    expect "$name" "a command"
done
complete_words program-cli help ""
for name in $commands; do
    expect "$name" "after help"
done

for name in $commands; do
    usage=$("$cli" help "$name" | head -n 1)
    complete_words program-cli "$name" -
    for option in $(grep -oE -- '(^| |\[)--?[a-z][a-z-]*' <<<"$usage" | tr -d ' ['); do
        expect "$option" "an option of $name"
    done
    while read -r option values; do
        complete_words program-cli "$name" "$option" ""
        for value in ${values//|/ }; do
            expect "$value" "a value of $name $option"
        done
    done < <(grep -oE -- '--?[a-z-]+ [a-z-]+(\|[a-z-]+)+' <<<"$usage")
done
exit $((failures > 0))
