#!/usr/bin/env bash
# The bash completion offers the options, the values of --format, --spelling
# and --decimals, the categories after --list and the units after
# --convert VALUE, names with spaces escaped or inside the quote typed.
#   bash-completion.sh <completion script>
set -uo pipefail
# shellcheck source=/dev/null
source "$1"
failures=0

# Completes the last of the words given, as bash would at a TAB.
complete_line() {
    COMP_WORDS=(tavrix "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _tavrix
    printf '%s\n' "${COMPREPLY[@]}"
}

expect() {
    local wanted=$1
    shift
    local offered
    offered=$(complete_line "$@")
    if [ "$offered" != "$wanted" ]; then
        echo "FAIL: tavrix $* <TAB> offered:" >&2
        echo "$offered" >&2
        echo "instead of:" >&2
        echo "$wanted" >&2
        failures=$((failures + 1))
    fi
}

expect $'--convert' '--co'
expect $'--decimals' '--d'
expect $'fixed' '--format' 'f'
expect $'europe\nusa' '--list' 'x' '--spelling' ''
expect $'1\n10\n11\n12\n13\n14\n15\n16' '--decimals' '1'
expect $'Flow\\ Rate\\ \\(volume\\)\nFlow\\ Rate\\ \\(mass\\)' '--list' 'Flo'
expect $'"Volume / Capacity"' '--list' '"Vol'
expect '' '--convert' ''
expect $'knot' '--convert' '1' 'kn'
expect $'gallon\\ USA/km\ngallon\\ UK/km\ngallon\\ USA/mile\ngallon\\ UK/mile\ngallon\\ USA\ngallon\\ UK' \
    '--convert' '1' 'litre' 'gall'
expect $'gallon\\ UK/km\ngallon\\ UK/mile\ngallon\\ UK' '--convert' '1' 'gallon\ UK'
# Both spellings are offered.
expect $'liter/km\nliter/mile\nliter' '--convert' '1' 'lite'
expect $'litre/km\nlitre/mile\nlitre' '--convert' '1' 'litr'
expect $'°Celsius' '--convert' '1' '°C'
# After the units, the options again.
expect $'--log' '--convert' '1' 'm' 'ft' '--lo'

[ $failures -eq 0 ] || exit 1
echo "bash completion: as expected"
