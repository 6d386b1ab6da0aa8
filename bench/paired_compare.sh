#!/usr/bin/env bash
# Paired timing of the current breathlab-cli against a build of an earlier
# revision (bench/build_base.sh): a default run, an obstructed run
# (RPeripheral 800 %) and a 64-patient sweep, the two builds alternating
# ROUNDS times on the same settings, so that the load of a shared machine
# falls on both alike. Prints the median CPU times and their ratio.
#   bench/paired_compare.sh NEW_CLI [BASE_REVISION] [ROUNDS]
set -euo pipefail
new=${1:-build/bin/breathlab-cli}
# build_base.sh knows the default revision.
base=$(bash "$(dirname "$0")/build_base.sh" ${2:+"$2"} | tail -1)
rounds=${3:-9}

# CPU seconds (user + system) of one command: unlike the wall-clock time, it
# hardly changes when other programs share the processors.
seconds() {
    local TIMEFORMAT='%U %S' t
    t=$( { time "$@" > /dev/null; } 2>&1 )
    awk -v t="$t" 'BEGIN { split(t, p, " "); printf "%.4f\n", p[1] + p[2] }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

compare() {
    local name=$1; shift
    local old_times=() new_times=()
    for ((i = 0; i < rounds; i++)); do
        old_times+=("$(seconds "$base" "$@")")
        new_times+=("$(seconds "$new" "$@")")
    done
    local o n
    o=$(printf '%s\n' "${old_times[@]}" | median)
    n=$(printf '%s\n' "${new_times[@]}" | median)
    awk -v name="$name" -v o="$o" -v n="$n" -v r="$rounds" \
        'BEGIN { printf "%-28s base %.3f s  new %.3f s CPU  speed-up %.2fx  (median of %d pairs)\n", name, o, n, o / n, r }'
}

compare "default run" run --json
compare "RPeripheral 800 %" run --json --set RPeripheral=800
compare "sweep of 64 patients" sweep --vary RPeripheral=50:800:8 --vary Cm=75:125:8 --scale log --jobs 1
