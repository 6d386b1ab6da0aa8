// One examination of one patient, as `breathlab-cli run` makes it: a fresh
// start-up on the default history set, the reference's percentages if one is
// given, and one START.
#pragma once

#include "cli_arguments.h"
#include "parameter_set.h"
#include "result_record.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace breathlab::python {

struct PatientRun {
    std::shared_ptr<ResultHistory> History; // slot 0 the reference, slot 1 the run
    double ModelTime = 0;                    // s, where the run ended
    std::int64_t Substeps = 0;
};

// "[REGION.]NAME=PERCENT" texts as --set takes them; throws
// std::invalid_argument with breathlab-cli's message at the first bad one.
std::vector<ParameterSetting> ParseSettingTexts(const std::vector<std::string>& texts);

// The settings applied in order onto 100 % everywhere, the last of two for
// the same percentage winning as with repeated --set.
ParameterSet ParseSettings(const std::vector<std::string>& texts);

// Runs without touching Python objects, so that callers may release the GIL.
PatientRun RunPatientOnce(const ParameterSet& patient, const ResultRecord* reference);

} // namespace breathlab::python
