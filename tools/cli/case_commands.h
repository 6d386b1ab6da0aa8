// The command line's part of the case library: `cases`, which lists them,
// `run --case NAME` and `make-cases`, which regenerates the library's
// simulation files.
#pragma once

#include "cli_arguments.h"
#include "result_record.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace breathlab {

// An unknown case is a bad argument; a table that cannot be read, a file error.
enum class CaseChoice { Applied, UnknownCase, TableUnreadable };

// What a report says of the case its runs come from.
struct CaseDescription {
    std::string Title;
    std::string Note; // what the patient has, then what to look for
};

// Replaces the run's percentages by the case's settings with the --set
// values on top, and describes the case. The case table is read from
// `tableFile`. Unless applied, the message says why (an unknown name lists the
// cases).
CaseChoice ApplyCase(RunOptions& options, const std::filesystem::path& tableFile,
                     CaseDescription& description, std::string& error);

// One line per case of the table: its name, a tab, its title.
bool ListCases(const std::filesystem::path& tableFile, std::ostream& out, std::string& error);

// Replaces the run's percentages by the patient of the exercise number, with
// the --set values on top, as ApplyCase does for a case.
bool ApplyExercise(RunOptions& options, const std::filesystem::path& tableFile, std::string& error);

// Writes NAME.spi for every case of the table into `folder`.
bool MakeCaseFiles(const std::string& tableFile, const std::string& folder,
                   const ResultHistory* defaults, std::string& error);

} // namespace breathlab
