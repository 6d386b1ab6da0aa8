#!/bin/sh
# Every command and option breathlab-cli --help names appears in its man page.
# Usage: man_matches_help.sh PATH/TO/breathlab-cli PATH/TO/breathlab-cli.1
set -u
help=$("$1" --help) || { echo "FAILED: --help exits with $?"; exit 1; }
# The page without roff's escapes: "\-" is "-", font changes go.
page=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$2")
missing=
for word in $(printf '%s\n' "$help" | grep -o -e '--[a-z-]*' -e 'breathlab-cli [a-z-]*' |
              sed 's/^breathlab-cli //' | sort -u); do
    printf '%s\n' "$page" | grep -q -e "$word" || missing="$missing $word"
done
for code in $(printf '%s\n' "$help" | sed -n '/^Exit codes:/,$p' | grep -o '[0-9] [a-z(]' | cut -c1); do
    printf '%s\n' "$page" | sed -n '/^.SH EXIT STATUS/,/^.SH/p' | grep -q "$code" ||
        missing="$missing exit-status-$code"
done
[ -z "$missing" ] || { echo "FAILED: the man page lacks:$missing"; exit 1; }
exit 0
