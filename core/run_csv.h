// A run's samples and traces as two CSV tables, the files `breathlab-cli run
// --csv PREFIX` and the window's File > Export write alike:
// PREFIX-volume-time.csv (the volume-time trace) and PREFIX-flow-volume.csv
// (the flow-volume samples with the lobes' resistances, volumes and
// flow limitation at each).
#pragma once

#include "result_record.h"

#include <array>
#include <string>

namespace breathlab {

std::string VolumeTimeCsv(const ResultRecord& r);
std::string FlowVolumeCsv(const ResultRecord& r);

// The two files' paths for PREFIX, volume-time first.
std::array<std::string, 2> TraceCsvPaths(const std::string& prefix);

// Writes both files; false with a message when either cannot be written.
bool WriteTraceCsv(const std::string& prefix, const ResultRecord& r, std::string& error);

} // namespace breathlab
