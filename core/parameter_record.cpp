#include "parameter_record.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace breathlab {

float ToStoredSingle(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    if (std::isinf(value)) return static_cast<float>(value);
    return static_cast<float>(std::clamp(value, -kLargest, kLargest));
}

void StoreParameterSet(ResultRecord& record, const ParameterSet& parameters) {
    for (int row = 0; row < kRegionRows; ++row)
        for (int column = 0; column < kParameterCount; ++column)
            record.ParameterBlock[row][column] =
                ToStoredSingle(parameters.RegionParams[row][column]);
    for (int entry = 0; entry < kGlobalParams; ++entry)
        record.GlobalParamBlock[entry] = ToStoredSingle(parameters.GlobalParams[entry]);
}

void ClearSamples(ResultRecord& record) {
    std::fill(std::begin(record.SampleVolume), std::end(record.SampleVolume), 0.0f);
    std::fill(std::begin(record.SampleSignal), std::end(record.SampleSignal), 0.0f);
}

void ClearRunTraces(ResultRecord& record) {
    std::fill(std::begin(record.TimeAxis), std::end(record.TimeAxis), 0.0f);
    std::fill(std::begin(record.VolumeTrace), std::end(record.VolumeTrace), 0.0f);
    ClearSamples(record);
}

} // namespace breathlab
