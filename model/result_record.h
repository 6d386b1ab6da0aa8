// One simulated run as it is kept in memory and written to files. The bytes of
// this struct are the file format (five of them back to back make a history
// set), so every field sits at a fixed offset, reserved areas included.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace breathlab {

static_assert(std::endian::native == std::endian::little,
              "run records are stored little-endian; this host would need byte swapping");
static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559,
              "run records store IEEE 754 single precision");

constexpr int kTracePoints = 1000;  // volume-time points, one per 100 ms
constexpr int kSampleCapacity = 1500;
constexpr int kUsableSamples = 1498; // the last two entries stay empty
constexpr int kLobeTraceRows = 1501; // row 0: end of the FRC period; rows 1..: samples
constexpr int kRegionRows = 8;       // regions -2..5
constexpr int kParameterColumns = 16;
constexpr int kGlobalParams = 20;

struct ResultRecord {
    float TimeAxis[kTracePoints];    // entry i-1: time of the i-th 100 ms point, s
    float VolumeTrace[kTracePoints]; // TotalVolume at those points, L
    float SampleVolume[kSampleCapacity];
    float SampleSignal[kSampleCapacity]; // recorded flow, smoothed, L/s
    std::uint8_t Unwritten[6000];        // never written by the model; carried along in files
    float LobeSegmentResistanceTrace[kLobeTraceRows][5];
    float LobePeripheralResistanceTrace[kLobeTraceRows][5];
    float LobeVolumeTrace[kLobeTraceRows][5];
    std::uint8_t LobeFlowLimitedTrace[kLobeTraceRows][5];
    std::uint8_t Reserved1[7];
    float TrachealTurbulentCoefficientAtLastSample;
    float LeftBronchusResistanceAtLastSample;
    float RightBronchusResistanceAtLastSample;
    float FEV1;
    float FVCEX;
    float FEV1PercentFVC;
    float PEF;
    float MEF75;
    float MEF50;
    float MEF25;
    float ERV;
    float FlowAtFev1;
    float FRC;
    float TLC;
    float RunStatus; // 1 completed, 0 inspiration failed, -1 numerical failure or incomplete
    float FET;
    float SignalSelection;
    std::uint8_t Reserved2[40];
    float ParameterBlock[kRegionRows][kParameterColumns]; // row = region + 2, column = parameter - 1
    float GlobalParamBlock[kGlobalParams];
};

static_assert(std::is_standard_layout_v<ResultRecord>);
static_assert(std::is_trivially_copyable_v<ResultRecord>);
static_assert(sizeof(ResultRecord) == 124272);
static_assert(offsetof(ResultRecord, TimeAxis) == 0);
static_assert(offsetof(ResultRecord, VolumeTrace) == 4000);
static_assert(offsetof(ResultRecord, SampleVolume) == 8000);
static_assert(offsetof(ResultRecord, SampleSignal) == 14000);
static_assert(offsetof(ResultRecord, Unwritten) == 20000);
static_assert(offsetof(ResultRecord, LobeSegmentResistanceTrace) == 26000);
static_assert(offsetof(ResultRecord, LobePeripheralResistanceTrace) == 56020);
static_assert(offsetof(ResultRecord, LobeVolumeTrace) == 86040);
static_assert(offsetof(ResultRecord, LobeFlowLimitedTrace) == 116060);
static_assert(offsetof(ResultRecord, Reserved1) == 123565);
static_assert(offsetof(ResultRecord, TrachealTurbulentCoefficientAtLastSample) == 123572);
static_assert(offsetof(ResultRecord, LeftBronchusResistanceAtLastSample) == 123576);
static_assert(offsetof(ResultRecord, RightBronchusResistanceAtLastSample) == 123580);
static_assert(offsetof(ResultRecord, FEV1) == 123584);
static_assert(offsetof(ResultRecord, FVCEX) == 123588);
static_assert(offsetof(ResultRecord, FEV1PercentFVC) == 123592);
static_assert(offsetof(ResultRecord, PEF) == 123596);
static_assert(offsetof(ResultRecord, MEF75) == 123600);
static_assert(offsetof(ResultRecord, MEF50) == 123604);
static_assert(offsetof(ResultRecord, MEF25) == 123608);
static_assert(offsetof(ResultRecord, ERV) == 123612);
static_assert(offsetof(ResultRecord, FlowAtFev1) == 123616);
static_assert(offsetof(ResultRecord, FRC) == 123620);
static_assert(offsetof(ResultRecord, TLC) == 123624);
static_assert(offsetof(ResultRecord, RunStatus) == 123628);
static_assert(offsetof(ResultRecord, FET) == 123632);
static_assert(offsetof(ResultRecord, SignalSelection) == 123636);
static_assert(offsetof(ResultRecord, Reserved2) == 123640);
static_assert(offsetof(ResultRecord, ParameterBlock) == 123680);
static_assert(offsetof(ResultRecord, GlobalParamBlock) == 124192);

// Slot 0 the reference, slot 1 the newest run (the model's working slot),
// slots 2 and 3 older runs, slot 4 the overflow slot.
constexpr int kHistorySlots = 5;
using ResultHistory = std::array<ResultRecord, kHistorySlots>;
static_assert(sizeof(ResultHistory) == 621360, "a history set file is 621360 bytes");

// Row of a region (-2..5) in the ParameterBlock.
constexpr int RegionRow(int region) { return region + 2; }

} // namespace breathlab
