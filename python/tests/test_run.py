"""run(): the numbers of breathlab-cli, failed runs, bad arguments, traces
and the GIL."""

import math
import os
import sys
import threading

import numpy as np
import pytest

import breathlab
from conftest import cli_error, cli_json, run_cli, same_numbers

# Keyword arguments and the --set arguments that mean the same patient: the
# default, airways of both kinds, a lobe, a further percentage, a decimal
# that is not exact in binary, and a value given twice (the last wins).
SAME_PATIENTS = [
    ({}, []),
    ({"RPeripheral": 800, "LeftLung": {"RMiddle": 400}},
     ["RPeripheral=800", "LeftLung.RMiddle=400"]),
    ({"UpperLeftLobe": {"CCC": 200}, "Cm": 75}, ["UpperLeftLobe.CCC=200", "Cm=75"]),
    ({"G1": 60, "rmain": 123.4}, ["G1=60", "RMain=123.4"]),
    ({"RMain": 400, "BothLungs": {"RMain": 50}}, ["RMain=400", "BothLungs.RMain=50"]),
]


@pytest.mark.parametrize("kwargs,sets", SAME_PATIENTS)
def test_indices_are_those_of_the_cli_json(kwargs, sets):
    result = breathlab.run(**kwargs)
    arguments = [a for s in sets for a in ("--set", s)]
    assert same_numbers(result.indices, cli_json(*arguments))
    assert result.status == 1 and result.problem is None


def test_settings_name_every_percentage_that_is_not_100():
    result = breathlab.run(RPeripheral=800, LeftLung={"RMiddle": 400}, G1=60, rmain=123.4)
    # Named and ordered as breathlab-cli names them: regions -2..5, then G.
    assert result.settings == {"LeftLung.RMiddle": 400.0, "RMain": 123.4,
                               "RPeripheral": 800.0, "G1": 60.0}
    assert breathlab.run().settings == {}


# Runs the model cannot finish: no exception, the status of the CLI and NaN
# indices.
FAILING = [
    ("G3=10000", -1, None),                        # numerical failure during start-up
    ("G3=0.001", -1, "TLC is not above FRC"),       # finished, impossible results
    ("RPeripheral=100000", 0, None),                # the subject cannot inspire
    ("G2=1e-30", -1, None),                         # the expiration never ends
]


@pytest.mark.parametrize("setting,status,problem", FAILING)
def test_failed_runs_give_status_and_nan_indices(setting, status, problem):
    name, value = setting.split("=")
    result = breathlab.run(**{name: float(value)})
    assert result.status == status and not result.completed
    assert result.problem == problem
    assert same_numbers(result.indices, cli_json("--set", setting))
    assert all(math.isnan(result.indices[name]) for name in ("FEV1", "FVCEX", "PEF", "FET"))


# Bad arguments: ValueError with the message breathlab-cli prints for the
# same --set.
BAD_SETTINGS = [
    ({"RMain": -5}, "RMain=-5"),
    ({"RMain": 0}, "RMain=0"),
    ({"RMain": float("nan")}, "RMain=nan"),
    ({"RMain": float("inf")}, "RMain=inf"),
    ({"RMain": "fifty"}, "RMain=fifty"),
    ({"RMain": True}, "RMain=True"),
    ({"Resistance": 50}, "Resistance=50"),
    ({"Lefty": {"RMain": 50}}, "Lefty.RMain=50"),
    ({"LeftLung": {"G1": 50}}, "LeftLung.G1=50"),
    ({"G21": 50}, "G21=50"),
]


@pytest.mark.parametrize("kwargs,setting", BAD_SETTINGS)
def test_bad_settings_raise_the_cli_message(kwargs, setting):
    with pytest.raises(ValueError) as raised:
        breathlab.run(**kwargs)
    assert str(raised.value) == cli_error("run", "--set", setting)


def read_csv(path):
    return np.loadtxt(path, delimiter=",", skiprows=1, dtype=np.float64, ndmin=2)


def test_traces_are_the_cli_csv_files(tmp_path):
    result = breathlab.run(RPeripheral=400)
    run_cli("run", "--set", "RPeripheral=400", "--csv", str(tmp_path / "run"))
    volume_time = read_csv(tmp_path / "run-volume-time.csv")
    flow_volume = read_csv(tmp_path / "run-flow-volume.csv")
    # The CSV writes each single-precision value with 9 digits, which read
    # back as single precision give the stored value itself.
    assert result.volume_time.dtype == np.float32
    np.testing.assert_array_equal(result.volume_time, volume_time.astype(np.float32))
    np.testing.assert_array_equal(result.flow_volume, flow_volume[:, 1:3].astype(np.float32))
    # Units: the recording starts with quiet breath 4, a point every 100 ms;
    # the forced expiration has negative (expiratory) flow down to PEF.
    assert np.allclose(np.diff(result.volume_time[:, 0]), 0.1, atol=1e-5)
    assert -result.flow_volume[:, 1].min() == pytest.approx(result.indices["PEF"], rel=1e-6)


# A record of a history set is a fifth of its 621360 bytes; its parameter
# block (8 regions by 16 single-precision percentages, regions -2..5) begins
# 123680 bytes into the record.
RECORD_BYTES = 621360 // 5
PARAMETER_BLOCK = 123680


def reference_with(percent, region_row, parameter):
    """The default history set with one percentage of its reference changed."""
    data = bytearray(breathlab.load(DEFAULT_HISTORY).to_bytes())
    at = PARAMETER_BLOCK + (region_row * 16 + parameter - 1) * 4
    data[at:at + 4] = np.float32(percent).tobytes()
    return bytes(data)


DEFAULT_HISTORY = os.path.join(os.path.dirname(breathlab.__file__), "data", "datfiles1",
                               "standard.dat")


def test_a_reference_multiplies_the_percentages(tmp_path):
    # The reference's RMain of both lungs (row 2) at 300 %: RMain=200 then
    # means 600 % of normal.
    reference = tmp_path / "reference.spi"
    reference.write_bytes(reference_with(300, 2, 1))
    expected = cli_json("--reference", str(reference), "--set", "RMain=200")
    assert expected["FEV1"] != cli_json("--set", "RMain=200")["FEV1"]
    for given in (reference, str(reference), breathlab.load(reference)):
        assert same_numbers(breathlab.run(reference=given, RMain=200).indices, expected)
    assert breathlab.load(reference)[0].settings == {"RMain": 300.0}


def test_the_model_runs_without_the_gil():
    # With a switch interval far longer than a run, a thread that held the
    # GIL through run() would keep it until the run had finished; the main
    # thread gets it back while the run is still going only if it is released.
    started, finished = threading.Event(), threading.Event()

    def examine():
        started.set()
        breathlab.run(RPeripheral=800)
        finished.set()

    interval = sys.getswitchinterval()
    sys.setswitchinterval(1000)
    try:
        worker = threading.Thread(target=examine)
        worker.start()
        started.wait()
        ran_alongside = not finished.is_set()
        worker.join()
    finally:
        sys.setswitchinterval(interval)
    assert ran_alongside and finished.is_set()
