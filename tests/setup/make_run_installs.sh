#!/usr/bin/env bash
# `make run` on a fresh machine: the commands it would run (make -n) name no
# npm and only the desktop's package lists, and those lists hold none of the
# web page's tool chain.
set -euo pipefail
source_dir=$1
fail() {
    echo "MAKE RUN CHECK FAILED: $*" >&2
    exit 1
}
build=$(mktemp -d "${TMPDIR:-/tmp}/breathlab-make-run.XXXXXX")
trap 'rm -rf "$build"' EXIT
commands=$(make --no-print-directory -n -C "$source_dir" run BUILD="$build")
echo "$commands"
! grep -q npm <<<"$commands" || fail "make run calls npm"
setup_calls=$(grep -o 'scripts/setup.sh[^;&|]*' <<<"$commands")
[ -n "$setup_calls" ] || fail "make run installs nothing"
while read -r call; do
    lists=(${call#scripts/setup.sh})
    [ ${#lists[@]} -gt 0 ] || fail "make run installs every list: $call"
    for list in "${lists[@]}"; do
        file="$source_dir/scripts/packages/$list.txt"
        [ -f "$file" ] || fail "no package list $list"
        ! sed 's/#.*//' "$file" | grep -qwE 'chromium|nodejs|npm|wasi-libc|lld' ||
            fail "$list.txt holds the web page's tool chain"
    done
done <<<"$setup_calls"
echo "make run installs: $setup_calls"
