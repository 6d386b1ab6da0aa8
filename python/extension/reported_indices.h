// The indices of a stored run as breathlab-cli's JSON reports them: the
// record's single-precision values written with 9 significant digits and read
// back, so that Python holds exactly the numbers a JSON reader gets from
// `breathlab-cli run --json`, and NaN where the JSON has null.
#pragma once

#include "result_record.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace breathlab::python {

struct ReportedIndices {
    int Status = 1;                     // 1 completed, 0 dead, -1 error (impossible results included)
    std::optional<std::string> Problem; // why a finished run's indices are refused
    std::vector<std::pair<std::string, double>> Values; // in the order of the JSON line
};

ReportedIndices ReportIndices(const ResultRecord& record);

// A number as a JSON reader gets it from the report's text; NaN for null.
double ReportedNumber(double value);

} // namespace breathlab::python
