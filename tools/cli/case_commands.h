// The command line's part of the case library: `run --case NAME` and
// `make-cases`, which regenerates the library's simulation files.
#pragma once

#include "cli_arguments.h"
#include "result_record.h"

#include <filesystem>
#include <string>

namespace breathlab {

// Replaces the run's percentages by the case's settings with the --set
// values on top. The case table is read from `tableFile`. Returns false with a
// message when the table cannot be read or has no such case.
bool ApplyCase(RunOptions& options, const std::filesystem::path& tableFile, std::string& error);

// Replaces the run's percentages by the patient of the exercise number, with
// the --set values on top, as ApplyCase does for a case.
bool ApplyExercise(RunOptions& options, const std::filesystem::path& tableFile, std::string& error);

// Writes NAME.spi for every case of the table into `folder`.
bool MakeCaseFiles(const std::string& tableFile, const std::string& folder,
                   const ResultHistory* defaults, std::string& error);

} // namespace breathlab
