#!/bin/sh
# Runs one pytest file on the package in the build folder:
#   run_pytest.sh PYTHON BUILD_PYTHON_FOLDER BREATHLAB_CLI TEST_FILE
# Everything the tests, pytest, matplotlib and Dask write goes to a scratch
# folder (as HOME and TMPDIR too) that is removed at the end.
python=$1 package_folder=$(cd "$2" && pwd) cli=$3 test_file=$4
scratch=$(mktemp -d "${TMPDIR:-/tmp}/breathlab-pytest.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/home" "$scratch/tmp"

HOME="$scratch/home" TMPDIR="$scratch/tmp" MPLCONFIGDIR="$scratch/home/matplotlib" \
MPLBACKEND=Agg PYTHONPATH="$package_folder" PYTHONDONTWRITEBYTECODE=1 \
BREATHLAB_PACKAGE_FOLDER="$package_folder" BREATHLAB_CLI="$cli" \
    "$python" -m pytest -p no:cacheprovider --basetemp="$scratch/pytest" -q "$test_file"
code=$?
# pytest says 5 when it collected no test: a test file without tests has
# lost them, which must not pass as a success.
if [ $code -eq 5 ]; then
    echo "run_pytest.sh: no test was collected from $test_file" >&2
    exit 1
fi
exit $code
