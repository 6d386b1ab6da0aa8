"""History sets: the five run records that a simulation file (.spi) holds."""

import operator
import os

from . import _breathlab
from ._result import Result

SLOTS = 5


class History:
    """The five records of a simulation file, as the window keeps them.

    Slot 0 is the reference, slot 1 the newest run, slots 2 and 3 older runs
    and slot 4 an overflow slot that the window keeps but never shows.
    ``history[slot]`` gives the record of a slot as a :class:`Result`.
    """

    def __init__(self, stored):
        self._stored = stored

    def __len__(self):
        return SLOTS

    def __getitem__(self, slot):
        slot = operator.index(slot)
        if not -SLOTS <= slot < SLOTS:
            raise IndexError("a history set has the slots 0 to 4")
        return Result(self, slot % SLOTS)

    def __iter__(self):
        return (self[slot] for slot in range(SLOTS))

    def __repr__(self):
        return "<breathlab.History: " + ", ".join(
            f"slot {r.slot} {r.status_word}" for r in self) + ">"

    @property
    def reference(self):
        """The reference run, slot 0."""
        return self[0]

    def to_bytes(self):
        """The 621360 bytes of the simulation file."""
        return self._stored.to_bytes()

    @classmethod
    def from_bytes(cls, data):
        """A history set from the bytes of a simulation file; bytes beyond the
        first 621360 are ignored, fewer raise ValueError."""
        return cls(_breathlab.HistorySet.from_bytes(bytes(data)))

    def __eq__(self, other):
        return isinstance(other, History) and self.to_bytes() == other.to_bytes()

    __hash__ = None


def load(path):
    """Read a simulation file (.spi) or history set (datfiles1/standard.dat).

    Uses breathlab-cli's reader with its checks. Returns a :class:`History`;
    ``load(path)[1]`` is the newest run. A file that cannot be read, or is not
    a history set, raises :class:`breathlab.FileError` (an OSError) with
    breathlab-cli's message.
    """
    return History(_breathlab.HistorySet.read(os.fspath(path)))


def save(path, history):
    """Write a simulation file (.spi) that the window and breathlab-cli open.

    ``history`` is a :class:`History` or a :class:`Result` (whose whole history
    is written: its reference in slot 0, the run in slot 1, as
    ``breathlab-cli run --save`` does). The file is written under a temporary
    name and renamed, so a failed write leaves no half-written file; a failure
    raises :class:`breathlab.FileError` with breathlab-cli's message.
    """
    if isinstance(history, Result):
        history = history.history
    if not isinstance(history, History):
        raise TypeError("save() takes a breathlab.History or a breathlab.Result")
    history._stored.write(os.fspath(path))

