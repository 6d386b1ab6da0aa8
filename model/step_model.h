// One millisecond of model time: substeps, parameter ramps, mechanics, the
// pleural pressure with the lobar flows, and explicit Euler integration.
#pragma once

#include "lung_model.h"

namespace breathlab {

// Advances the model by exactly 1 ms, or sets NumericalFailure and returns
// early, leaving the state as it was at the failing point.
void StepModel(LungModel& m);

} // namespace breathlab
