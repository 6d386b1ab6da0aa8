#include "run_report.h"

#include "run_outcome.h"

#include <iomanip>

namespace breathlab {

const std::array<IndexField, 12> kIndexFields = {{
    {"FEV1", "FEV1", "l", &ResultRecord::FEV1},
    {"FVCEX", "FVC", "l", &ResultRecord::FVCEX},
    {"FEV1%FVC", "FEV1/FVC", "%", &ResultRecord::FEV1PercentFVC},
    {"PEF", "PEF", "l/s", &ResultRecord::PEF},
    {"MEF75", "MEF75", "l/s", &ResultRecord::MEF75},
    {"MEF50", "MEF50", "l/s", &ResultRecord::MEF50},
    {"MEF25", "MEF25", "l/s", &ResultRecord::MEF25},
    {"ERV", "ERV", "l", &ResultRecord::ERV},
    {"FlowAtFev1", "Flow at FEV1", "l/s", &ResultRecord::FlowAtFev1},
    {"FRC", "FRC", "l", &ResultRecord::FRC},
    {"TLC", "TLC", "l", &ResultRecord::TLC},
    {"FET", "FET", "s", &ResultRecord::FET},
}};

const char* RunStatusWord(float status) {
    if (status == 1) return "completed";
    if (status == 0) return "dead";
    return "error";
}

void PrintIndexTable(std::ostream& out, int run, const ResultRecord& r, const LungModel& m) {
    const RunOutcome outcome = JudgeRun(r);
    out << "Run " << run << ": " << RunStatusWord(outcome.Status);
    if (outcome.Problem) out << ", impossible results: " << outcome.Problem;
    out << " (model time " << NumberText(m.Time, 6) << " s, " << m.SubstepsIntegrated
        << " substeps)\n";
    for (const IndexField& f : kIndexFields)
        out << "  " << std::left << std::setw(13) << f.Title << std::setw(5) << f.Unit << std::right
            << std::setw(12) << (outcome.Completed() ? NumberText(r.*f.Field, 6) : "-") << '\n';
}

void PrintJsonLine(std::ostream& out, const ResultRecord& r, const LungModel& m) {
    const RunOutcome outcome = JudgeRun(r);
    out << "{\"RunStatus\":" << JsonNumber(outcome.Status);
    if (outcome.Problem) out << ",\"Problem\":\"" << outcome.Problem << '"';
    for (const IndexField& f : kIndexFields)
        out << ",\"" << f.Name << "\":" << (outcome.Completed() ? JsonNumber(r.*f.Field) : "null");
    out << ",\"ModelTime\":" << JsonNumber(m.Time) << ",\"Substeps\":" << m.SubstepsIntegrated
        << "}\n";
}

} // namespace breathlab
