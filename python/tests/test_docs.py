"""help() tells a user what they need without the README."""

import pydoc

import pytest

import breathlab

PARAMETERS = ["RMain", "VDc", "RMiddle", "StiffMiddle", "RPeripheral", "CCC", "Size", "Cm",
              "G1", "G20"]
REGIONS = ["LeftLung", "RightLung", "BothLungs", "UpperLeftLobe", "LowerLeftLobe",
           "UpperRightLobe", "MiddleRightLobe", "LowerRightLobe"]
INDICES = ["FEV1", "FVCEX", "FEV1%FVC", "PEF", "MEF75", "MEF50", "MEF25", "ERV", "FlowAtFev1",
           "FRC", "TLC", "FET", "ModelTime", "Substeps"]


def help_text(thing):
    return pydoc.render_doc(thing, renderer=pydoc.plaintext)


def test_help_of_run_names_parameters_regions_units_and_returns():
    text = help_text(breathlab.run)
    for word in PARAMETERS + REGIONS + INDICES:
        assert word in text, word
    for phrase in ["percent", "reference", "l/s", "in s", "Returns", "Result", "ValueError",
                   "status", "NaN", "volume_time", "flow_volume", "GIL"]:
        assert phrase in text, phrase


@pytest.mark.parametrize("function,words", [
    (breathlab.sweep, ["DataFrame", "FROM", "STEPS", "log", "jobs", "client", "Ctrl+C",
                       "progress", "RunStatus", "ValueError"]),
    (breathlab.Result, ["indices", "status", "settings", "volume_time", "flow_volume",
                        "float32", "in s", "l/s"]),
    (breathlab.load, [".spi", "FileError"]),
    (breathlab.save, [".spi", "FileError", "Result"]),
    (breathlab.plot, ["reference", "black", "red", "Axes"]),
    (breathlab.exercise, ["99999", "Exercise"]),
    (breathlab.run_case, ["--case", "ValueError"]),
])
def test_help_of_every_function_explains_it(function, words):
    text = help_text(function)
    for word in words:
        assert word in text, word
