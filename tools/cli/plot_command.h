// `run --plot FILE`: the figures of the runs, drawn without a display by the
// window's drawing code.
#pragma once

#include "result_record.h"

#include <string>

namespace breathlab {

// Draws the history's reference and its newest `runs` runs (at most three
// listed, the newest selected) into FILE.png, FILE.svg or the report FILE.pdf.
// `source` names the runs in the report.
bool WritePlotFile(const std::string& path, const ResultHistory& history, int runs,
                   const std::string& source, std::string& error);

} // namespace breathlab
