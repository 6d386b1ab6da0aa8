// What a run shows, measured the way a teacher reads a spirometry report: the
// indices, each also in percent of the reference, the textbook pattern, and
// how much each lobe took part in the forced expiration.
#pragma once

#include "result_record.h"
#include "teaching_case.h"

#include <optional>
#include <string>
#include <vector>

namespace breathlab {

// A named measure of a run against a reference:
//   FEV1 FVC FEV1%FVC PEF MEF75 MEF50 MEF25 ERV FRC TLC FET   the indices
//   NAME%ref                                                the index in % of the reference's
//   LobeSwing1..5        volume the lobe gives up in the forced expiration, L
//   LobeSwing1..5%ref    the same in % of the reference lobe's
//   LeftEmptied, RightEmptied  share (0..1) of the side's swing given up by the
//                              FEV1 point: a late-emptying side scores low
// Unknown names and measures that cannot be computed give nullopt.
std::optional<double> CaseMeasure(const ResultRecord& run, const ResultRecord& reference,
                                  const std::string& name);

// The pattern by the usual reading rules: PEF reduced far more than FEV1
// (below 0.7 of FEV1's percentage) is a central-airway obstruction; then
// FEV1/FVC below 70 % is obstructive, FVC below 80 % of the reference
// restrictive, both together mixed, neither normal.
Pattern ClassifyPattern(const ResultRecord& run, const ResultRecord& reference);

// The expectations of a case that a run does not meet, each as a line of
// text with the measured value; empty when the run shows the case's pattern.
// A run that did not complete fails every case.
std::vector<std::string> UnmetExpectations(const TeachingCase& c, const ResultRecord& run,
                                           const ResultRecord& reference);

} // namespace breathlab
