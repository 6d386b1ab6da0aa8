// Traces of the working record while a run records, and the spirometric
// indices derived from them at the end of a completed run.
#pragma once

#include "lung_model.h"
#include "result_record.h"

namespace breathlab {

// Which quantity the run records as its sampled signal; 1 is the airway flow
// at the current region, the only choice the program makes.
constexpr int RecordedSignal = 1;
// The region the signal is taken at: both lungs, i.e. the flow at the mouth.
constexpr int kRecordedRegion = 0;

// Airway flow at a region: -2 left lung, -1 right lung, 0 both lungs, 1..5 a lobe.
double AirwayFlowAt(const LungModel& m, int region);

// One millisecond of recording; called while Recording is set and the run is
// still completing.
void RecordMillisecond(LungModel& m, ResultRecord& working);

// FVC, FEV1, PEF, MEFs, ERV and TLC from the samples of a completed run.
void ComputeIndices(LungModel& m, ResultRecord& working);

} // namespace breathlab
