#include "reported_indices.h"

#include "number_text.h"
#include "run_outcome.h"
#include "run_report.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace breathlab::python {

double ReportedNumber(double value) {
    if (!std::isfinite(value)) return std::numeric_limits<double>::quiet_NaN();
    const std::string text = JsonNumber(value);
    double reported = 0;
    std::from_chars(text.data(), text.data() + text.size(), reported);
    return reported;
}

ReportedIndices ReportIndices(const ResultRecord& record) {
    const RunOutcome outcome = JudgeRun(record);
    ReportedIndices report;
    report.Status = static_cast<int>(outcome.Status);
    if (outcome.Problem) report.Problem = outcome.Problem;
    for (const IndexField& field : kIndexFields)
        report.Values.emplace_back(field.Name,
                                   outcome.Completed()
                                       ? ReportedNumber(record.*field.Field)
                                       : std::numeric_limits<double>::quiet_NaN());
    return report;
}

} // namespace breathlab::python
