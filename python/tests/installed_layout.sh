#!/bin/sh
# The module as python3-breathlab installs it: the component python installed
# into a scratch prefix, imported from there (data folder included) and run
# on a case, which must give breathlab-cli's FEV1.
#   installed_layout.sh CMAKE BUILD_FOLDER PYTHON BREATHLAB_CLI
cmake=$1 build=$2 python=$3 cli=$4
scratch=$(mktemp -d "${TMPDIR:-/tmp}/breathlab-installed.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
"$cmake" --install "$build" --component python --prefix "$scratch/usr" >/dev/null || exit 1
expected=$("$cli" run --case mild-asthma --json) || exit 1
cd "$scratch" || exit 1
HOME="$scratch" PYTHONDONTWRITEBYTECODE=1 PYTHONPATH="$scratch/usr/lib/python3/dist-packages" \
EXPECTED="$expected" PREFIX="$scratch/usr/" "$python" -c '
import json, os
import breathlab
assert breathlab.__file__.startswith(os.environ["PREFIX"]), breathlab.__file__
expected = json.loads(os.environ["EXPECTED"])
result = breathlab.run_case("mild-asthma")
assert result.indices["FEV1"] == expected["FEV1"], (result.indices, expected)
print("installed module: FEV1", result.indices["FEV1"])
'
