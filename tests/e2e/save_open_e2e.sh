#!/usr/bin/env bash
# A user's session, driven through a real X server: start the program from a
# folder of its own, press START, save the history with File > Save, quit,
# start it again, open the saved file with File > Open, and check that the
# indices table shows the same run as right after START.
#
# Last, the window is shown on the screens of a laptop (1366 x 768) and of a
# classroom projector or monitor (1920 x 1080), and pictures of both are left
# in the output folder (OUTPUT_FOLDER, by default ./e2e-output) to look at.
#
# Usage: save_open_e2e.sh PROGRAM_FOLDER SCREEN_GRAB_TOOL [OUTPUT_FOLDER]
# Needs Xvfb and xdotool. Exits 0 only when every check passed.
set -uo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 PROGRAM_FOLDER SCREEN_GRAB_TOOL [OUTPUT_FOLDER]" >&2
    exit 2
fi
program_folder=$1
grab_tool=$2
output_folder=${3:-$PWD/e2e-output}

# Never hang: the whole session gets a time limit; on expiry the TERM trap
# below still stops the program and the X server.
readonly time_limit=210
if [ -z "${BREATHLAB_E2E_LIMITED:-}" ]; then
    BREATHLAB_E2E_LIMITED=1 exec timeout -k 10 "$time_limit" bash "$0" "$@"
fi

# shellcheck source=tests/e2e/x_session.sh
source "$(dirname "$0")/x_session.sh"

screen_width=1280 screen_height=1024
readonly history_file_size=621360
# Slot 1 starts after one record of 124272 bytes; its RunStatus float lies
# 123628 bytes into the record. 1.0f is 00 00 80 3f in little-endian.
readonly run_status_offset=247900 run_completed_bytes="00 00 80 3f"
readonly silver="192 192 192"
readonly menu_strip_width=600

work=$(mktemp -d "${TMPDIR:-/tmp}/breathlab-e2e.XXXXXX") || exit 1
xvfb_pid=""
x_ready=0
app_pid=""
keep_work=1

say() { echo "e2e: $*"; }
fail() {
    echo "E2E FAILED: $*" >&2
    # What the screen showed when the check failed.
    [ "$x_ready" -eq 1 ] &&
        "$grab_tool" 0 0 "$screen_width" "$screen_height" "$work/failure.png" 2>/dev/null
    exit 1
}

# Asks a process of ours to end, and forces it after two seconds.
stop_process() { # pid
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 1 20); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

cleanup() {
    [ -n "$app_pid" ] && stop_process "$app_pid"
    [ -n "$xvfb_pid" ] && stop_process "$xvfb_pid"
    if [ "$keep_work" -eq 0 ]; then
        rm -rf "$work"
    else
        echo "e2e: pictures and logs kept in $work" >&2
    fi
}
trap cleanup EXIT
trap 'echo "E2E FAILED: interrupted, or over the limit of $time_limit s" >&2; exit 1' INT TERM

for tool in Xvfb xdotool "$grab_tool"; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing (scripts/setup.sh installs xvfb and xdotool)"
done
[ -x "$program_folder/breathlab" ] || fail "no program at $program_folder/breathlab"

# ---------------------------------------------------------------- X server --

start_x_server() {
    start_xvfb "$screen_width" "$screen_height" "$work"
    timeout 10 xdotool getdisplaygeometry >/dev/null 2>&1 ||
        fail "cannot connect to the X server on $DISPLAY"
    x_ready=1
    say "X server on $DISPLAY"
}

# Nothing of the user's own settings may leak in; the lock of the single
# instance lives in a runtime folder of this test alone.
isolate_environment() {
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
    export XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
    export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
    unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
    # In a sanitizer build the leak checker runs at exit; the X platform's
    # session-bus library keeps one buffer to the end, which is not ours.
    echo "leak:libdbus-1.so" >"$work/leaks_not_ours.supp"
    export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$work/leaks_not_ours.supp"
}

# --------------------------------------------------------------- pictures --

grab() { # left top width height file
    "$grab_tool" "$@" 2>>"$work/grab.log" || fail "screen grab $* failed"
}

# One "r g b" line per pixel, row by row.
pixels() { # file width height
    tail -c $(($2 * $3 * 3)) "$1" | od -An -v -tu1 -w3 | awk '{ print $1, $2, $3 }'
}

# ------------------------------------------------------------------ window --

visible_windows() {
    xdotool search --onlyvisible --name "" 2>/dev/null
}

# Menus, message boxes and dialogs are windows of their own. Their names are
# not reliable to search for (a menu's is not found by name at all), so a
# window counts as new when it was not visible in the list taken before.
wait_for_new_window() { # "ids seen before" seconds; prints the new window's id
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        for id in $(visible_windows); do
            grep -qx "$id" <<<"$1" || { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

wait_window_gone() { # id seconds
    local deadline=$((SECONDS + $2))
    while [ $SECONDS -lt $deadline ]; do
        visible_windows | grep -qx "$1" || return 0
        sleep 0.1
    done
    return 1
}

# Sets win_x win_y win_width win_height from the window's X geometry.
read_geometry() { # id
    # shellcheck disable=SC2034 # the geometry's eval sets all six
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    win_x=$X win_y=$Y win_width=$WIDTH win_height=$HEIGHT
}

# The menu bar ends where the window's silver background begins; the column
# five pixels from the right edge crosses only the menu bar and then the
# margin right of the indices table.
measure_menu_height() {
    grab $((win_x + win_width - 5)) "$win_y" 1 60 "$work/column.ppm"
    menu_height=$(pixels "$work/column.ppm" 1 60 |
        awk -v silver="$silver" '$0 == silver { print NR - 1; exit }')
    [ "${menu_height:-0}" -gt 5 ] ||
        fail "cannot find the bottom of the menu bar (window ${win_width}x${win_height})"
}

# The menu bar items are the groups of dark text columns in the menu bar;
# sets menu_item_x to their centres, left to right.
find_menu_items() {
    grab "$win_x" "$win_y" "$menu_strip_width" "$menu_height" "$work/menubar.ppm"
    mapfile -t menu_item_x < <(pixels "$work/menubar.ppm" "$menu_strip_width" "$menu_height" |
        awk -v w="$menu_strip_width" '
            { x = (NR - 1) % w; if ($1 + $2 + $3 < 300) dark[x] = 1 }
            END {
                start = -1
                for (x = 0; x <= w; x++) {
                    if (x < w && dark[x]) { if (start < 0) start = x; last = x; continue }
                    # letters of one item are a few pixels apart, items much more
                    if (start >= 0 && (x == w || x - last > 8)) {
                        print int((start + last) / 2); start = -1
                    }
                }
            }')
    [ "${#menu_item_x[@]}" -eq 8 ] ||
        fail "expected the menu bar items File, ref.Default, Help, About, Quit, Cases, Exercise, View;" \
            "found ${#menu_item_x[@]} at x = ${menu_item_x[*]}"
}

# Starts the program and finds its window and menu bar items.
start_program() { # label log-file
    "$work/app/breathlab" >"$2" 2>&1 &
    app_pid=$!
    main_window=$(wait_for_main_window "$app_pid" 30) ||
        fail "$1: the main window did not appear (within 30 s) ($(cat "$2"))"
    read_geometry "$main_window"
}

# No hover highlight may change what the menu bar looks like.
find_menu_bar() {
    xdotool mousemove $((screen_width - 2)) $((screen_height - 2))
    measure_menu_height
    find_menu_items
}

launch() { # session number
    start_program "session $1" "$work/program$1.log"
    if [ "$win_width" -le 800 ] || [ "$win_height" -le 600 ]; then
        fail "session $1: the window is ${win_width}x${win_height}, not filling the screen"
    fi
    find_menu_bar
    compute_layout
    say "session $1: menu bar items at x = ${menu_item_x[*]}"
    say "session $1: window ${win_width}x${win_height}+${win_x}+${win_y}, menu ${menu_height} px," \
        "indices table ${table_w}x${table_h}+${table_x}+${table_y}, START at ${start_x},${start_y}"
}

# Quits through the menu bar and requires the process to end cleanly.
quit_program() { # session number
    xdotool mousemove "${menu_item_x[4]}" $((win_y + menu_height / 2)) click 1
    for _ in $(seq 1 150); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "session $1: the program still runs 15 s after Quit"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    [ $status -eq 0 ] || fail "session $1: the program ended with status $status after Quit"
    say "session $1: the program ended after Quit"
}

# Grabs the indices table until two grabs a third of a second apart agree.
grab_settled_table() { # file seconds
    local deadline=$((SECONDS + $2))
    grab "$table_x" "$table_y" "$table_w" "$table_h" "$1"
    while [ $SECONDS -lt $deadline ]; do
        sleep 0.3
        grab "$table_x" "$table_y" "$table_w" "$table_h" "$work/settle.ppm"
        cmp -s "$1" "$work/settle.ppm" && return 0
        cp "$work/settle.ppm" "$1"
    done
    return 1
}

# Clicks a menu bar item, waits for its popup and clicks the popup's item
# number `item` (0 first) of `count` equally high items. Leaves in
# windows_before the windows visible before, the popup included, so that the
# window the command opens can be told apart.
choose_from_menu() { # menu-bar-item item count
    windows_before=$(visible_windows)
    xdotool mousemove "${menu_item_x[$1]}" $((win_y + menu_height / 2)) click 1
    local popup
    popup=$(wait_for_new_window "$windows_before" 10) || fail "the menu did not open"
    windows_before+=$'\n'"$popup"
    # shellcheck disable=SC2034 # the geometry's eval sets all six
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$popup")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT * (2 * $2 + 1) / (2 * $3))) click 1
}

# ----------------------------------------------------------------- session --

isolate_environment
start_x_server

mkdir -p "$work/app"
for item in breathlab datfiles1 helpfiles simulations; do
    [ -e "$program_folder/$item" ] || fail "$program_folder/$item is missing (build data_folders)"
    cp -R "$program_folder/$item" "$work/app/" || fail "cannot copy $item"
done
saved="$work/app/simulations/data_default.spi"
rm -f "$saved"

# Session 1: START, then File > Save, then Quit.
launch 1
grab_settled_table "$work/table_startup.ppm" 10 ||
    fail "the indices table does not settle after start-up"
grab "$win_x" "$win_y" "$menu_strip_width" "$menu_height" "$work/menubar_idle.ppm"

xdotool mousemove "$start_x" "$start_y" click 1 mousemove "$rest_x" "$rest_y"
started=$SECONDS
# A run disables the menu (greyed) and fills the indices table at its end,
# then enables the menu again: finished means a changed table under an
# enabled menu, twice in a row.
finished=0
while [ $((SECONDS - started)) -lt 40 ]; do
    sleep 0.3
    grab "$win_x" "$win_y" "$menu_strip_width" "$menu_height" "$work/menubar_now.ppm"
    grab "$table_x" "$table_y" "$table_w" "$table_h" "$work/table_now.ppm"
    if cmp -s "$work/menubar_now.ppm" "$work/menubar_idle.ppm" &&
        ! cmp -s "$work/table_now.ppm" "$work/table_startup.ppm"; then
        finished=$((finished + 1))
        [ $finished -ge 2 ] && break
    else
        finished=0
    fi
done
[ $finished -ge 2 ] || fail "the run did not finish within 40 s (or START was not hit)"
grab_settled_table "$work/table_after_run.ppm" 10 ||
    fail "the indices table does not settle after the run"
say "run finished after about $((SECONDS - started)) s"

choose_from_menu 0 1 4 # File > Save (of Open, Save, Save as, Export...)
message_box=$(wait_for_new_window "$windows_before" 15) || fail "no message box after File > Save"
xdotool key Return
wait_window_gone "$message_box" 10 || fail "Enter did not close the message box"
xdotool mousemove "$rest_x" "$rest_y"

[ -f "$saved" ] || fail "File > Save wrote no $saved"
size=$(stat -c %s "$saved")
[ "$size" -eq "$history_file_size" ] ||
    fail "the saved file has $size bytes, not $history_file_size"
run_status=$(od -An -tx1 -j "$run_status_offset" -N 4 "$saved" | xargs)
[ "$run_status" = "$run_completed_bytes" ] ||
    fail "the saved run's RunStatus bytes are '$run_status', not '$run_completed_bytes' (1.0f)"
say "saved $size bytes, slot 1 RunStatus bytes $run_status"

quit_program 1

# Session 2: File > Open data_default.spi shows the saved run again.
launch 2
grab_settled_table "$work/table_startup2.ppm" 10 ||
    fail "the indices table does not settle after start-up"
cmp -s "$work/table_startup2.ppm" "$work/table_after_run.ppm" &&
    fail "the indices table already shows the run before anything was opened"

choose_from_menu 0 0 4 # File > Open
dialog=$(wait_for_new_window "$windows_before" 15) || fail "no file dialog after File > Open"
sleep 0.5 # the name field takes the keyboard once the dialog is shown
xdotool type --delay 20 "data_default.spi"
xdotool key Return
wait_window_gone "$dialog" 10 || fail "the file dialog did not close after Enter"
xdotool mousemove "$rest_x" "$rest_y"
grab_settled_table "$work/table_opened.ppm" 10 ||
    fail "the indices table does not settle after Open"
cmp -s "$work/table_opened.ppm" "$work/table_after_run.ppm" ||
    fail "the indices table after Open differs from the one after the run" \
        "(table_after_run.ppm, table_opened.ppm)"
say "the indices table after Open equals the one after the run"

quit_program 2

# ------------------------------------------------------------ screenshots --

# The window as it starts on a screen of the given size, grabbed whole.
screenshot_at() { # width height
    stop_process "$xvfb_pid"
    x_ready=0
    screen_width=$1 screen_height=$2
    start_x_server
    start_program "${1}x${2}" "$work/program_${1}x${2}.log"
    find_menu_bar
    sleep 1
    grab 0 0 "$1" "$2" "$output_folder/window_${1}x${2}.png"
    quit_program "${1}x${2}"
    say "picture of the window on ${1}x${2}: $output_folder/window_${1}x${2}.png"
}

mkdir -p "$output_folder" || fail "cannot create $output_folder"
screenshot_at 1366 768
screenshot_at 1920 1080

keep_work=0
say "passed"
