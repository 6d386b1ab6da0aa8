"""What every test of the module shares: the package just built, and
breathlab-cli to compare it with."""

import json
import os
import subprocess

import pytest

import breathlab

PACKAGE_FOLDER = os.environ.get("BREATHLAB_PACKAGE_FOLDER")
CLI = os.environ.get("BREATHLAB_CLI")


def pytest_configure(config):
    # The tests are about this build's extension, never an installed one.
    if not PACKAGE_FOLDER or not CLI:
        raise pytest.UsageError("run through CTest (python/tests/run_pytest.sh)")
    imported = os.path.realpath(breathlab.__file__)
    if not imported.startswith(os.path.realpath(PACKAGE_FOLDER) + os.sep):
        raise pytest.UsageError(f"breathlab was imported from {imported}, not the build")


def run_cli(*arguments, check=True):
    """breathlab-cli with these arguments; its output as text."""
    done = subprocess.run([CLI, *arguments], capture_output=True, text=True)
    if check and done.returncode not in (0, 3):
        raise AssertionError(f"breathlab-cli {' '.join(arguments)}: {done.stderr}")
    return done


def cli_json(*arguments):
    """The JSON object of `breathlab-cli run --json`, null read as NaN so that
    it compares with the module's indices."""
    line = run_cli("run", "--json", *arguments).stdout
    return {k: (float("nan") if v is None else v) for k, v in json.loads(line).items()}


def cli_error(*arguments):
    """The message breathlab-cli gives for bad arguments, without its name."""
    done = run_cli(*arguments, check=False)
    assert done.returncode in (1, 2), done
    prefix = "breathlab-cli: "
    first = done.stderr.splitlines()[0]
    assert first.startswith(prefix)
    return first[len(prefix):]


def same_numbers(a, b):
    """Dicts equal key by key, NaN equal to NaN, numbers compared exactly."""
    assert list(a) == list(b)
    for key in a:
        x, y = a[key], b[key]
        if isinstance(x, float) and x != x:
            assert isinstance(y, float) and y != y, key
        else:
            assert x == y, (key, x, y)
    return True
