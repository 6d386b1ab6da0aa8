#!/usr/bin/env bash
# The virtual screen's start-up reads the number of the server it has just
# started, also when an earlier server of the same session left its number in
# the same folder (a restart). Xvfb is replaced by a stand-in that answers
# late, as a busy machine's server does, with a number of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/breathlab-xsession.XXXXXX")
xvfb_pid=""
stop() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap stop EXIT
fail() {
    echo "X SESSION TEST FAILED: $*" >&2
    exit 1
}
# shellcheck source=x_session.sh
source "$here/x_session.sh"

mkdir "$work/bin"
PATH="$work/bin:$PATH"
late_server() { # display number
    printf '#!/bin/sh\nsleep 0.3\necho %s >&3\nexec sleep 60\n' "$1" >"$work/bin/Xvfb"
    chmod +x "$work/bin/Xvfb"
}

# A number left behind by a server that ran before, under any name the
# start-up has used.
echo 17 >"$work/display"
for round in 1 2 3 4 5; do
    late_server $((40 + round))
    start_xvfb 640 480 "$work"
    [ "$DISPLAY" = ":$((40 + round))" ] ||
        fail "start $round: DISPLAY is $DISPLAY, the server just started has :$((40 + round))"
    kill "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
leftover=$(find "$work" -name 'display.*')
[ -z "$leftover" ] || fail "the start-up leaves its number files behind: $leftover"
echo "x_session: five restarts in one folder, each read its own server's number"
