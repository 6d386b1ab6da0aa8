"""Sweeps: a grid of patients into a pandas DataFrame, on local threads or
on a Dask cluster."""

import functools
import itertools
import math
import os
import queue
import sys
import threading
import warnings
from collections.abc import Mapping

import numpy as np
import pandas as pd

from . import _breathlab
from ._settings import axis_text, number_text, setting_pairs, setting_texts

# Columns that hold whole numbers; every other column is a float.
WHOLE_COLUMNS = ("patient", "RunStatus")


def sweep_arguments(vary, scale, jobs, settings):
    """The arguments of `breathlab-cli sweep` for the same grid."""
    if not isinstance(vary, Mapping):
        raise TypeError("vary takes a dict {NAME: (FROM, TO, STEPS)}")
    arguments = []
    for name, axis in setting_pairs(vary):
        arguments += ["--vary", axis_text(name, axis)]
    for text in setting_texts(settings):
        arguments += ["--set", text]
    arguments += ["--scale", str(scale)]
    if jobs is not None:
        arguments += ["--jobs", number_text(jobs)]
    return tuple(arguments)


@functools.lru_cache(maxsize=4)
def plan_for(arguments):
    """One settled plan per grid and process: a Dask worker settles the
    start-up session once for all its chunks."""
    return _breathlab.SweepPlan(list(arguments))


def compute_chunk(arguments, patients):
    """Rows of some patients: what a Dask worker runs."""
    plan = plan_for(arguments)
    return {patient: plan.row(patient) for patient in patients}


def interactive():
    """Whether someone watches: a terminal, or an IPython or Jupyter session."""
    ipython = sys.modules.get("IPython")
    if ipython is not None and getattr(ipython, "get_ipython", lambda: None)() is not None:
        return True
    return sys.stderr is not None and sys.stderr.isatty()


def progress_bar(total, enabled):
    from tqdm.auto import tqdm
    return tqdm(total=total, unit="patient", desc="sweep", disable=not enabled)


def row_values(columns, row):
    fields = row.split(",")
    return [int(text) if column in WHOLE_COLUMNS else (float(text) if text else math.nan)
            for column, text in zip(columns, fields)]


def rows_frame(plan, rows):
    """The DataFrame of the rows computed so far, in grid order."""
    columns = plan.header.split(",")
    frame = pd.DataFrame([row_values(columns, rows[p]) for p in sorted(rows)], columns=columns)
    dtypes = {c: (np.int64 if c in WHOLE_COLUMNS else np.float64) for c in columns}
    return frame.astype(dtypes)


def compute_local(plan, jobs, bar):
    """Every patient on `jobs` threads; the model releases the GIL, so they
    run side by side. Returns the rows and whether Ctrl+C stopped it."""
    rows = {}
    finished = queue.SimpleQueue()
    next_patient = itertools.count()
    stop = threading.Event()

    def work():
        try:
            for patient in next_patient:
                if stop.is_set() or patient >= plan.patients:
                    return
                rows[patient] = plan.row(patient)
                finished.put(None)
        except BaseException as error:  # reaches the caller's thread
            finished.put(error)

    threads = [threading.Thread(target=work, daemon=True)
               for _ in range(min(jobs, plan.patients))]
    for thread in threads:
        thread.start()
    interrupted = False
    try:
        reported = 0
        while reported < plan.patients:
            # A short wait lets Ctrl+C through while the threads are busy.
            try:
                error = finished.get(timeout=0.2)
            except queue.Empty:
                continue
            if error is not None:
                raise error
            reported += 1
            bar.update(1)
    except KeyboardInterrupt:
        interrupted = True
    finally:
        stop.set()
        # Patients already running finish, so their rows are kept too.
        for thread in threads:
            thread.join()
    return rows, interrupted


def compute_on_cluster(plan, arguments, client, chunk_size, bar):
    """The patients in chunks on a Dask cluster; each worker settles the
    start-up session once and copies it for every patient, as threads do."""
    from distributed import as_completed

    if chunk_size is None:
        threads = sum(client.nthreads().values()) or 1
        chunk_size = max(1, min(64, math.ceil(plan.patients / (4 * threads))))
    chunks = [range(start, min(start + chunk_size, plan.patients))
              for start in range(0, plan.patients, chunk_size)]
    futures = client.map(compute_chunk, [arguments] * len(chunks), chunks, pure=False)
    rows = {}
    interrupted = False
    try:
        for future in as_completed(futures):
            chunk_rows = future.result()
            rows.update(chunk_rows)
            bar.update(len(chunk_rows))
    except KeyboardInterrupt:
        interrupted = True
        client.cancel(futures)
    return rows, interrupted


def sweep(vary, *, scale="linear", jobs=None, client=None, progress=None,
          chunk_size=None, **settings):
    """Run a grid of patients and return one DataFrame row per patient.

    The same grid, columns and numbers as ``breathlab-cli sweep``: each
    patient is a fresh start-up followed by one START (one settled start-up
    copied for every patient), so a row depends neither on the order, nor
    on the number of threads, nor on the machine, and equals
    :func:`breathlab.run` with the same settings bit for bit.

    Parameters
    ----------
    vary : dict
        The axes, ``{NAME: (FROM, TO, STEPS)}``, as ``--vary
        NAME=FROM:TO:STEPS``; names as in :func:`breathlab.run`
        ("RPeripheral", "UpperLeftLobe.CCC", "G1", or a region's dict
        ``{"LeftLung": {"RMain": (50, 400, 4)}}``). The first axis varies
        slowest. STEPS 1 to 100000; the grid up to ten million patients.
    scale : "linear" or "log"
        Spacing of every axis: equal steps, or equal ratios (``--scale``).
    jobs : int or None
        Threads that run patients (``--jobs``, 1 to 1024); None: one per
        core. Ignored with ``client``.
    client : distributed.Client or None
        A Dask client: the patients go to its cluster in chunks of
        ``chunk_size`` and the rows are gathered into the same DataFrame as
        a local sweep. Its workers need this module installed.
    progress : bool or None
        Show a progress bar (tqdm); None: when run interactively (a terminal,
        IPython or Jupyter).
    chunk_size : int or None
        Patients per Dask task; None: about four tasks per worker thread, at
        most 64 patients each.
    **settings
        Fixed percentages for every patient, as in :func:`breathlab.run`
        (``--set``). A parameter may appear only once among the axes and the
        settings.

    Returns
    -------
    pandas.DataFrame
        Columns ``patient`` (0-based grid position), one per axis and per
        fixed setting (percent), ``RunStatus`` (1 completed, 0 dead, -1 error)
        and the indices FEV1, FVCEX (l), FEV1%FVC (%), PEF, MEF75, MEF50,
        MEF25 (l/s), ERV (l), FlowAtFev1 (l/s), FRC, TLC (l), FET (s); NaN
        where the CSV leaves a failed run's field empty. ``.attrs["grid"]``
        holds the grid's definition (the ``#`` lines of the CSV) and
        ``.attrs["interrupted"]`` whether the sweep was stopped.

    Ctrl+C (KeyboardInterrupt) stops the sweep: the patients that are
    running finish, and the DataFrame of the finished rows is returned with a
    RuntimeWarning instead of losing them.

    Raises
    ------
    ValueError
        For a grid that ``breathlab-cli sweep`` refuses, with its message.
    """
    arguments = sweep_arguments(vary, scale, jobs, settings)
    plan = plan_for(arguments)
    show = interactive() if progress is None else bool(progress)
    with progress_bar(plan.patients, show) as bar:
        if client is None:
            rows, interrupted = compute_local(plan, plan.jobs or os.cpu_count() or 1, bar)
        else:
            rows, interrupted = compute_on_cluster(plan, arguments, client, chunk_size, bar)
    frame = rows_frame(plan, rows)
    frame.attrs["grid"] = list(plan.definition)
    frame.attrs["interrupted"] = interrupted
    if interrupted:
        warnings.warn(f"sweep interrupted: {len(rows)} of {plan.patients} patients finished; "
                      "the DataFrame holds their rows", RuntimeWarning, stacklevel=2)
    return frame
