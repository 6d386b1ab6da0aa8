#!/usr/bin/env bash
# Builds breathlab-cli of an earlier revision (default: the commit before the
# lobes were solved in SIMD lanes) in a side folder, for paired comparisons
# with the current build. Prints the path of the program.
#   bench/build_base.sh [REVISION] [FOLDER]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
revision=${1:-5fe78ca}
folder=${2:-$here/build-base}
mkdir -p "$folder"
if [ "$(cat "$folder/REVISION" 2>/dev/null)" != "$revision" ]; then
    rm -rf "$folder/src"
    mkdir -p "$folder/src"
    git -C "$here" archive "$revision" | tar -x -C "$folder/src"
    echo "$revision" > "$folder/REVISION"
fi
cmake -S "$folder/src" -B "$folder/build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$folder/build" --target breathlab-cli data_folders -j "${JOBS:-2}" > /dev/null
echo "$folder/build/bin/breathlab-cli"
