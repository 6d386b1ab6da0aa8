"""The case library and the exercise patients."""

import dataclasses
import numbers

from . import _breathlab
from ._run import reference_history, result_of
from ._settings import setting_texts


@dataclasses.dataclass(frozen=True)
class Case:
    """A patient of the case library with its teaching note.

    ``pattern`` is what the report shows ("normal", "obstructive",
    "restrictive", "mixed", "central"), ``sites`` where the fault sits (any of
    them counts as the right answer in the exercise: "none", "central",
    "middle", "peripheral", "tissue"), ``settings`` the case's percentages as
    ``breathlab-cli run --set`` takes them.
    """

    name: str
    title: str
    condition: str
    look_for: str
    pattern: str
    sites: tuple
    in_exercise: bool
    settings: tuple


@dataclasses.dataclass(frozen=True)
class Exercise:
    """An exercise round: its number, the case it is drawn from, whether the
    patient is a random member of the case's family (half of the rounds are)
    rather than the case itself, and the examination of that patient."""

    number: int
    case: Case
    random_patient: bool
    result: object


def cases():
    """The case library: a list of :class:`Case`, in the order of the table
    (the same cases as the window's "Cases" and ``breathlab-cli run --case``)."""
    return [Case(**{**entry, "sites": tuple(entry["sites"]),
                    "settings": tuple(entry["settings"])})
            for entry in _breathlab.cases()]


def run_case(name, reference=None, **settings):
    """Run the case ``name`` of the library (letter case ignored), with any
    further settings on top, as ``breathlab-cli run --case NAME --set ...``.

    Takes the same settings and ``reference`` as :func:`breathlab.run` and
    returns a :class:`breathlab.Result`. An unknown case raises ValueError with
    breathlab-cli's message, which lists the cases.
    """
    texts = setting_texts(settings)
    return result_of(_breathlab.run_case(str(name), texts, reference_history(reference)))


def exercise(number, reference=None):
    """The patient of exercise round ``number`` (1 to 99999), examined.

    The same number gives the same patient as the window's "Open exercise"
    on any machine. Returns an :class:`Exercise`; its ``case`` holds the
    answer, so look at ``result`` first. Any other number raises ValueError.
    """
    if (isinstance(number, bool) or not isinstance(number, numbers.Integral)
            or abs(number) >= 2**31):
        raise ValueError(f"bad exercise number '{number}': expected a whole number "
                         "from 1 to 99999")
    name, random_patient, outcome = _breathlab.run_exercise(int(number),
                                                            reference_history(reference))
    case = next(c for c in cases() if c.name == name)
    return Exercise(int(number), case, random_patient, result_of(outcome))
