#!/usr/bin/env bash
# Installs the Debian packages the project needs; does nothing when all are present.
#
# Each capability lists its packages in scripts/packages/NAME.txt (one or more
# per line, '#' starts a comment). Without arguments every list that `make test`
# needs is installed: all of them except those named extra-*.txt, which belong
# to the slow checks with their own make targets (`setup.sh extra-slurm`).
# `setup.sh desktop translations` is what the desktop program alone needs.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

lists=()
if [ $# -eq 0 ]; then
  for f in "$here"/packages/*.txt; do
    case "$(basename "$f")" in extra-*) ;; *) lists+=("$f") ;; esac
  done
else
  for name in "$@"; do lists+=("$here/packages/$name.txt"); done
fi

packages=()
for f in "${lists[@]}"; do
  while read -r -a words; do packages+=("${words[@]}"); done < <(sed -e 's/#.*//' "$f")
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
