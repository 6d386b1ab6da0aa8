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
here="$(cd "$(dirname "$0")" && pwd)"
package=$(readlink -f "$1")
build_cli=$(readlink -f "$2")
cache=${3:-/var/cache/breathlab-test-package}
readonly suite=bookworm
readonly mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
readonly base_tarball="$cache/$suite-minbase-xvfb.tar"
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
# shellcheck source=../scripts/debian_root.sh
source "$here/../scripts/debian_root.sh"
cleanup() {
    unmount_all
    [ -n "$root" ] && rm -rf --one-file-system "$root"
}
trap cleanup EXIT

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }
as_teacher() { chroot --userspec=teacher:teacher "$root" /usr/bin/env -i \
    PATH=/usr/bin:/bin HOME=/home/teacher USER=teacher LC_ALL=C.UTF-8 "$@"; }

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
    in_root apt-get update -qq >>"$cache/debootstrap.log" 2>&1
    in_root apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >>"$cache/debootstrap.log" 2>&1 ||
        fail "cannot install Xvfb and xdotool in the root (see $cache/debootstrap.log)"
    in_root apt-get clean
    unmount_all
    tar -C "$fresh" -cf "$base_tarball.part" . && mv "$base_tarball.part" "$base_tarball"
    rm -rf --one-file-system "$fresh"
    root=""
}

started=$SECONDS
[ -f "$base_tarball" ] || make_base_tarball
root=$(mktemp -d "${TMPDIR:-/tmp}/breathlab-root.XXXXXX")
tar -C "$root" -xf "$base_tarball"
mount_system_folders
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
install -d -m 1777 "$root/tmp/.X11-unix"
# The downloaded dependencies are kept too; the root itself stays fresh.
mkdir -p "$cache/archives"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
mounted+=("$root/var/cache/apt/archives")
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
# In a network namespace of its own, the X server of the root can meet no
# other X server of this machine.
cp "$here/drive_installed_program.sh" "$here/../tests/e2e/x_session.sh" "$root/tmp/"
unshare --net chroot --userspec=teacher:teacher "$root" /usr/bin/env -i PATH=/usr/bin:/bin \
    HOME=/home/teacher USER=teacher LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=/home/teacher/.runtime \
    /bin/bash /tmp/drive_installed_program.sh || {
    [ -f "$root/tmp/Xvfb_screen0" ] && cp "$root/tmp/Xvfb_screen0" "$cache/failure.xwd" &&
        echo "the screen at the failure: $cache/failure.xwd" >&2
    fail "the installed program under Xvfb: see above"
}

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
if [ -z "$installed" ] || [ "$installed" != "$built" ]; then
    fail "FEV1 of the installed breathlab-cli ($installed) differs from the build tree's ($built)"
fi
say "installed and built breathlab-cli agree: FEV1 $installed"
say "passed in $((SECONDS - started)) s"
