#!/usr/bin/env bash
# Runs every built fuzz target briefly over its seeds and kept crash inputs.
# New inputs go to a scratch folder, never into the repository.
# Usage: fuzz/smoke.sh BIN_DIR [SECONDS]
set -euo pipefail
bin_dir=$1
seconds=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

export QT_QPA_PLATFORM=offscreen
failed=0
ran=0
for target in "$bin_dir"/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target" | sed 's/^fuzz_//')
    folders=("$scratch/$name")
    mkdir -p "$scratch/$name"
    for kept in "$here/corpus/$name" "$here/crashes/$name"; do
        [ -d "$kept" ] && folders+=("$kept")
    done
    echo "== $name: ${seconds}s"
    if "$target" -max_total_time="$seconds" -timeout=30 -max_len=8192 \
        -artifact_prefix="$scratch/$name-" -print_final_stats=1 "${folders[@]}" \
        >"$scratch/$name.log" 2>&1; then
        grep -E "^stat::number_of_executed_units" "$scratch/$name.log" || true
        ran=$((ran + 1))
    else
        echo "FAILED: $name"
        tail -n 40 "$scratch/$name.log"
        failed=$((failed + 1))
    fi
done
echo "fuzz-smoke: $ran passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$ran" -gt 0 ]
