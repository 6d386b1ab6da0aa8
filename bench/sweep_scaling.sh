#!/usr/bin/env bash
# Patients per second of a 64-patient sweep on one and on two threads, and the
# ratio between them.
set -euo pipefail
cli=${1:-build/bin/breathlab-cli}
grid=(--vary RPeripheral=50:800:8 --vary Cm=75:125:8 --scale log)

rate() {
    local start end
    start=$(date +%s.%N)
    "$cli" sweep "${grid[@]}" --jobs "$1" > /dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { print 64 / (e - s) }'
}

one=$(rate 1)
two=$(rate 2)
awk -v one="$one" -v two="$two" 'BEGIN {
    printf "sweep of 64 patients: --jobs 1 %.2f patients/s, --jobs 2 %.2f patients/s, ratio %.2f\n",
        one, two, two / one }'
