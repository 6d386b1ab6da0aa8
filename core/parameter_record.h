// The working parameter set as a run record stores it, and the traces a new
// run starts without.
#pragma once

#include "parameter_set.h"
#include "result_record.h"

namespace breathlab {

// Records hold single precision. A percentage too large for it is kept as the
// largest single value, since converting it directly would be undefined; NaN
// and infinities stay what they are.
float ToStoredSingle(double value);

// RegionParams and GlobalParams into a record's ParameterBlock and GlobalParamBlock.
void StoreParameterSet(ResultRecord& record, const ParameterSet& parameters);

// Clears what a run draws while it goes: the 100 ms trace and the samples.
void ClearRunTraces(ResultRecord& record);
void ClearSamples(ResultRecord& record);

} // namespace breathlab
