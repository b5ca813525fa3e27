#!/usr/bin/env bash
# The bash completion, as bash calls it at a Tab, with the program it asks:
# options and their values, categories, units found as the program finds
# them, only the first unit's category for the second, nothing once the
# command is complete, and results log files for the window.
#   bash-completion.sh <completion script> <tavrix executable>
set -uo pipefail
# shellcheck source=/dev/null
source "$1"
program=$2
export LC_ALL=C
failures=0

# What bash offers at a Tab after `line`; `word` is the part bash replaces,
# the end of the line after its last blank or word break (by default after
# its last blank).
complete_line() {
    local line=$1 word=${2-${1##* }}
    COMP_LINE="$program $line"
    COMP_POINT=${#COMP_LINE}
    # Only the first and the last word count here: the program reads the line.
    COMP_WORDS=("$program" "$word")
    COMP_CWORD=1
    COMPREPLY=()
    _tavrix
    printf '%s\n' "${COMPREPLY[@]}"
}

expect() {
    local wanted=$1 offered
    shift
    offered=$(complete_line "$@")
    if [ "$offered" != "$wanted" ]; then
        printf 'FAIL: tavrix %s <TAB> offered:\n%s\ninstead of:\n%s\n' "$1" "$offered" "$wanted" >&2
        failures=$((failures + 1))
    fi
}

# Options, and the values of those that take one.
expect $'--convert' '--co'
expect $'--decimals' '--d'
expect $'fixed' '--format f'
expect $'fixed' '--format F'
expect $'scientific' '--format=sc' 'sc'
expect $'europe\nusa' '--list x --spelling '
expect $'1\n10\n11\n12\n13\n14\n15\n16' '--decimals 1'
# Categories, with spaces and brackets escaped, or inside the quote typed.
expect $'Flow\\ Rate\\ \\(volume\\)\nFlow\\ Rate\\ \\(mass\\)' '--list Flo'
expect $'"Volume / Capacity"' '--list "Vol'
expect $'Mass\\ /\\ Weight' '--list mass'
# Nothing to offer for the value.
expect '' '--convert '
# Units as the program finds them: by symbol, by any word, in any case.
# The symbol in the typed case first: "kn" is the knot, "kN" the kilonewton.
expect $'\nknot\nkN\\ \\(kilonewton\\)' '--convert 1 kn'
expect $'knot' '--convert 1 KNOT'
expect $'\xc2\xb0Kelvin' '--convert 1 kel'
expect $'\xc2\xb0Fahrenheit' '--convert 1 fahrenheit'
expect $'\xc2\xb0Celsius' '--convert 1 deg\ C' 'deg\ C'
expect $'mile/hour' '--convert 1 mph'
expect $'kWh\\ \\(kilowatt-hour\\)' '--convert 1 kwh'
expect $'kcal\\ \\(kilocalorie\\)' '--convert 1 kcal\ \(ki' 'kcal\ \(ki'
# Several names that do not continue what was typed: an empty reply keeps it
# from being cut to what they have in common, and bash lists them.
expect $'\nft/min\nft\xc2\xb3/min\nft-lb/min' '--convert 1 ft\ min' 'ft\ min'
expect $'\n\xc2\xb0Kelvin\n\xc2\xb0Celsius\n\xc2\xb0Rankine\n\xc2\xb0Fahrenheit' $'--convert 1 \xc2\xb0F deg'
# Both spellings: the one typed continues.
expect $'litre\nlitre/km\nlitre/mile\nlitre/100\\ km' '--convert 1 litr'
expect $'liter\nliter/km\nliter/mile\nliter/100\\ km' '--convert 1 lite'
# Neither continues more than the other: the spelling asked for.
expect $'litre\nlitre/km\nlitre/mile\nlitre/100\\ km' '--convert 1 lit'
expect $'liter\nliter/km\nliter/mile\nliter/100\\ km' '--spelling usa --convert 1 lit'
expect $'liter\nliter/km\nliter/mile\nliter/100\\ km' '--convert --spelling=usa 1 lit'
# The unit to convert to is one of the first unit's category.
expect $'gram\ngrain' '--convert 1 kg g'
expect $'g\\ \\(acc.\\ due\\ to\\ gravity\\)' $'--convert 1 m/sec\xc2\xb2 g'
# After a value that carries its units, the unit to convert to, of its category.
expect $'hour\nh:min:s\\ \\(hr\\,\\ min\\,\\ sec\\)' "--convert '90 min' h" 'h'
expect $'chain\ncable\\ UK\ncable\\ USA\ncm\\ \\(centimetre\\)' "--convert '5 ft 11 in' c" 'c'
# Once the command is complete, only the options it may still take.
expect '' '--convert 1 m ft '
expect $'--log' '--convert 1 m ft --lo'
expect $'--decimals\n--format\n--spelling' '--convert 1 m ft --log --'
expect '' '--help '
expect '' '--help --'
expect '' '--version --'
# Without a job, the window opens results log files: those and folders are offered.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/logs"
touch "$folder/a.TVRX" "$folder/b.tvrx" "$folder/c.txt"
offered=$(cd "$folder" && complete_line '' | sort)
if [ "$offered" != $'a.TVRX\nb.tvrx\nlogs' ]; then
    printf 'FAIL: tavrix <TAB> in a folder offered:\n%s\n' "$offered" >&2
    failures=$((failures + 1))
fi

[ $failures -eq 0 ] || exit 1
echo "bash completion: as expected"
