// The case library for Python: a case by name with settings on top, as
// `breathlab-cli run --case NAME --set ...` runs it, and the patients of the
// exercise rounds.
#pragma once

#include "exercise_session.h"
#include "parameter_set.h"

#include <cstdint>
#include <string>
#include <vector>

namespace breathlab::python {

// The case's percentages with the settings applied on top; throws
// std::invalid_argument with breathlab-cli's message for an unknown case or
// a bad setting.
ParameterSet CasePatient(const std::string& name, const std::vector<std::string>& settingTexts);

// The round of exercise number `seed` (1..kLargestExerciseSeed); throws
// std::invalid_argument for any other number.
ExerciseRound ExerciseRoundFor(long seed);

} // namespace breathlab::python
