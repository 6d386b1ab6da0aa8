#include "history_set_check.h"

#include "number_text.h"
#include "setting_names.h"
#include "stored_percent.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace breathlab {

namespace {

// The single-precision areas of a record, by name; the byte areas (flow
// limitation flags, reserved bytes) may hold anything.
struct FloatArea {
    std::string_view Name;
    std::size_t Offset;
    std::size_t Count;
};
#define BREATHLAB_AREA(field) \
    FloatArea { #field, offsetof(ResultRecord, field), sizeof(ResultRecord::field) / sizeof(float) }
const std::array<FloatArea, 24> kFloatAreas = {
    BREATHLAB_AREA(TimeAxis),
    BREATHLAB_AREA(VolumeTrace),
    BREATHLAB_AREA(SampleVolume),
    BREATHLAB_AREA(SampleSignal),
    BREATHLAB_AREA(LobeSegmentResistanceTrace),
    BREATHLAB_AREA(LobePeripheralResistanceTrace),
    BREATHLAB_AREA(LobeVolumeTrace),
    BREATHLAB_AREA(TrachealTurbulentCoefficientAtLastSample),
    BREATHLAB_AREA(LeftBronchusResistanceAtLastSample),
    BREATHLAB_AREA(RightBronchusResistanceAtLastSample),
    BREATHLAB_AREA(FEV1),
    BREATHLAB_AREA(FVCEX),
    BREATHLAB_AREA(FEV1PercentFVC),
    BREATHLAB_AREA(PEF),
    BREATHLAB_AREA(MEF75),
    BREATHLAB_AREA(MEF50),
    BREATHLAB_AREA(MEF25),
    BREATHLAB_AREA(ERV),
    BREATHLAB_AREA(FlowAtFev1),
    BREATHLAB_AREA(FRC),
    BREATHLAB_AREA(TLC),
    BREATHLAB_AREA(RunStatus),
    BREATHLAB_AREA(FET),
    BREATHLAB_AREA(SignalSelection),
};
#undef BREATHLAB_AREA

std::string RecordName(int slot) {
    return slot == 0 ? "record 0 (the reference)"
                     : "record " + std::to_string(slot) + " (run " + std::to_string(slot) + ")";
}

float FloatAt(const ResultRecord& record, std::size_t offset) {
    float value;
    std::memcpy(&value, reinterpret_cast<const unsigned char*>(&record) + offset, sizeof value);
    return value;
}

bool CheckFinite(const ResultRecord& record, std::string& field, float& bad) {
    for (const FloatArea& area : kFloatAreas)
        for (std::size_t i = 0; i < area.Count; ++i) {
            bad = FloatAt(record, area.Offset + i * sizeof(float));
            if (std::isfinite(bad)) continue;
            field = std::string(area.Name) + (area.Count > 1 ? "[" + std::to_string(i) + "]" : "");
            return false;
        }
    // The unused columns of the parameter block travel with the file.
    for (int row = 0; row < kRegionRows; ++row)
        for (int column = kParameterCount; column < kParameterColumns; ++column)
            if (bad = record.ParameterBlock[row][column]; !std::isfinite(bad)) {
                field = "ParameterBlock[" + std::to_string(row) + "][" + std::to_string(column) + "]";
                return false;
            }
    return true;
}

bool CheckSettings(const ResultRecord& record, std::string& field, float& bad) {
    for (int row = 0; row < kRegionRows; ++row)
        for (int column = 0; column < kParameterCount; ++column)
            if (bad = record.ParameterBlock[row][column]; !IsStorablePercent(bad)) {
                field = std::string(kParameterNames[column]) + " of " + std::string(kRegionNames[row]);
                return false;
            }
    for (int entry = 0; entry < kGlobalParams; ++entry)
        if (bad = record.GlobalParamBlock[entry]; !IsStorablePercent(bad)) {
            field = "G" + std::to_string(entry + 1);
            return false;
        }
    return true;
}

} // namespace

std::string HistorySetSizeMessage(const std::string& what, unsigned long long size) {
    return what + " is not a history set: " + std::to_string(size) +
           " bytes, a history set has " + std::to_string(kHistorySetBytes);
}

bool HistorySetFromBytes(const void* data, std::size_t size, ResultHistory& history,
                         std::string& error) {
    if (size != kHistorySetBytes) {
        error = HistorySetSizeMessage("the data", size);
        return false;
    }
    auto buffer = std::make_unique<ResultHistory>();
    std::memcpy(buffer.get(), data, kHistorySetBytes);
    if (!CheckHistorySet(*buffer, error)) {
        error = "the data are not a usable history set: " + error;
        return false;
    }
    history = *buffer;
    return true;
}

bool CheckHistorySet(const ResultHistory& history, std::string& error) {
    for (int slot = 0; slot < kHistorySlots; ++slot) {
        std::string field;
        float bad = 0;
        if (!CheckSettings(history[slot], field, bad)) {
            error = RecordName(slot) + ": the setting " + field + " is " + NumberText(bad) +
                    ", but a setting must be a percentage " + StorablePercentRange();
            return false;
        }
        if (!CheckFinite(history[slot], field, bad)) {
            error = RecordName(slot) + ": " + field + " is " + NumberText(bad) +
                    ", but every stored value must be a finite number";
            return false;
        }
    }
    return true;
}

} // namespace breathlab
