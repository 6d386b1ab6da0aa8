"""Keyword arguments into the settings that breathlab-cli takes as text.

The extension parses the text with breathlab-cli's own parser, so that a bad
argument gives the command line's message and a number gives the same double
as it does on the command line.
"""

import numbers
from collections.abc import Mapping


def number_text(value):
    """A number as the command line would be given it: the shortest text that
    reads back as the same double; anything else as its text, for the
    parser to refuse with its message."""
    if isinstance(value, bool):
        return str(value)
    if isinstance(value, numbers.Integral):
        return str(int(value))
    if isinstance(value, numbers.Real):
        return repr(float(value))
    return str(value)


def setting_pairs(settings):
    """(NAME, value) pairs: a mapping as a value names a region, whose
    entries become "REGION.NAME"."""
    for name, value in settings.items():
        if isinstance(value, Mapping):
            for inner, inner_value in value.items():
                yield f"{name}.{inner}", inner_value
        else:
            yield name, value


def setting_texts(settings):
    """["NAME=PERCENT", ...] as `breathlab-cli run --set` takes them."""
    return [f"{name}={number_text(value)}" for name, value in setting_pairs(settings)]


def axis_text(name, axis):
    """"NAME=FROM:TO:STEPS" as `breathlab-cli sweep --vary` takes it."""
    if isinstance(axis, (tuple, list)):
        return f"{name}=" + ":".join(number_text(part) for part in axis)
    return f"{name}={number_text(axis)}"
