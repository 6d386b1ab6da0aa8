// How breathlab-cli reports a run: a readable table and JSON lines (the CSV
// traces are written by run_csv.h).
#pragma once

#include "lung_model.h"
#include "number_text.h"
#include "result_record.h"

#include <array>
#include <ostream>

namespace breathlab {

// The indices a run reports, with their units, in the order of the record.
struct IndexField {
    const char* Name;  // the key in JSON and CSV, which scripts rely on
    const char* Title; // as a spirometry report names it, for people
    const char* Unit;
    float ResultRecord::*Field;
};
extern const std::array<IndexField, 12> kIndexFields;

// "completed", "dead" or "error".
const char* RunStatusWord(float status);

// Both reports give the indices only of a run that completed with possible
// results (run_outcome.h); otherwise "-" in the table and null in JSON.
void PrintIndexTable(std::ostream& out, int run, const ResultRecord& r, const LungModel& m);

// One JSON object on one line; floats with 9 significant digits so that the
// stored single-precision values round-trip.
void PrintJsonLine(std::ostream& out, const ResultRecord& r, const LungModel& m);

} // namespace breathlab
