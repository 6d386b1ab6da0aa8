# shellcheck shell=bash disable=SC2034,SC2154 # the layout reads and sets the caller's variables
# The pieces of driving the window under a virtual X server that the
# end-to-end test and the package check (packaging/drive_installed_program.sh,
# inside a fresh root) share. Sourced, not run; the sourcing script defines
# fail, which reports and exits.

# Xvfb picks a free display itself and writes its number to the descriptor,
# so that parallel runs and other developers' servers never collide. The
# number goes to a file made afresh, empty, before the server starts: a file
# left by an earlier server in the same folder (a restart) would otherwise be
# read before the new server's shell had emptied it. Without -noreset the
# server resets whenever its last client leaves, and a program that connects
# just then is refused. Sets xvfb_pid and exports DISPLAY.
start_xvfb() { # width height folder-for-its-files [Xvfb option...]
    local screen="${1}x${2}x24" folder=$3 display_file
    shift 3
    display_file=$(mktemp "$folder/display.XXXXXX") || fail "cannot make a file in $folder"
    Xvfb -displayfd 3 -noreset -screen 0 "$screen" -nolisten tcp "$@" \
        3>>"$display_file" >"$folder/xvfb.log" 2>&1 &
    xvfb_pid=$!
    # A machine busy with a parallel build can take many seconds to start it.
    # The number is complete once its line ends.
    for _ in $(seq 1 300); do
        [ "$(tail -c1 "$display_file" | od -An -c | tr -d ' ')" = '\n' ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb could not start: $(cat "$folder/xvfb.log")"
        sleep 0.1
    done
    [ -s "$display_file" ] || fail "Xvfb gave no display number within 30 s"
    DISPLAY=":$(head -n1 "$display_file")"
    rm -f "$display_file"
    export DISPLAY
}

# Prints the id of the program's main window once it is shown; fails to when
# the program ends first or the time runs out.
wait_for_main_window() { # pid seconds
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ] && kill -0 "$1" 2>/dev/null; do
        id=$(xdotool search --onlyvisible --name "^Varo e-breathlab" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Rounds a*b/c to the nearest integer for non-negative numbers, as the layout does.
mul_div() { echo $(((2 * $1 * $2 + $3) / (2 * $3))); }
# a*b/c rounded half to even.
round_half_even() {
    local q=$(($1 * $2 / $3)) r=$(($1 * $2 % $3))
    if [ $((2 * r)) -gt "$3" ] || { [ $((2 * r)) -eq "$3" ] && [ $((q % 2)) -eq 1 ]; }; then
        q=$((q + 1))
    fi
    echo "$q"
}

# The controls' places follow from the window's geometry (win_x, win_y,
# win_width, win_height) and the menu bar's height (menu_height) by the
# program's start-up layout (no scaling: the screen is 1280 pixels wide).
# W and H are the client size, below the menu bar.
#  indices table: left = 10 + airwayPicture + 10 + flowVolumePlot + 10 with both pictures
#                 round(0.38 W) wide; top 0; right margin 10; height
#                 MulDiv(H, 55, 100), as the airway picture.
#  START: 90 x 40 at the top of the slider frames, which start 31 pixels
#         (hidden combo box + 10) into the lower panel (top = picture + 10);
#         left of it the frame of the airway groups (20 + MulDiv(W, 38, 100))
#         and the lung frame (5 + a third of the groups' width less 40, + 10).
# Sets table_x table_y table_w table_h, start_x start_y (START's centre) and
# rest_x rest_y.
compute_layout() {
    local W=$win_width H=$((win_height - menu_height))
    local picture_width picture_height groups_width unit lungs_right start_left start_top
    picture_width=$(round_half_even 38 "$W" 100)
    picture_height=$(mul_div "$H" 55 100)
    table_x=$((win_x + 30 + 2 * picture_width))
    table_y=$((win_y + menu_height))
    table_w=$((W - 30 - 2 * picture_width - 10))
    table_h=$picture_height

    groups_width=$(mul_div "$W" 38 100)
    unit=$(mul_div $((groups_width - 40)) 1 3)
    lungs_right=$((20 + groups_width + 5 + unit + 10))
    start_left=$((lungs_right + 5))
    start_top=$((picture_height + 10 + 31))
    start_x=$((win_x + start_left + 45))
    start_y=$((win_y + menu_height + start_top + 20))
    # A place inside the window that no command reacts to (lower panel's corner).
    rest_x=$((win_x + win_width - 3))
    rest_y=$((win_y + win_height - 3))
}
