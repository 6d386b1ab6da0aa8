#!/bin/sh
# Usage: layering_check.sh SOURCE_DIR
# The lower folders are the program without its front ends: nothing in them
# may include a header of ui/ or tools/, nor link a library those define.
# Fails naming every file and line that does.
set -u
src=$1
lower="elementary model core params results cases"
upper="ui tools"
status=0

# Headers that exist only above: a lower folder with a header of the same
# name includes its own.
upper_headers=$(cd "$src" && find $upper -name '*.h' -exec basename {} \; | sort -u)
lower_headers=$(cd "$src" && find $lower -name '*.h' -exec basename {} \; | sort -u)
only_upper=$(printf '%s\n' "$upper_headers" | grep -vxF "$lower_headers")

found=$(for dir in $lower; do
    for file in $(find "$src/$dir" -name '*.h' -o -name '*.cpp' -o -name '*.in'); do
        grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" | while IFS= read -r line; do
            header=$(printf '%s\n' "$line" | sed -E 's/.*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/')
            case "/$header" in
            */ui/* | */tools/*) echo "${file#$src/}:$line: includes from above" ;;
            esac
            if printf '%s\n' "$only_upper" | grep -qxF "$(basename "$header")"; then
                echo "${file#$src/}:$line: includes a header of ui/ or tools/"
            fi
        done
    done
done)
if [ -n "$found" ]; then
    printf '%s\n' "$found"
    status=1
fi

# Libraries and programs defined above, linked from below.
upper_targets=$(cd "$src" && find $upper -name CMakeLists.txt -o -name '*.cmake' | xargs cat |
    sed -nE 's/.*add_(library|executable)\([[:space:]]*([A-Za-z0-9_-]+).*/\2/p' | sort -u)
for file in $(cd "$src" && find $lower -name CMakeLists.txt -o -name '*.cmake'); do
    for target in $upper_targets; do
        if tr '\n' ' ' <"$src/$file" | grep -oE 'target_link_libraries\([^)]*\)' |
            grep -qE "[[:space:](]$target([[:space:])]|$)"; then
            echo "$file: links $target, which a front end defines"
            status=1
        fi
    done
done
exit $status
