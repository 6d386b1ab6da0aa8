# shellcheck shell=bash disable=SC2154 # root and mounted belong to the sourcing script
# Mounting a Debian root for chroot and taking it down again, shared by the
# checks that build one (make test-package, make test-fresh). Sourced, not
# run; the sourcing script keeps the root's folder in `root` and the list of
# mounts in the array `mounted`.

# /proc, /sys and /dev inside the root, remembered for unmount_all.
mount_system_folders() {
    mount -t proc proc "$root/proc" && mounted+=("$root/proc")
    mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
    mount --rbind /dev "$root/dev" && mounted+=("$root/dev")
}

# Every mount of the root, the last first; lazily, so that a process still
# holding one cannot stop the clean-up.
unmount_all() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
    mounted=()
}
