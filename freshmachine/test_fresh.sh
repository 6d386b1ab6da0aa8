#!/usr/bin/env bash
# A new user's first hour: a fresh minbase Debian 12 root, the README's root
# commands run in it as they stand (with the README's user name), the committed
# state of this repository cloned there by that user, and `make test` run as
# that user with sudo. Everything the root prints goes to LOG; the phases and
# their times are printed here.
#
# The minbase root and the downloaded packages are kept between runs in
# CACHE_FOLDER (the root is unpacked afresh every time; only the downloads are
# shared). Usage: test_fresh.sh LOG [CACHE_FOLDER]
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 LOG [CACHE_FOLDER]" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
repo=$(git -C "$here" rev-parse --show-toplevel)
readme="$repo/README.md"
log=$(realpath "$1")
cache=${2:-/var/cache/breathlab-test-fresh}
readonly suite=bookworm
readonly mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
readonly base_tarball="$cache/$suite-minbase.tar"

started=$SECONDS
say() { echo "test-fresh [$(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s]: $*"; }
fail() {
    echo "TEST-FRESH FAILED: $* (the root's output: $log)" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap, chroot, mounts)"
command -v debootstrap >/dev/null || fail "debootstrap is missing (bash scripts/setup.sh extra-fresh)"

root=""
mounted=()
# shellcheck source=../scripts/debian_root.sh
source "$here/../scripts/debian_root.sh"
# Whatever the tests started and left running inside the root is ended by
# its process id before the root is removed.
stop_processes_in_root() {
    local link pid
    for link in /proc/[0-9]*/root; do
        pid=${link#/proc/}
        pid=${pid%/root}
        [ "$(readlink "$link" 2>/dev/null)" = "$root" ] && kill -9 "$pid" 2>/dev/null || true
    done
}
cleanup() {
    if [ -n "$root" ]; then
        stop_processes_in_root
        unmount_all
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

make_base_tarball() {
    say "debootstrap --variant=minbase $suite (once, kept in $base_tarball)"
    mkdir -p "$cache"
    local fresh="$cache/building"
    rm -rf --one-file-system "$fresh"
    debootstrap --variant=minbase "$suite" "$fresh" "$mirror" >>"$log" 2>&1 ||
        fail "debootstrap failed"
    tar -C "$fresh" -cf "$base_tarball.part" . && mv "$base_tarball.part" "$base_tarball"
    rm -rf --one-file-system "$fresh"
}

# The sh block of the README's fresh-machine section that installs make, git
# and sudo: the commands a new user types as root.
root_commands() {
    awk '/^### On a truly fresh machine/ { section = 1 }
         section && /^```sh$/ { block = ""; inside = 1; next }
         section && inside && /^```$/ { if (block ~ /apt-get install -y make git sudo/) { printf "%s", block; exit } inside = 0; next }
         section && inside { block = block $0 "\n" }' "$readme"
}
user=$(root_commands | sed -n 's/^useradd .* \([a-z][a-z0-9_-]*\)$/\1/p')
[ -n "$user" ] || fail "the README's fresh-machine steps create no user"

: >"$log"
[ -f "$base_tarball" ] || make_base_tarball
root=$(mktemp -d /var/tmp/breathlab-fresh-root.XXXXXX)
chmod 755 "$root"
tar -C "$root" -xf "$base_tarball"
mount_system_folders
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A network that inspects HTTPS (as this machine's may) needs its own
# certificate authorities on every machine in it, fresh or not; they are
# copied as a machine's administrator would place them, before the README's
# steps install ca-certificates, which takes them in.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
fi
mkdir -p "$cache/archives"
mount --bind "$cache/archives" "$root/var/cache/apt/archives" && mounted+=("$root/var/cache/apt/archives")
say "fresh minbase root in $root"

# ------------------------------------------------------- as root, to the letter --
# passwd asks on the terminal; here chpasswd gives the password instead, and
# sudo is told not to ask for it, because nobody is there to type it.
root_script=$(root_commands | sed "s/^passwd $user\$/echo '$user:fresh-machine' | chpasswd/")
echo "== the README's root commands:" >>"$log"
echo "$root_script" >>"$log"
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    DEBIAN_FRONTEND=noninteractive /bin/bash -euxc "$root_script" >>"$log" 2>&1 ||
    fail "the README's root commands failed"
echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/fresh-machine-test"
chmod 440 "$root/etc/sudoers.d/fresh-machine-test"
say "root commands done: make, git and sudo installed, user $user in group sudo"

# --------------------------------------------------- the clone, as the new user --
# The committed state only: a bare copy of this repository's HEAD, cloned by
# the user the way it would clone the URL it was given.
git clone --quiet --bare --no-local --single-branch "$repo" "$root/srv/breathlab.git"
chroot "$root" chown -R "$user:$user" /srv/breathlab.git
commit=$(git -C "$repo" rev-parse --short HEAD)
say "cloning $commit and running make test as $user (log in again: su - $user)"
# su - gives the login environment of a fresh login, with the new group.
if chroot "$root" /usr/bin/env -i TERM=dumb su - "$user" -c \
    'git clone /srv/breathlab.git breathlab && cd breathlab && make test' >>"$log" 2>&1; then
    say "make test passed on the fresh machine ($commit)"
else
    grep -E "tests passed|tests failed|\(Failed\)|\(Timeout\)|\*\*\*|^make.*Error" "$log" | tail -n 40 >&2 || true
    fail "make test failed on the fresh machine ($commit)"
fi
