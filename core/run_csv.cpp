#include "run_csv.h"

#include "history_set_io.h"
#include "lung_model.h"
#include "number_text.h"

#include <sstream>

namespace breathlab {

namespace {

// Samples past the last one with a volume or a flow were never recorded.
int LastFilledSample(const ResultRecord& r) {
    int last = 0;
    for (int i = 1; i <= kSampleCapacity; ++i)
        if (r.SampleVolume[i - 1] != 0 || r.SampleSignal[i - 1] != 0) last = i;
    return last;
}

} // namespace

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
        out << i << ',' << NumberText(r.SampleVolume[i - 1]) << ','
            << NumberText(r.SampleSignal[i - 1]);
        for (int j = 0; j < kLobeCount; ++j)
            out << ',' << NumberText(r.LobeSegmentResistanceTrace[i][j]) << ','
                << NumberText(r.LobePeripheralResistanceTrace[i][j]) << ','
                << NumberText(r.LobeVolumeTrace[i][j]) << ',' << int(r.LobeFlowLimitedTrace[i][j]);
        out << '\n';
    }
    return out.str();
}

std::array<std::string, 2> TraceCsvPaths(const std::string& prefix) {
    return {prefix + "-volume-time.csv", prefix + "-flow-volume.csv"};
}

bool WriteTraceCsv(const std::string& prefix, const ResultRecord& r, std::string& error) {
    const std::string volumeTime = VolumeTimeCsv(r);
    const std::string flowVolume = FlowVolumeCsv(r);
    const std::array<std::string, 2> paths = TraceCsvPaths(prefix);
    return WriteFileAtomically(paths[0], volumeTime.data(), volumeTime.size(), error) &&
           WriteFileAtomically(paths[1], flowVolume.data(), flowVolume.size(), error);
}

} // namespace breathlab
