#!/bin/bash
# Runs inside the test root as a plain user: starts the installed breathlab
# under Xvfb, presses START, waits for the run to end, chooses File > Save and
# answers the message. test_package.sh then looks at what was written.
# The screen is kept in /tmp/Xvfb_screen0 (XWD) for a look after a failure.
set -u
readonly screen_width=1280 screen_height=1024
fail() {
    echo "$*"
    echo "program output: $(cat /tmp/program.log 2>/dev/null)"
    exit 1
}

Xvfb -displayfd 3 -noreset -screen 0 "${screen_width}x${screen_height}x24" -fbdir /tmp -nolisten tcp 3>/tmp/display 2>/tmp/xvfb.log &
xvfb=$!
app=""
stop() {
    [ -n "$app" ] && { kill "$app" 2>/dev/null; sleep 1; kill -9 "$app" 2>/dev/null; }
    kill "$xvfb" 2>/dev/null
}
trap stop EXIT
for _ in $(seq 1 100); do [ -s /tmp/display ] && break; sleep 0.1; done
[ -s /tmp/display ] || fail "Xvfb did not start: $(cat /tmp/xvfb.log)"
DISPLAY=":$(head -n1 /tmp/display)"
export DISPLAY QT_QPA_PLATFORM=xcb

breathlab >/tmp/program.log 2>&1 &
app=$!
window=""
for _ in $(seq 1 600); do
    window=$(xdotool search --onlyvisible --name "^Varo e-breathlab" 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || fail "the program ended at start-up"
    sleep 0.1
done
[ -n "$window" ] || fail "no main window within 60 s"
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window ${WIDTH}x${HEIGHT}+${X}+${Y}"

# The places of START and of the indices table follow from the window's
# start-up layout: the pictures take round(0.38 W) each and 55 % of the client
# height, the indices table sits right of them (16 rows), START right of the
# airway groups (38 % of the width) and the lung frame (a third of that, less
# 40). The menu bar is about 22 pixels high; START, 90 x 40, and the table's
# rows are large enough for that guess.
menu=22
W=$WIDTH
H=$((HEIGHT - menu))
picture_width=$(((2 * W * 38 + 100) / 200))
picture_height=$(((2 * H * 55 + 100) / 200))
table_x=$((X + 30 + 2 * picture_width))
table_w=$((W - 30 - 2 * picture_width - 10))
row_height=$((picture_height / 16))
unit=$(((2 * (picture_width - 40) + 3) / 6))
start_x=$((X + 20 + picture_width + 5 + unit + 10 + 5 + 45))
start_y=$((Y + menu + picture_height + 10 + 31 + 20))

# The FEV1 row of the indices table, read from the X server's frame buffer
# (an XWD file whose pixels, 4 bytes each, blue first, close the file).
framebuffer=/tmp/Xvfb_screen0
fev1_row_pixels() {
    local size pixels_start y
    size=$(stat -c %s "$framebuffer")
    pixels_start=$((size - screen_width * screen_height * 4))
    for y in $(seq $((Y + menu + row_height + 4)) 2 $((Y + menu + 2 * row_height - 4))); do
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
xdotool mousemove $((X + 15)) $((Y + menu / 2))
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
