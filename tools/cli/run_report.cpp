#include "run_report.h"

#include "history_set_io.h"
#include "run_outcome.h"

#include <iomanip>
#include <sstream>

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

namespace {

int LastFilledSample(const ResultRecord& r) {
    int last = 0;
    for (int i = 1; i <= kSampleCapacity; ++i)
        if (r.SampleVolume[i - 1] != 0 || r.SampleSignal[i - 1] != 0) last = i;
    return last;
}

std::string VolumeTimeCsv(const ResultRecord& r) {
    std::ostringstream out;
    out << "time_s,volume_l\n";
    for (int i = 1; i <= kTracePoints; ++i)
        if (r.TimeAxis[i - 1] != 0)
            out << NumberText(r.TimeAxis[i - 1]) << ',' << NumberText(r.VolumeTrace[i - 1]) << '\n';
    return out.str();
}

std::string FlowVolumeCsv(const ResultRecord& r) {
    std::ostringstream out;
    out << "sample,volume_l,flow_l_per_s";
    for (int j = 1; j <= kLobeCount; ++j)
        out << ",segment_resistance_" << j << ",peripheral_resistance_" << j << ",lobe_volume_" << j
            << ",flow_limited_" << j;
    out << '\n';
    const int last = LastFilledSample(r);
    for (int i = 1; i <= last; ++i) {
        out << i << ',' << NumberText(r.SampleVolume[i - 1]) << ',' << NumberText(r.SampleSignal[i - 1]);
        for (int j = 0; j < kLobeCount; ++j)
            out << ',' << NumberText(r.LobeSegmentResistanceTrace[i][j]) << ','
                << NumberText(r.LobePeripheralResistanceTrace[i][j]) << ','
                << NumberText(r.LobeVolumeTrace[i][j]) << ',' << int(r.LobeFlowLimitedTrace[i][j]);
        out << '\n';
    }
    return out.str();
}

} // namespace

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

bool WriteTraceCsv(const std::string& prefix, const ResultRecord& r, std::string& error) {
    const std::string volumeTime = VolumeTimeCsv(r);
    const std::string flowVolume = FlowVolumeCsv(r);
    return WriteFileAtomically(prefix + "-volume-time.csv", volumeTime.data(), volumeTime.size(),
                               error) &&
           WriteFileAtomically(prefix + "-flow-volume.csv", flowVolume.data(), flowVolume.size(),
                               error);
}

} // namespace breathlab
