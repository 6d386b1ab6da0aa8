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
    echo "64 / ($end - $start)" | bc -l
}

one=$(rate 1)
two=$(rate 2)
printf 'sweep of 64 patients: --jobs 1 %.2f patients/s, --jobs 2 %.2f patients/s, ratio %.2f\n' \
    "$one" "$two" "$(echo "$two / $one" | bc -l)"
