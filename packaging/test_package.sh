#!/usr/bin/env bash
# The package as a user meets it: a fresh Debian 12 root (debootstrap minbase,
# kept as a tarball between runs), the .deb installed into it with apt, the
# installed program started under Xvfb as a plain user, START, File > Save,
# and then: the file is in the user's data folder ($XDG_DATA_HOME/breathlab),
# nothing was written under /usr, and the installed breathlab-cli gives the
# same FEV1 as the build tree's.
#
# Usage: test_package.sh PACKAGE.deb BUILD_CLI [CACHE_FOLDER]
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 PACKAGE.deb BUILD_CLI [CACHE_FOLDER]" >&2
    exit 2
fi
package=$(readlink -f "$1")
build_cli=$(readlink -f "$2")
cache=${3:-/var/cache/breathlab-test-package}
readonly suite=bookworm
readonly mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
readonly base_tarball="$cache/$suite-minbase-xvfb.tar"
readonly screen_width=1280 screen_height=1024
# Slot 1 of a history set starts after one record of 124272 bytes; its
# RunStatus float lies 123628 bytes into the record; 1.0f is 00 00 80 3f.
readonly run_status_offset=247900 run_completed_bytes="00 00 80 3f"

say() { echo "test-package: $*"; }
fail() {
    echo "TEST-PACKAGE FAILED: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap, chroot, mounts)"
[ -f "$package" ] || fail "no package at $1"
[ -x "$build_cli" ] || fail "no breathlab-cli at $2"
for tool in debootstrap chroot mount; do
    command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/setup.sh extra-packaging)"
done

root=""
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
    [ -n "$root" ] && rm -rf --one-file-system "$root"
}
trap cleanup EXIT

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }
as_teacher() { chroot --userspec=teacher:teacher "$root" /usr/bin/env -i \
    PATH=/usr/bin:/bin HOME=/home/teacher USER=teacher LC_ALL=C.UTF-8 \
    XDG_RUNTIME_DIR=/home/teacher/.runtime "$@"; }

mount_system_folders() {
    local target
    for target in proc sys dev dev/pts; do
        case $target in
        proc) mount -t proc proc "$root/proc" ;;
        sys) mount -t sysfs sysfs "$root/sys" ;;
        dev) mount --rbind /dev "$root/dev" ;;
        dev/pts) continue ;; # part of the recursive bind of /dev
        esac
        mounted+=("$root/$target")
    done
}

# The fresh root with the X server and xdotool the check itself needs (they
# are not the package's dependencies); made once and kept as a tarball.
make_base_tarball() {
    say "making the cached Debian 12 root (once): $base_tarball"
    mkdir -p "$cache"
    local fresh="$cache/building"
    rm -rf --one-file-system "$fresh"
    debootstrap --variant=minbase "$suite" "$fresh" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
        fail "debootstrap failed (see $cache/debootstrap.log)"
    root=$fresh
    mount_system_folders
    in_root apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >>"$cache/debootstrap.log" 2>&1 ||
        fail "cannot install Xvfb and xdotool in the root (see $cache/debootstrap.log)"
    in_root apt-get clean
    cleanup_mounts
    tar -C "$fresh" -cf "$base_tarball.part" . && mv "$base_tarball.part" "$base_tarball"
    rm -rf --one-file-system "$fresh"
    root=""
}

cleanup_mounts() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
    mounted=()
}

started=$SECONDS
[ -f "$base_tarball" ] || make_base_tarball
root=$(mktemp -d "${TMPDIR:-/tmp}/breathlab-root.XXXXXX")
tar -C "$root" -xf "$base_tarball"
mount_system_folders
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
say "fresh root ready after $((SECONDS - started)) s"

# ---------------------------------------------------------------- install --
cp "$package" "$root/tmp/"
in_root apt-get update -qq >/dev/null
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$package")" \
    >"$root/tmp/install.log" 2>&1 || fail "apt could not install the package: $(tail -5 "$root/tmp/install.log")"
for file in /usr/bin/breathlab /usr/bin/breathlab-cli /usr/share/breathlab/datfiles1/standard.dat \
    /usr/share/breathlab/translations/breathlab_en.qm /usr/share/applications/org.breathlab.breathlab.desktop \
    /usr/share/mime/packages/breathlab.xml /usr/share/icons/hicolor/256x256/apps/breathlab.png \
    /usr/share/man/man1/breathlab.1.gz /usr/share/doc/breathlab/copyright; do
    [ -e "$root$file" ] || fail "the package did not install $file"
done
say "package installed after $((SECONDS - started)) s"
in_root useradd --create-home --shell /bin/bash teacher
install -d -m 700 -o "$(stat -c %u "$root/home/teacher")" "$root/home/teacher/.runtime"
touch "$root/tmp/installed.stamp"

# ------------------------------------------------------------ the program --
as_teacher /bin/bash -c '
    set -u
    Xvfb -displayfd 3 -noreset -screen 0 '"${screen_width}x${screen_height}"'x24 -nolisten tcp \
        3>/tmp/display 2>/tmp/xvfb.log &
    xvfb=$!
    for _ in $(seq 1 100); do [ -s /tmp/display ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 /tmp/display)" QT_QPA_PLATFORM=xcb
    breathlab >/tmp/program.log 2>&1 &
    app=$!
    stop() { kill $app 2>/dev/null; sleep 1; kill -9 $app 2>/dev/null; kill $xvfb 2>/dev/null; }
    trap stop EXIT
    window=""
    for _ in $(seq 1 300); do
        window=$(xdotool search --onlyvisible --name "^Varo e-breathlab" 2>/dev/null | head -n1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no main window: $(cat /tmp/program.log)"; exit 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    sleep 1
    # START sits by the layout of the window: below the pictures (55 % of
    # the client height), right of the airway groups (38 % of the width) and
    # the lung frame (a third of that less 40); the menu bar is about 22
    # pixels high, and the button 90 x 40 is wide enough for that guess.
    menu=22
    H=$((HEIGHT - menu))
    groups=$(((2 * WIDTH * 38 + 100) / 200))
    unit=$(((2 * (groups - 40) + 3) / 6))
    start_x=$((X + 20 + groups + 5 + unit + 10 + 5 + 45))
    start_y=$((Y + menu + (2 * H * 55 + 100) / 200 + 10 + 31 + 20))
    xdotool mousemove "$start_x" "$start_y" click 1
    # The run takes the window until it ends; clicks meanwhile wait in the
    # queue, so the menu is opened only once the run has finished.
    sleep 2
    before=$(xdotool search --onlyvisible --name "" 2>/dev/null | sort)
    xdotool mousemove $((X + 15)) $((Y + menu / 2)) click 1
    for _ in $(seq 1 600); do
        now=$(xdotool search --onlyvisible --name "" 2>/dev/null | sort)
        [ "$now" != "$before" ] && break
        sleep 0.1
    done
    [ "$now" != "$before" ] || { echo "the File menu did not open"; exit 1; }
    sleep 0.3
    xdotool key Down Down Return      # File > Save
    saved=$HOME/.local/share/breathlab/simulations/data_default.spi
    for _ in $(seq 1 100); do [ -f "$saved" ] && break; sleep 0.1; done
    sleep 0.5
    xdotool key Return                # the "File saved in" message
    [ -f "$saved" ] || { echo "File > Save wrote nothing: $(cat /tmp/program.log)"; exit 1; }
' || fail "the installed program under Xvfb: see above"

saved="$root/home/teacher/.local/share/breathlab/simulations/data_default.spi"
[ -f "$saved" ] || fail "no saved file in the user's data folder"
size=$(stat -c %s "$saved")
[ "$size" -eq 621360 ] || fail "the saved file has $size bytes, not 621360"
run_status=$(od -An -tx1 -j "$run_status_offset" -N 4 "$saved" | xargs)
[ "$run_status" = "$run_completed_bytes" ] ||
    fail "the saved run is not a completed run (RunStatus bytes '$run_status'): START was not hit?"
written=$(find "$root/usr" -newer "$root/tmp/installed.stamp" | head -n5)
[ -z "$written" ] || fail "the program wrote under /usr: $written"
say "START and File > Save: $saved, $size bytes, run completed; nothing written under /usr"

# ----------------------------------------------------- the same numbers --
fev1() { grep -o '"FEV1":[^,]*' | head -n1 | cut -d: -f2; }
installed=$(as_teacher breathlab-cli run --json | fev1)
built=$("$build_cli" run --json | fev1)
[ -n "$installed" ] && [ "$installed" = "$built" ] ||
    fail "FEV1 of the installed breathlab-cli ($installed) differs from the build tree's ($built)"
say "installed and built breathlab-cli agree: FEV1 $installed"
say "passed in $((SECONDS - started)) s"
