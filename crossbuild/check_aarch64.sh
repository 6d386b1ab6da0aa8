#!/usr/bin/env bash
# Same numbers on another processor: builds breathlab-cli and the state digest
# for aarch64 with the cross compiler, runs them under qemu-user, and compares
# with the host build: standard.dat, `run --json` for a handful of settings,
# and the digest of the model's whole double state.
#   crossbuild/check_aarch64.sh HOST_BUILD_FOLDER
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
host=${1:-$root/build}/bin
out=$root/build-aarch64
mkdir -p "$out"
cp -r "$root/datfiles1" "$out/"

flags=(-std=c++20 -O2 -ffp-contract=off -static -pthread -DBREATHLAB_MODEL_VERSION=\"check\"
       -I"$root/elementary" -I"$root/model" -I"$root/core" -I"$root/tools/cli")
model=("$root"/elementary/*.cpp "$root"/model/*.cpp)
core=("$root"/core/*.cpp)
# The command line without the case library and the figures (they need the window's libraries).
cli=()
for f in "$root"/tools/cli/*.cpp; do
    case "$(basename "$f")" in case_commands.cpp | plot_command.cpp) ;; *) cli+=("$f") ;; esac
done
${CROSS_CXX:-aarch64-linux-gnu-g++} "${flags[@]}" -o "$out/breathlab-cli" "${model[@]}" "${core[@]}" "${cli[@]}"
${CROSS_CXX:-aarch64-linux-gnu-g++} "${flags[@]}" -I"$root/tests/model" -o "$out/breathlab-state-digest" "${model[@]}" \
    "$root/tests/elementary/state_digest.cpp"

emulate() { qemu-aarch64 "$@"; }
failed=0
check() { # name, host output, aarch64 output
    if [ "$2" = "$3" ]; then echo "same: $1"; else echo "DIFFERENT: $1"; failed=1; fi
}

emulate "$out/breathlab-cli" make-standard "$out/standard.dat"
check "standard.dat" "$(cmp "$out/standard.dat" "$root/datfiles1/standard.dat" && echo equal)" "equal"
check "state digest" "$("$host/breathlab-state-digest")" "$(emulate "$out/breathlab-state-digest")"
for setting in "" "--set RPeripheral=800" "--set Size=60" "--set LeftLung.RPeripheral=800" \
               "--set MiddleRightLobe.Cm=50" "--set G4=200"; do
    # shellcheck disable=SC2086
    check "run --json $setting" "$("$host/breathlab-cli" run --json $setting)" \
          "$(emulate "$out/breathlab-cli" run --json $setting)"
done
exit $failed
