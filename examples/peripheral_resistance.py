#!/usr/bin/env python3
"""How FEV1/FVC and MEF50 fall as the peripheral airways narrow.

Narrow small airways (asthma, COPD) slow the forced expiration: the flow at
mid vital capacity (MEF50) drops first, then FEV1 relative to the forced
vital capacity, while the vital capacity itself hardly changes. This sweep
raises the peripheral resistance from 50 % to 800 % of normal on a log
scale, prints the indices and draws them with the flow-volume curve of the
most obstructed patient against the reference.

    python3 examples/peripheral_resistance.py --out peripheral.png
"""

import argparse

import matplotlib

matplotlib.use("Agg")

import matplotlib.pyplot as plt  # noqa: E402
from matplotlib.ticker import NullLocator, ScalarFormatter  # noqa: E402

import breathlab  # noqa: E402


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default="peripheral_resistance.png", help="the figure (PNG, SVG, PDF)")
    parser.add_argument("--steps", type=int, default=9, help="patients from 50 %% to 800 %%")
    parser.add_argument("--jobs", type=int, default=None, help="threads (default: one per core)")
    return parser.parse_args()


def percent_axis(ax):
    ax.set_xscale("log")
    ax.set_xticks([50, 100, 200, 400, 800])
    ax.xaxis.set_major_formatter(ScalarFormatter())
    ax.xaxis.set_minor_locator(NullLocator())
    ax.set_xlabel("peripheral resistance (% of normal)")


def draw(frame, most_obstructed, path):
    figure, (ratio, mef50, curves) = plt.subplots(1, 3, figsize=(15, 4.5))
    resistance = frame["RPeripheral"]
    ratio.plot(resistance, frame["FEV1%FVC"], "o-", color="black")
    ratio.axhline(70, color="grey", linestyle=":", label="70 %: obstruction")
    percent_axis(ratio)
    ratio.set_ylabel("FEV1/FVC (%)")
    ratio.legend()
    mef50.plot(resistance, frame["MEF50"], "o-", color="black")
    percent_axis(mef50)
    mef50.set_ylabel("MEF50 (l/s)")
    breathlab.plot(most_obstructed, ax=curves)
    curves.set_title(f"RPeripheral {most_obstructed.settings['RPeripheral']:g} %")
    figure.tight_layout()
    figure.savefig(path)


def main():
    options = arguments()
    frame = breathlab.sweep({"RPeripheral": (50, 800, options.steps)}, scale="log",
                            jobs=options.jobs)
    columns = ["RPeripheral", "FEV1", "FVCEX", "FEV1%FVC", "MEF50"]
    print(frame[columns].to_string(index=False, float_format="%.3f"))
    most_obstructed = breathlab.run(RPeripheral=frame["RPeripheral"].iloc[-1])
    draw(frame, most_obstructed, options.out)
    print(f"figure: {options.out}")


if __name__ == "__main__":
    main()
