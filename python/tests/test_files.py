"""load() and save(): simulation files as breathlab-cli reads and writes them."""

import pickle

import numpy as np
import pytest

import breathlab
from conftest import cli_error, run_cli, same_numbers


def test_save_writes_the_file_of_the_cli(tmp_path):
    result = breathlab.run(RPeripheral=400, LeftLung={"Cm": 80})
    breathlab.save(tmp_path / "module.spi", result)
    run_cli("run", "--set", "RPeripheral=400", "--set", "LeftLung.Cm=80",
            "--save", str(tmp_path / "cli.spi"))
    assert (tmp_path / "module.spi").read_bytes() == (tmp_path / "cli.spi").read_bytes()
    assert sorted(p.name for p in tmp_path.iterdir()) == ["cli.spi", "module.spi"]


def test_a_loaded_run_is_the_run_saved(tmp_path):
    result = breathlab.run(RMain=300)
    path = tmp_path / "round.spi"
    breathlab.save(str(path), result.history)
    loaded = breathlab.load(path)
    assert loaded == result.history and len(loaded) == 5
    run = loaded[1]
    # A file keeps no model time: every other index comes back unchanged.
    expected = {k: v for k, v in result.indices.items() if k not in ("ModelTime", "Substeps")}
    assert same_numbers(run.indices, expected)
    assert run.settings == {"RMain": 300.0}
    np.testing.assert_array_equal(run.volume_time, result.volume_time)
    np.testing.assert_array_equal(run.flow_volume, result.flow_volume)
    assert loaded.reference.slot == 0 and run.reference.settings == {}
    assert loaded[np.int64(1)].indices == run.indices and loaded[-4].slot == 1
    with pytest.raises(IndexError):
        loaded[5]
    # Slots 2 to 4 of a first run hold nothing yet.
    assert [r.status for r in loaded][2:] == [0, 0, 0]


def test_histories_travel_as_bytes_and_pickles():
    history = breathlab.run(Cm=120).history
    assert breathlab.History.from_bytes(history.to_bytes()) == history
    assert pickle.loads(pickle.dumps(history)) == history
    assert len(history.to_bytes()) == 621360
    with pytest.raises(ValueError, match="621360"):
        breathlab.History.from_bytes(history.to_bytes()[:1000])


def test_files_that_cannot_be_read_give_the_cli_message(tmp_path):
    short = tmp_path / "short.spi"
    short.write_bytes(b"\0" * 1000)
    missing = tmp_path / "missing.spi"
    for path in (short, missing):
        with pytest.raises(breathlab.FileError) as raised:
            breathlab.load(path)
        assert isinstance(raised.value, OSError)
        assert str(raised.value) == cli_error("run", "--reference", str(path))


def test_a_file_that_cannot_be_written_gives_the_cli_message(tmp_path):
    target = tmp_path / "no-such-folder" / "run.spi"
    result = breathlab.run(RMain=300)
    with pytest.raises(breathlab.FileError) as raised:
        breathlab.save(target, result)
    assert str(raised.value) == cli_error("run", "--set", "RMain=300", "--save", str(target))
    assert list(tmp_path.iterdir()) == []
    with pytest.raises(TypeError):
        breathlab.save(tmp_path / "x.spi", b"not a history")
