#include "run_report.h"

#include "history_set_io.h"

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <sstream>

namespace breathlab {

namespace {

struct IndexField {
    const char* name;
    const char* unit;
    float ResultRecord::*field;
};

constexpr IndexField kIndexFields[] = {
    {"FEV1", "l", &ResultRecord::FEV1},       {"FVCEX", "l", &ResultRecord::FVCEX},
    {"FEV1%FVC", "%", &ResultRecord::FEV1PercentFVC},
    {"PEF", "l/s", &ResultRecord::PEF},       {"MEF75", "l/s", &ResultRecord::MEF75},
    {"MEF50", "l/s", &ResultRecord::MEF50},   {"MEF25", "l/s", &ResultRecord::MEF25},
    {"ERV", "l", &ResultRecord::ERV},         {"FlowAtFev1", "l/s", &ResultRecord::FlowAtFev1},
    {"FRC", "l", &ResultRecord::FRC},         {"TLC", "l", &ResultRecord::TLC},
    {"FET", "s", &ResultRecord::FET},
};

std::string Number(double value, int significant) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", significant, value);
    return text;
}

// JSON has no NaN or infinity; they are written as null.
std::string JsonNumber(double value) { return std::isfinite(value) ? Number(value, 9) : "null"; }

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
            out << Number(r.TimeAxis[i - 1], 9) << ',' << Number(r.VolumeTrace[i - 1], 9) << '\n';
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
        out << i << ',' << Number(r.SampleVolume[i - 1], 9) << ',' << Number(r.SampleSignal[i - 1], 9);
        for (int j = 0; j < kLobeCount; ++j)
            out << ',' << Number(r.LobeSegmentResistanceTrace[i][j], 9) << ','
                << Number(r.LobePeripheralResistanceTrace[i][j], 9) << ','
                << Number(r.LobeVolumeTrace[i][j], 9) << ',' << int(r.LobeFlowLimitedTrace[i][j]);
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
    out << "Run " << run << ": " << RunStatusWord(r.RunStatus) << " (model time "
        << Number(m.Time, 6) << " s, " << m.SubstepsIntegrated << " substeps)\n";
    for (const IndexField& f : kIndexFields)
        out << "  " << std::left << std::setw(11) << f.name << std::setw(5) << f.unit
            << std::right << std::setw(12) << Number(r.*f.field, 6) << '\n';
}

void PrintJsonLine(std::ostream& out, const ResultRecord& r, const LungModel& m) {
    out << "{\"RunStatus\":" << JsonNumber(r.RunStatus);
    for (const IndexField& f : kIndexFields) out << ",\"" << f.name << "\":" << JsonNumber(r.*f.field);
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
