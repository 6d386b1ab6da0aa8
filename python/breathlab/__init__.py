"""breathlab: a simulator of forced expiration (spirometry) for research.

The same model and numbers as the breathlab window and breathlab-cli:

- :func:`run` one examination of one patient, with numpy traces;
- :func:`sweep` a grid of patients into a pandas DataFrame, on local threads
  or on a Dask cluster (``client=``);
- :func:`cases`, :func:`run_case` and :func:`exercise` for the case library;
- :func:`load` and :func:`save` for simulation files (.spi);
- :func:`plot` the flow-volume and volume-time curves with matplotlib.

Percentages are of the reference's values, 100 being a healthy adult with
the default reference; volumes are in litres, flows in litres per second.
"""

import os as _os

from . import _breathlab
from ._breathlab import FileError
from ._cases import Case, Exercise, cases, exercise, run_case
from ._history import History, load, save
from ._plot import plot
from ._result import Result
from ._run import run
from ._sweep import sweep

__version__ = _breathlab.model_version
__all__ = ["run", "sweep", "cases", "run_case", "exercise", "load", "save", "plot",
           "Result", "History", "Case", "Exercise", "FileError"]

# help() names the package, not the private file a name is defined in.
for _public in (run, sweep, cases, run_case, exercise, load, save, plot,
                Result, History, Case, Exercise):
    _public.__module__ = __name__

# The default history set and the case table travel inside the package.
_breathlab.use_data_folder(_os.path.join(_os.path.dirname(__file__), "data"))
