"""plot(): the window's curves with matplotlib."""

import matplotlib

matplotlib.use("Agg")

import matplotlib.colors as colors  # noqa: E402
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
import pytest  # noqa: E402

import breathlab  # noqa: E402


@pytest.fixture(scope="module")
def obstructed():
    return breathlab.run(RPeripheral=800)


def lines_by_label(ax):
    return {line.get_label(): line for line in ax.get_lines() if not line.get_label().startswith("_")}


def test_reference_black_and_the_run_red(obstructed, tmp_path):
    flow_volume, volume_time = breathlab.plot(obstructed)
    for ax in (flow_volume, volume_time):
        lines = lines_by_label(ax)
        assert colors.to_hex(lines["reference"].get_color()) == "#000000"
        assert colors.to_hex(lines["run"].get_color()) == "#ff0000"
    # Across: the volume expired since the largest volume; upwards the
    # expiratory flow, whose top is PEF.
    curve = lines_by_label(flow_volume)["run"]
    expired, flow = curve.get_xdata(), curve.get_ydata()
    assert expired.min() == 0
    assert flow.max() == pytest.approx(obstructed.indices["PEF"], rel=1e-6)
    assert expired.max() == pytest.approx(obstructed.indices["FVCEX"], rel=1e-6)
    time_curve = lines_by_label(volume_time)["run"]
    np.testing.assert_array_equal(time_curve.get_xdata(), obstructed.volume_time[:, 0])
    flow_volume.figure.savefig(tmp_path / "curves.png")
    assert (tmp_path / "curves.png").stat().st_size > 10000
    plt.close("all")


def test_given_axes_and_older_slots(obstructed, tmp_path):
    figure, pair = plt.subplots(1, 2)
    assert breathlab.plot(obstructed, ax=pair) == (pair[0], pair[1])
    single, = plt.subplots(1, 1)[1:]
    flow_volume, volume_time = breathlab.plot(obstructed, ax=single)
    assert flow_volume is single and volume_time is None
    # A run in slot 2 of a file is drawn green; a reference alone in black.
    path = tmp_path / "older.spi"
    breathlab.save(path, obstructed)
    data = bytearray(path.read_bytes())
    record = len(data) // 5
    data[2 * record:3 * record] = data[record:2 * record]
    history = breathlab.History.from_bytes(bytes(data))
    ax, _ = breathlab.plot(history[2])
    assert colors.to_hex(lines_by_label(ax)["run"].get_color()) == "#008000"
    ax, _ = breathlab.plot(history[0])
    assert list(lines_by_label(ax)) == ["reference"]
    plt.close("all")


def test_a_failed_run_draws_only_its_reference():
    dead = breathlab.run(RPeripheral=100000)
    ax, volume_time = breathlab.plot(dead)
    assert "run" not in lines_by_label(ax)
    assert "reference" in lines_by_label(volume_time)
    plt.close("all")
