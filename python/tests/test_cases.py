"""cases(), run_case() and exercise()."""

import re

import pytest

import breathlab
from conftest import cli_error, cli_json, same_numbers


def table_names():
    """The case names in the order of the table that the build copied."""
    import os
    table = os.path.join(os.path.dirname(breathlab.__file__), "data", "cases", "case_table.txt")
    with open(table) as lines:
        return [m.group(1) for m in (re.match(r"case (\S+)$", l.strip()) for l in lines) if m]


def test_cases_list_the_library():
    cases = breathlab.cases()
    assert [c.name for c in cases] == table_names() and len(cases) == 13
    mild = next(c for c in cases if c.name == "mild-asthma")
    assert mild.pattern == "obstructive" and mild.title and mild.condition and mild.look_for
    assert all(isinstance(c.sites, tuple) and c.sites for c in cases)
    assert any(c.in_exercise for c in cases)


@pytest.mark.parametrize("name,settings,sets", [
    ("mild-asthma", {}, []),
    ("RESTRICTIVE", {"RMain": 150}, ["RMain=150"]),
])
def test_a_case_runs_as_the_cli_runs_it(name, settings, sets):
    result = breathlab.run_case(name, **settings)
    arguments = ["--case", name] + [a for s in sets for a in ("--set", s)]
    assert same_numbers(result.indices, cli_json(*arguments))


def test_an_unknown_case_lists_the_cases():
    with pytest.raises(ValueError) as raised:
        breathlab.run_case("no-such-case")
    assert str(raised.value) == cli_error("run", "--case", "no-such-case")
    assert "mild-asthma" in str(raised.value)
    with pytest.raises(ValueError):
        breathlab.run_case("normal", Resistance=5)


def test_an_exercise_number_always_brings_the_same_patient():
    first, again = breathlab.exercise(4711), breathlab.exercise(4711)
    assert first.number == 4711 and first.case.in_exercise
    assert same_numbers(first.result.indices, again.result.indices)
    assert first.result.settings == again.result.settings


def test_exercise_rounds_are_cases_or_their_family():
    # Among the first numbers are rounds of both kinds; a round of the case
    # itself is the case's own run.
    rounds = [breathlab.exercise(n) for n in range(1, 7)]
    own = [r for r in rounds if not r.random_patient]
    assert own and len(own) < len(rounds)
    for r in own:
        case_run = breathlab.run_case(r.case.name)
        assert same_numbers(r.result.indices, case_run.indices)


@pytest.mark.parametrize("number", [0, 100000, -3, 2**70, 1.5, "7", True])
def test_exercise_numbers_outside_the_range_are_refused(number):
    with pytest.raises(ValueError, match="from 1 to 99999"):
        breathlab.exercise(number)
