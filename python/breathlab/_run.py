"""One examination of one patient, as `breathlab-cli run` makes it."""

import os

from . import _breathlab
from ._history import History, load
from ._result import Result
from ._settings import setting_texts


def reference_history(reference):
    """The stored history whose slot 0 gives the reference percentages."""
    if reference is None:
        return None
    if isinstance(reference, Result):
        reference = reference.history
    if not isinstance(reference, History):
        reference = load(os.fspath(reference))
    return reference._stored


def result_of(outcome):
    stored, model_time, substeps = outcome
    return Result(History(stored), 1, model_time, substeps)


def run(reference=None, **settings):
    """Run one simulated spirometry examination and return its Result.

    The patient starts from a fresh start-up of the model, as the window's
    first START does, and goes through quiet breathing, a slow expiration to
    residual volume, a deep inspiration and a forced expiration. The numbers
    are those of ``breathlab-cli run --json`` with the same settings, bit
    for bit.

    Parameters
    ----------
    **settings
        Percentages of the reference's values; with the default reference 100
        is a healthy adult, so they read as percent of normal. Any finite
        number above 0 is taken (the window's slider ranges, given in
        brackets, are the physiological ones). The eight parameters, for both
        lungs when given by name:

        - ``RMain``: resistance of the main airways, trachea and main
          bronchi [50..800]
        - ``VDc``: volume of the central airways, the dead space [50..250]
        - ``RMiddle``: resistance of the middle airways (1/lumen) [50..1600]
        - ``StiffMiddle``: stiffness of the middle airways against their
          collapse [no slider]
        - ``RPeripheral``: resistance of the peripheral airways [50..800]
        - ``CCC``: closing volume, the lobe volume at which the peripheral
          airways close [50..250]
        - ``Size``: lung size [50..150]
        - ``Cm``: lung compliance [50..150]

        A region is given as a dict of these: ``LeftLung``, ``RightLung``,
        ``BothLungs``, ``UpperLeftLobe``, ``LowerLeftLobe``,
        ``UpperRightLobe``, ``MiddleRightLobe``, ``LowerRightLobe``; for
        example ``LeftLung={"RMiddle": 400}``. A lobe's percentage multiplies
        its lung's and both lungs' (``Size`` of a single lobe is not used).
        ``G1`` to ``G20`` are the further percentages: ``G1`` the expiration
        depth (expiratory muscle pressure) [25..400], ``G2`` the rise rate of
        that pressure, ``G3`` the inspiratory muscle pressure, ``G4`` the
        flow at which the forced expiration counts as ended; the model does
        not use ``G5`` to ``G20``. Names ignore letter case; a setting given
        twice takes its last value, like repeated ``--set``.
    reference : None, str, path, History or Result
        The reference whose percentages the run's multiply, as
        ``breathlab-cli run --reference FILE.spi``: slot 0 of a simulation
        file, of a History or of a Result's history. None: the default
        reference of healthy values.

    Returns
    -------
    Result
        ``.indices`` (dict with breathlab-cli's JSON keys and numbers: FEV1,
        FVCEX, FEV1%FVC, PEF, MEF75, MEF50, MEF25, ERV, FlowAtFev1, FRC, TLC,
        FET, ModelTime, Substeps; volumes in l, flows in l/s, FEV1%FVC in %,
        FET and ModelTime in s), ``.status`` (1 completed, 0 dead: the subject
        could not inspire, -1 error), ``.problem``, ``.settings`` (the
        percentages that are not 100), the traces ``.volume_time`` (time s,
        volume l) and ``.flow_volume`` (volume l, flow l/s, expiration
        negative) as numpy arrays, and ``.history`` (for :func:`save`).
        See :class:`breathlab.Result`.

    Raises
    ------
    ValueError
        For a setting that breathlab-cli refuses, with its message
        ("bad setting 'RMain=-5': the percentage must be a finite number
        above 0"). A run that the model cannot finish raises nothing: it has
        ``status`` 0 or -1 and NaN indices.
    breathlab.FileError
        When the reference file cannot be read.

    Examples
    --------
    >>> r = breathlab.run(RPeripheral=800, LeftLung={"RMiddle": 400})
    >>> r.indices["FEV1%FVC"] < 70
    True

    The model runs without holding the GIL, so threads run patients in
    parallel (``concurrent.futures.ThreadPoolExecutor``).
    """
    texts = setting_texts(settings)
    return result_of(_breathlab.run(texts, reference_history(reference)))
