#!/bin/sh
# Every writer of breathlab-cli against every kind of target it may meet.
# Usage: output_targets.sh WRITER TARGET PATH/TO/breathlab-cli
#   WRITER: save csv sweep standard svg png pdf
#   TARGET: device link_to_device link_to_file full_disk planted_temporary_name
# Exit 77 (skipped) where this machine cannot make the target.
set -u
writer=$1
target=$2
cli=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED ($writer, $target): $*"; exit 1; }
skip() { echo "skipped: $*"; exit 77; }

# The file each writer produces from the name "out", and its command line
# (the names hold no blanks, so the words split where they should).
case $writer in
save)     file=out.spi;                 args="run --save $file" ;;
csv)      file=out-volume-time.csv;     args="run --csv out" ;;
sweep)    file=out.csv;                 args="sweep --vary RPeripheral=3000:6000:2 --jobs 1 --out $file" ;;
standard) file=out.dat;                 args="make-standard $file" ;;
svg|png|pdf) file=out.$writer;          args="run --plot $file" ;;
*) fail "unknown writer" ;;
esac
write() { "$cli" $args >/dev/null 2>"$work/err"; }
# Exit 1, a message naming the file, and no temporary file left behind.
expect_refused() {
    [ "$1" -eq 1 ] || fail "exit code $1, expected 1"
    grep -q "$2" "$work/err" || fail "message: $(cat "$work/err")"
    leftovers=$(ls -a | grep '\.part$')
    [ -z "$leftovers" ] || fail "left behind: $leftovers"
}

cd "$work" || fail "no scratch folder"
case $target in
device)
    mknod "$file" c 1 3 2>/dev/null || skip "mknod is not permitted here"
    write; expect_refused $? "$file: it is a character device"
    [ -c "$file" ] || fail "the device was replaced" ;;
link_to_device)
    mknod device c 1 3 2>/dev/null || skip "mknod is not permitted here"
    ln -s device "$file"
    write; expect_refused $? "$file: it is a character device (device)"
    [ -L "$file" ] && [ -c device ] || fail "the link or the device was replaced" ;;
link_to_file)
    # A link is followed: the file it names gets the new content, the link stays.
    echo old >real
    ln -s real "$file"
    write || fail "exit code $?: $(cat "$work/err")"
    [ -L "$file" ] || fail "the link was replaced by a file"
    [ "$(cat real)" != old ] || fail "the linked file kept its old content" ;;
planted_temporary_name)
    # A plain user plants links at the name earlier versions used for their
    # temporary file ("TARGET.tmpPID") in a folder both may write to, aimed at
    # a file of root's; a root run must not write through them. The folder has
    # no sticky bit, so the kernel's protection of links in /tmp does not hide
    # what the program itself does. Not root: the same user plants the links,
    # which still must not be followed, and the test says it was not the whole
    # check. exec keeps the shell's process number, so the names are exact.
    planter=
    if [ "$(id -u)" -eq 0 ]; then
        command -v setpriv >/dev/null || skip "no setpriv to plant the links as nobody"
        planter="setpriv --reuid=nobody --regid=nogroup --clear-groups --"
        chmod 0711 "$work"
    fi
    mkdir shared && chmod 0777 shared
    echo precious >victim && chmod 0644 victim
    if [ -n "$planter" ]; then
        $planter test -w shared || skip "nobody cannot reach $work/shared"
    fi
    # The files a writer produces, each with its planted twin.
    names=$file
    [ "$writer" = csv ] && names="$file out-flow-volume.csv"
    (cd shared && sh -c 'planter=$1 names=$2; shift 2
        for name in $names; do $planter ln -s ../victim "$name.tmp$$" || exit 78; done
        exec "$@"' sh "$planter" "$names" "$cli" $args) >/dev/null 2>"$work/err"
    code=$?
    [ $code -eq 78 ] && fail "the links could not be planted"
    [ $code -eq 0 ] || fail "exit code $code: $(cat "$work/err")"
    [ "$(cat victim)" = precious ] || fail "the write went through a planted link"
    for name in $names; do
        [ -f "shared/$name" ] && [ ! -L "shared/$name" ] || fail "no new file $name"
        [ -z "$planter" ] || [ "$(stat -c %U "shared/$name.tmp"* 2>/dev/null)" = nobody ] ||
            fail "the planted link of $name is gone or not nobody's"
    done
    [ -n "$planter" ] || skip "checked with links of this same user; run as root to plant them as nobody" ;;
full_disk)
    # A private mount namespace with a small tmpfs, filled to the brim; the
    # previous file must survive and no temporary file may stay.
    command -v unshare >/dev/null || skip "no unshare"
    unshare -rm true 2>/dev/null || skip "no user and mount namespaces here"
    mkdir disk
    unshare -rm sh -c '
        mount -t tmpfs -o size=256k tmpfs disk || exit 77
        cd disk || exit 77
        target=$1; shift
        echo previous >"$target"
        dd if=/dev/zero of=filler bs=4k 2>/dev/null
        "$@" >/dev/null 2>../err; echo $? >../code
        cat "$target" >../kept; ls -a >../listing' sh "$file" "$cli" $args
    [ $? -eq 77 ] && skip "tmpfs cannot be mounted here"
    code=$(cat code)
    [ "$code" = 1 ] || fail "exit code $code, expected 1: $(cat err)"
    grep -q "No space left on device" err || fail "message: $(cat err)"
    [ "$(cat kept)" = previous ] || fail "the previous file was lost"
    ! grep -q '\.part$' listing || fail "left behind: $(cat listing)" ;;
*)
    fail "unknown target" ;;
esac
exit 0
