"""The worked example in examples/ runs and shows what it says."""

import os
import subprocess
import sys

EXAMPLE = os.path.join(os.path.dirname(__file__), "..", "..", "examples",
                       "peripheral_resistance.py")


def test_fev1_fvc_and_mef50_fall_with_peripheral_resistance(tmp_path):
    figure = tmp_path / "peripheral.png"
    done = subprocess.run([sys.executable, EXAMPLE, "--out", str(figure), "--steps", "5",
                           "--jobs", "2"], capture_output=True, text=True, cwd=tmp_path)
    assert done.returncode == 0, done.stderr
    lines = done.stdout.splitlines()
    assert lines[0].split() == ["RPeripheral", "FEV1", "FVCEX", "FEV1%FVC", "MEF50"]
    table = [[float(x) for x in line.split()] for line in lines[1:6]]
    assert [row[0] for row in table] == [50.0, 100.0, 200.0, 400.0, 800.0]
    ratios = [row[3] for row in table]
    mef50s = [row[4] for row in table]
    fvcs = [row[2] for row in table]
    assert ratios == sorted(ratios, reverse=True) and ratios[0] - ratios[-1] > 20
    assert mef50s == sorted(mef50s, reverse=True) and mef50s[-1] < mef50s[0] / 3
    # The vital capacity hardly changes: the obstruction is in the flows.
    assert max(fvcs) - min(fvcs) < 0.05 * max(fvcs)
    assert figure.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
    assert sorted(p.name for p in tmp_path.iterdir()) == ["peripheral.png"]
