#!/bin/bash
# A display that is there but refuses the program (Xvfb wanting a cookie the
# program does not have): one line that says so and exit 1, not an abort.
# Usage: refused_display.sh PATH/TO/breathlab
set -u
program=$1
for tool in Xvfb xauth mcookie; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
work=$(mktemp -d)
xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }
# shellcheck source=../e2e/x_session.sh
. "$(dirname "$0")/../e2e/x_session.sh"

xauth -q -f "$work/cookies" add :0 . "$(mcookie)" || fail "xauth"
start_xvfb 640 480 "$work" -auth "$work/cookies"

env -u QT_QPA_PLATFORM XAUTHORITY="$work/none" HOME="$work" \
    timeout 60 "$program" >/dev/null 2>"$work/err"
code=$?
[ $code -eq 1 ] || fail "exit code $code, expected 1: $(cat "$work/err")"
grep -q "^breathlab: the display :[0-9]* refused the connection" "$work/err" ||
    fail "message: $(cat "$work/err")"
! grep -q "Reinstalling" "$work/err" || fail "the toolkit's advice got through: $(cat "$work/err")"
exit 0
