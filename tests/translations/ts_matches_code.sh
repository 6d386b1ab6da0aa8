#!/usr/bin/env bash
# Runs lupdate over the code into a copy of the English .ts file: a text that
# the code marks for translation but the file lacks comes in "unfinished", and
# a text the file has but the code lost disappears. Either means the file must
# be refreshed with `make translations-update` and its new texts translated.
set -euo pipefail
lupdate=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

committed="$source_dir/translations/breathlab_en.ts"
cp "$committed" "$work/refreshed.ts"
folders=()
for f in ui params results cases; do [ -d "$source_dir/$f" ] && folders+=("$source_dir/$f"); done
"$lupdate" -silent -no-obsolete -locations none -tr-function-alias translate+=Translated \
  -target-language en "${folders[@]}" -ts "$work/refreshed.ts"

count() { grep -c '<source>' "$1"; }
if grep -n 'type="unfinished"' "$work/refreshed.ts" >/dev/null; then
  echo "Texts in the code without an English translation:" >&2
  grep -B1 'type="unfinished"' "$work/refreshed.ts" | grep '<source>' >&2
  exit 1
fi
if [ "$(count "$committed")" != "$(count "$work/refreshed.ts")" ]; then
  echo "breathlab_en.ts holds $(count "$committed") texts, the code $(count "$work/refreshed.ts");" \
       "run make translations-update" >&2
  exit 1
fi
echo "breathlab_en.ts matches the code: $(count "$committed") texts"
