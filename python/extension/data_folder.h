// What the module reads once from its data folder: the default history set,
// from which every patient starts as breathlab-cli's do, and the case library.
#pragma once

#include "result_record.h"
#include "teaching_case.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace breathlab::python {

// A file that could not be read or written; Python sees it as an OSError.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct DataFolder {
    std::unique_ptr<ResultHistory> Defaults;
    std::string CaseTablePath;
    std::vector<TeachingCase> Cases;
};

// Reads "datfiles1/standard.dat" and "cases/case_table.txt" under `folder`;
// throws FileError when either is missing or unreadable, since runs on another
// start-up history would not give breathlab-cli's numbers.
void UseDataFolder(const std::string& folder);

// The folder's contents; throws FileError before UseDataFolder succeeded.
const DataFolder& Data();

} // namespace breathlab::python
