// Running the patients of the case library without a window, and writing
// the library's simulation files.
#pragma once

#include "parameter_set.h"
#include "result_record.h"
#include "teaching_case.h"

#include <memory>
#include <string>
#include <vector>

namespace breathlab {

// A fresh start-up on the default history and one START with the given
// percentages: slot 0 holds the reference, slot 1 the patient's run. Each
// patient gets a start-up of its own, so no run depends on another.
std::unique_ptr<ResultHistory> RunPatient(const ParameterSet& patient,
                                          const ResultHistory* defaults);

// One simulation file per case, "NAME.spi" in `folder`, each the history of
// RunPatient with the case's settings. Stops at the first file that cannot
// be written, with a message.
bool WriteCaseFiles(const std::vector<TeachingCase>& cases, const ResultHistory* defaults,
                    const std::string& folder, std::string& error);

} // namespace breathlab
