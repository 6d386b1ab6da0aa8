"""sweep(): the DataFrame of breathlab-cli's CSV, threads, progress, Ctrl+C
and bad grids."""

import io
import os
import signal

import pandas as pd
import pytest

import breathlab
from breathlab import _sweep
from conftest import cli_error, run_cli

# A small grid with a fixed setting, a log scale and failed patients: G3 at
# 0.001 % finishes with TLC not above FRC, so those rows have RunStatus -1
# and empty indices in the CSV.
GRID = {"RPeripheral": (50, 800, 3), "G3": (0.001, 100, 2)}
SETTINGS = {"Size": 90}
CLI_GRID = ["--vary", "RPeripheral=50:800:3", "--vary", "G3=0.001:100:2",
            "--set", "Size=90", "--scale", "log"]


@pytest.fixture(scope="module")
def cli_csv():
    return run_cli("sweep", *CLI_GRID, "--jobs", "2").stdout


def frame_of_csv(text):
    # Read with correctly rounded decimals, as Python's float() reads them.
    return pd.read_csv(io.StringIO(text), comment="#", float_precision="round_trip")


@pytest.mark.parametrize("jobs", [1, 2])
def test_the_frame_is_the_cli_csv(cli_csv, jobs):
    frame = breathlab.sweep(GRID, scale="log", jobs=jobs, **SETTINGS)
    expected = frame_of_csv(cli_csv)
    # Whole-number axes read from the CSV as integers; the frame keeps floats.
    pd.testing.assert_frame_equal(frame, expected, check_dtype=False, check_exact=True)
    assert list(frame["RunStatus"]) == [-1, 1] * 3
    assert frame.loc[frame["RunStatus"] == -1, "FEV1"].isna().all()
    definition = [line[2:] for line in cli_csv.splitlines() if line.startswith("# ")]
    assert frame.attrs["grid"] == definition
    assert frame.attrs["interrupted"] is False


def test_a_row_equals_a_single_run():
    frame = breathlab.sweep({"LeftLung": {"RMiddle": (100, 400, 2)}}, jobs=2, Cm=75)
    assert list(frame.columns[:3]) == ["patient", "LeftLung.RMiddle", "Cm"]
    single = breathlab.run(LeftLung={"RMiddle": 400}, Cm=75).indices
    last = frame.iloc[-1]
    for name in ("FEV1", "FEV1%FVC", "MEF50", "FET"):
        assert last[name] == single[name]


BAD_GRIDS = [
    (dict(vary={}), []),
    (dict(vary={"RMain": (50, 800, 0)}), ["--vary", "RMain=50:800:0"]),
    (dict(vary={"RMain": (50, 800)}), ["--vary", "RMain=50:800"]),
    (dict(vary={"RMain": (50, 800, 2.5)}), ["--vary", "RMain=50:800:2.5"]),
    (dict(vary={"RMain": (-1, 800, 2)}), ["--vary", "RMain=-1:800:2"]),
    (dict(vary={"RMain": (50, 800, 2)}, RMAIN=70),
     ["--vary", "RMain=50:800:2", "--set", "RMAIN=70"]),
    (dict(vary={"RMain": (50, 800, 2)}, scale="exp"), ["--vary", "RMain=50:800:2", "--scale", "exp"]),
    (dict(vary={"RMain": (50, 800, 2)}, jobs=0), ["--vary", "RMain=50:800:2", "--jobs", "0"]),
    (dict(vary={"RMain": (50, 800, 100000), "Cm": (50, 150, 101)}),
     ["--vary", "RMain=50:800:100000", "--vary", "Cm=50:150:101"]),
]


@pytest.mark.parametrize("arguments,cli_arguments", BAD_GRIDS)
def test_bad_grids_raise_the_cli_message(arguments, cli_arguments):
    with pytest.raises(ValueError) as raised:
        breathlab.sweep(**arguments)
    assert str(raised.value) == cli_error("sweep", *cli_arguments)


def test_axes_come_as_a_dict():
    with pytest.raises(TypeError, match="dict"):
        breathlab.sweep([("RMain", (50, 800, 2))])


class InterruptingBar:
    """A progress bar that presses Ctrl+C when the second patient is done."""

    def __init__(self, total, enabled):
        self.done = 0

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        return False

    def update(self, n):
        self.done += n
        if self.done == 2:
            os.kill(os.getpid(), signal.SIGINT)


def test_ctrl_c_keeps_the_finished_rows(monkeypatch):
    grid = {"RMain": (50, 800, 12)}
    monkeypatch.setattr(_sweep, "progress_bar", InterruptingBar)
    with pytest.warns(RuntimeWarning, match="sweep interrupted"):
        partial = breathlab.sweep(grid, jobs=2)
    assert partial.attrs["interrupted"] is True
    # The two reported rows, and those of patients that were still running,
    # are kept; the rest of the twelve never ran.
    assert 2 <= len(partial) < 12
    monkeypatch.undo()
    patients = list(partial["patient"])
    whole = breathlab.sweep(grid, jobs=2, progress=False)
    expected = whole[whole["patient"].isin(patients)].reset_index(drop=True)
    pd.testing.assert_frame_equal(partial, expected, check_exact=True)


def test_progress_bar_only_when_asked(capsys):
    grid = {"RMain": (50, 100, 2)}
    breathlab.sweep(grid, jobs=2, progress=True)
    shown = capsys.readouterr().err
    assert "sweep" in shown and "2/2" in shown
    # Under pytest standard error is no terminal: no bar unless asked.
    breathlab.sweep(grid, jobs=2)
    breathlab.sweep(grid, jobs=2, progress=False)
    assert capsys.readouterr().err == ""
