#!/bin/bash
# Runs inside the test root as a plain user: starts the installed breathlab
# under Xvfb, presses START, waits for the run to end, chooses File > Save and
# answers the message. test_package.sh then looks at what was written.
# The screen is kept in /tmp/Xvfb_screen0 (XWD) for a look after a failure.
# test_package.sh copies tests/e2e/x_session.sh beside it.
set -u
# shellcheck source=tests/e2e/x_session.sh
source "$(dirname "$0")/x_session.sh"
readonly screen_width=1280 screen_height=1024
fail() {
    echo "$*"
    echo "program output: $(cat /tmp/program.log 2>/dev/null)"
    exit 1
}

xvfb_pid=""
app=""
stop() {
    [ -n "$app" ] && { kill "$app" 2>/dev/null; sleep 1; kill -9 "$app" 2>/dev/null; }
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap stop EXIT
start_xvfb "$screen_width" "$screen_height" /tmp -fbdir /tmp
export QT_QPA_PLATFORM=xcb

breathlab >/tmp/program.log 2>&1 &
app=$!
window=$(wait_for_main_window "$app" 60) || {
    kill -0 "$app" 2>/dev/null || fail "the program ended at start-up"
    fail "no main window within 60 s"
}
# shellcheck disable=SC2034 # the geometry's eval sets all six
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window ${WIDTH}x${HEIGHT}+${X}+${Y}"

# The places of START and of the indices table (16 rows) follow from the
# window's start-up layout. The menu bar is about 22 pixels high; START,
# 90 x 40, and the table's rows are large enough for that guess.
win_x=$X win_y=$Y win_width=$WIDTH win_height=$HEIGHT menu_height=22
compute_layout
row_height=$((table_h / 16))

# The FEV1 row of the indices table, read from the X server's frame buffer
# (an XWD file whose pixels, 4 bytes each, blue first, close the file).
framebuffer=/tmp/Xvfb_screen0
fev1_row_pixels() {
    local size pixels_start y
    size=$(stat -c %s "$framebuffer")
    pixels_start=$((size - screen_width * screen_height * 4))
    for y in $(seq $((table_y + row_height + 4)) 2 $((table_y + 2 * row_height - 4))); do
        dd if="$framebuffer" bs=1 skip=$((pixels_start + (y * screen_width + table_x) * 4)) \
            count=$((table_w * 4)) status=none
    done
}
# A finished run writes its observed values in red beside the reference's
# black ones; before and during the run the row has no red.
fev1_row_has_red() {
    fev1_row_pixels | od -An -v -tu1 -w4 |
        awk '$3 > 180 && $2 < 90 && $1 < 90 { red = 1 } END { exit !red }'
}
wait_for_red_row() { # seconds
    local deadline=$((SECONDS + $1))
    while [ $SECONDS -lt "$deadline" ]; do
        fev1_row_has_red && return 0
        sleep 1
    done
    return 1
}

sleep 5
fev1_row_has_red && fail "the indices table shows observed values before any run"
xdotool mousemove "$start_x" "$start_y"
sleep 0.5
xdotool click 1
wait_for_red_row 300 || fail "no observed values within 300 s (START not hit?)"
sleep 2 # the run enables the window again after filling the tables
echo "the run has ended"

before=$(xdotool search --onlyvisible --name "" 2>/dev/null | sort)
# The menu bar opens a menu only for a press after the pointer has come in.
xdotool mousemove $((X + 15)) $((Y + menu_height / 2))
sleep 0.5
xdotool click 1
opened=0
for _ in $(seq 1 200); do
    [ "$(xdotool search --onlyvisible --name "" 2>/dev/null | sort)" != "$before" ] && { opened=1; break; }
    sleep 0.1
done
[ $opened -eq 1 ] || fail "the File menu did not open"
sleep 0.5
xdotool key Down Down Return # Open, Save: File > Save
saved=$HOME/.local/share/breathlab/simulations/data_default.spi
for _ in $(seq 1 200); do [ -f "$saved" ] && break; sleep 0.1; done
[ -f "$saved" ] || fail "File > Save wrote nothing"
sleep 1
xdotool key Return # the message "File saved in ..."
echo "saved $saved"
