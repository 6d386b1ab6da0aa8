"""One examination's result: indices, status, settings and traces."""

import functools
import math

import numpy as np

from . import _breathlab

STATUS_WORDS = {1: "completed", 0: "dead", -1: "error"}


@functools.lru_cache(maxsize=None)
def _parameter_names():
    return _breathlab.parameter_names()


def _settings_of(arrays):
    """Every percentage of a record that is not 100, by breathlab-cli's names,
    each the shortest decimal that the stored single-precision value reads
    back as."""
    region_names, global_names = _parameter_names()
    block = arrays["parameter_block"][:, : len(region_names[0])]
    settings = {}
    for row, row_names in zip(block, region_names):
        for value, name in zip(row, row_names):
            if value != 100:
                settings[name] = float(str(value))
    for value, name in zip(arrays["global_params"], global_names):
        if value != 100:
            settings[name] = float(str(value))
    return settings


def _filled_samples(arrays):
    """Number of samples up to the last one that holds a volume or a flow, as
    breathlab-cli's flow-volume CSV writes them."""
    filled = np.flatnonzero((arrays["sample_volume"] != 0) | (arrays["sample_signal"] != 0))
    return int(filled[-1]) + 1 if filled.size else 0


class Result:
    """One simulated examination, or one record of a simulation file.

    Attributes
    ----------
    status : int
        1 completed; 0 dead (the simulated subject could not inspire);
        -1 error (numerical failure, a manoeuvre that did not end in time, or
        a finished run whose indices no lung can have, see ``problem``).
    problem : str or None
        Why a finished run's indices were refused ("TLC is not above FRC",
        ...), as breathlab-cli's JSON "Problem"; None otherwise.
    indices : dict
        The keys and values of ``breathlab-cli run --json``, in its order:
        "RunStatus" (int), "Problem" (only when there is one), "FEV1" (l),
        "FVCEX" (forced vital capacity, l), "FEV1%FVC" (%), "PEF" (l/s),
        "MEF75", "MEF50", "MEF25" (l/s, flow when 25, 50, 75 % of the vital
        capacity have been expired), "ERV" (l), "FlowAtFev1" (l/s, negative
        is expiratory), "FRC" (l), "TLC" (l), "FET" (forced expiratory time,
        s), and for a run just made "ModelTime" (s of model time when the run
        ended) and "Substeps" (int). The numbers are exactly those a JSON
        reader gets from breathlab-cli; an index of a run that did not
        complete is NaN (null in the JSON).
    settings : dict
        Every percentage of the record that is not 100, by breathlab-cli's
        names ("RPeripheral", "LeftLung.RMiddle", "G1"). In a run the
        percentages are of the reference's values; in the reference (slot 0)
        of normal.
    volume_time : numpy.ndarray, shape (n, 2), float32
        The volume-time curve from the start of recording (quiet breath 4)
        to the end, one point every 100 ms: column 0 time in s, column 1 lung
        volume in l. The rows of breathlab-cli's PREFIX-volume-time.csv.
    flow_volume : numpy.ndarray, shape (n, 2), float32
        The samples of the forced manoeuvre: column 0 lung volume in l,
        column 1 flow at the mouth in l/s, negative during expiration (the
        model's sign; the window and :func:`breathlab.plot` draw expiration
        upwards). The rows of breathlab-cli's PREFIX-flow-volume.csv; empty
        volumes after a failed run.
    slot : int
        The history slot of the record (1 for a new run, 0 for a reference).
    history : breathlab.History
        The whole history set: slot 0 the reference, slot 1 this run; what
        :func:`breathlab.save` writes.
    reference : Result or None
        The reference record (slot 0) of the same history; None for slot 0.

    The traces hold the record's single-precision values unchanged.
    """

    def __init__(self, history, slot, model_time=None, substeps=None):
        self.history = history
        self.slot = slot
        stored = history._stored
        status, problem, values = stored.report(slot)
        self.status = status
        self.problem = problem
        self.indices = {"RunStatus": status}
        if problem is not None:
            self.indices["Problem"] = problem
        self.indices.update(values)
        if model_time is not None:
            self.indices["ModelTime"] = model_time
            self.indices["Substeps"] = substeps
        arrays = stored.arrays(slot)
        self.settings = _settings_of(arrays)
        recorded = arrays["time_axis"] != 0
        self.volume_time = np.column_stack([arrays["time_axis"][recorded],
                                            arrays["volume_trace"][recorded]])
        filled = _filled_samples(arrays)
        self.flow_volume = np.column_stack([arrays["sample_volume"][:filled],
                                            arrays["sample_signal"][:filled]])

    @property
    def completed(self):
        """True when the run completed with possible indices."""
        return self.status == 1

    @property
    def status_word(self):
        """"completed", "dead" or "error", as breathlab-cli's table says."""
        return STATUS_WORDS.get(self.status, "error")

    @property
    def reference(self):
        return None if self.slot == 0 else self.history[0]

    def __repr__(self):
        shown = ", ".join(f"{k}={v:.4g}" for k, v in self.indices.items()
                          if k in ("FEV1", "FVCEX", "FEV1%FVC", "PEF")
                          and not math.isnan(v))
        return (f"<breathlab.Result slot {self.slot}: {self.status_word}"
                + (f", {shown}" if shown else "") + f", settings {self.settings}>")
