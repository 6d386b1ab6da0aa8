#!/bin/sh
# One check of breathlab-cli as a researcher's script meets it.
# Usage: cli_program_checks.sh CHECK PATH/TO/breathlab-cli
set -u
check=$1
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

# A grid whose patients fail early in quiet breathing: cheap to compute.
cheap="--vary RPeripheral=3000:6000"

# Exit code 1 and the reason, never success with nothing written.
expect_full_disk() {
    code=$1
    [ "$code" -eq 1 ] || fail "exit code $code, expected 1"
    grep -q "No space left on device" "$work/err" || fail "no reason given: $(cat "$work/err")"
}

# The program with at most 600 MB of memory. A sanitizer build reserves more
# address space for its shadow memory than that before main, so it cannot
# start under an address-space limit: it gets the sanitizer's own limit on
# its resident memory instead, which ends it with a report of its own.
with_memory_limit() {
    if ASAN_OPTIONS=help=1 "$cli" --help 2>&1 | grep -q AddressSanitizer; then
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}hard_rss_limit_mb=600" "$cli" "$@"
    else
        (ulimit -v 600000; "$cli" "$@")
    fi
}

case $check in
run_table_to_full_disk)
    "$cli" run >/dev/full 2>"$work/err"; expect_full_disk $? ;;
run_json_to_full_disk)
    "$cli" run --json >/dev/full 2>"$work/err"; expect_full_disk $? ;;
help_to_full_disk)
    "$cli" --help >/dev/full 2>"$work/err"; expect_full_disk $? ;;
merge_to_full_disk)
    "$cli" sweep $cheap:2 --jobs 1 --out "$work/part.csv" || fail "sweep failed"
    "$cli" merge "$work/part.csv" >/dev/full 2>"$work/err"; expect_full_disk $? ;;
sweep_stops_at_full_disk)
    # A hundred thousand patients would take hours: only stopping at the first
    # failed write ends this within the test's time limit.
    "$cli" sweep $cheap:100000 --jobs 1 >/dev/full 2>"$work/err"; expect_full_disk $? ;;
sweep_out_names_the_reason)
    "$cli" sweep $cheap:2 --out "$work/no/such/folder/out.csv" 2>"$work/err"
    [ $? -eq 1 ] || fail "exit code not 1"
    grep -q "No such file or directory" "$work/err" || fail "no reason: $(cat "$work/err")" ;;
sweep_interrupted_leaves_no_part)
    echo "previous result" >"$work/out.csv"
    "$cli" sweep $cheap:100000 --jobs 1 --out "$work/out.csv" 2>/dev/null &
    pid=$!
    sleep 2
    kill -TERM $pid
    wait $pid
    [ "$(cat "$work/out.csv")" = "previous result" ] || fail "the previous output was replaced"
    leftovers=$(ls "$work" | grep -v '^out.csv$')
    [ -z "$leftovers" ] || fail "left behind: $leftovers" ;;
merge_without_files)
    "$cli" merge >/dev/null 2>&1
    code=$?
    [ $code -eq 2 ] || fail "exit code $code, expected 2" ;;
run_not_completed)
    # Almost no pressure rise: the forced expiration never finishes.
    "$cli" run --set G2=1e-30 --json >"$work/out" 2>&1
    code=$?
    [ $code -eq 3 ] || fail "exit code $code, expected 3"
    grep -q '"RunStatus":-1' "$work/out" || fail "status: $(cat "$work/out")"
    grep -q '"FEV1":null' "$work/out" || fail "an index of an unfinished run: $(cat "$work/out")"
    "$cli" run --json >/dev/null || fail "a default run does not exit 0" ;;
oversize_inputs_under_a_memory_limit)
    # Each reader stops at its line limit with the file and line named and a
    # short escaped excerpt, long before memory runs out.
    "$cli" sweep $cheap:2 --jobs 1 --out "$work/part.csv" || fail "sweep failed"
    printf 'case \033]0;x\007' >"$work/control.txt"
    head -c 300000 /dev/zero | tr '\0' 'x' >>"$work/control.txt"
    for input in "merge $work/part.csv /dev/zero" "make-cases /dev/zero $work/cases" \
                 "merge $work/control.txt" "make-cases $work/control.txt $work/cases"; do
        with_memory_limit $input >/dev/null 2>"$work/err"
        code=$?
        [ $code -eq 1 ] || fail "$input: exit code $code, expected 1"
        grep -q ':1: the line is longer than' "$work/err" || fail "$input: $(head -c 300 "$work/err")"
        [ "$(wc -c <"$work/err")" -lt 400 ] || fail "$input: the message echoes the line"
        ! grep -q "$(printf '\033')" "$work/err" || fail "$input: ESC reaches the terminal"
    done
    [ ! -e "$work/cases" ] || fail "make-cases wrote something" ;;
empty_case_table)
    : >"$work/empty.txt"
    "$cli" make-cases "$work/empty.txt" "$work/cases" 2>"$work/err"
    code=$?
    [ $code -eq 1 ] || fail "exit code $code, expected 1"
    grep -q "holds no case" "$work/err" || fail "message: $(cat "$work/err")" ;;
merge_takes_crlf_and_a_byte_order_mark)
    "$cli" sweep $cheap:2 --jobs 1 --out "$work/part.csv" || fail "sweep failed"
    sed 's/$/\r/' "$work/part.csv" >"$work/crlf.csv"
    { printf '\357\273\277'; cat "$work/part.csv"; } >"$work/bom.csv"
    for part in crlf bom; do
        "$cli" merge "$work/$part.csv" >"$work/merged" 2>"$work/err" || fail "$part: $(cat "$work/err")"
        cmp -s "$work/merged" "$work/part.csv" || fail "$part: the merged table differs"
    done ;;
*)
    fail "unknown check $check" ;;
esac
exit 0
