#include "recording.h"

#include <gtest/gtest.h>
#include <memory>

namespace breathlab {
namespace {

std::unique_ptr<ResultRecord> EmptyRecord() { return std::make_unique<ResultRecord>(); }

// Fills samples 1..n with the given volumes and (smoothed) signals.
void FillSamples(ResultRecord& r, std::initializer_list<float> volumes,
                 std::initializer_list<float> signals) {
    int i = 0;
    for (float v : volumes) r.SampleVolume[i++] = v;
    i = 0;
    for (float s : signals) r.SampleSignal[i++] = s;
}

TEST(ComputeIndices, DerivesTheSpirometricIndicesFromTheSamples) {
    LungModel m{};
    auto r = EmptyRecord();
    // Inspiration to 6 L, then a forced expiration down to 2 L.
    FillSamples(*r, {4, 5, 6, 5.5, 4.5, 3.5, 2.5, 2},
                {1, 2, 0, -8, -6, -4, -2, -0.5});
    r->FRC = 3;
    r->FEV1 = 3.2f; // volume when one second of effort had passed
    ComputeIndices(m, *r);
    EXPECT_FLOAT_EQ(r->TLC, 6);
    EXPECT_FLOAT_EQ(r->FVCEX, 4);
    EXPECT_FLOAT_EQ(r->FEV1, 2.8f);
    EXPECT_FLOAT_EQ(r->FEV1PercentFVC, 70);
    EXPECT_FLOAT_EQ(r->PEF, 8);
    EXPECT_FLOAT_EQ(r->ERV, 1);
    // 75 % of FVC above the minimum is 5 L: the first sample below it is 4.5 L.
    EXPECT_FLOAT_EQ(r->MEF75, 6);
    EXPECT_FLOAT_EQ(r->MEF50, 4); // below 4 L: 3.5 L
    EXPECT_FLOAT_EQ(r->MEF25, 2);  // below 3 L: 2.5 L
}

TEST(ComputeIndices, FirstOfTwoEqualMaximaStartsTheMefSearch) {
    LungModel m{};
    auto r = EmptyRecord();
    FillSamples(*r, {6, 3, 6, 5, 2}, {-1, -9, -1, -3, -1});
    ComputeIndices(m, *r);
    EXPECT_EQ(m.iVmax, 1);
    EXPECT_FLOAT_EQ(r->MEF75, 9); // sample 2, which lies between the two maxima
}

TEST(ComputeIndices, MefStaysZeroWhenTheVolumeNeverFallsFarEnough) {
    LungModel m{};
    auto r = EmptyRecord();
    // All of the capacity lies before the maximum; after it the volume barely falls.
    r->SampleVolume[0] = 2;
    for (int i = 1; i < kSampleCapacity; ++i) r->SampleVolume[i] = 6;
    r->SampleVolume[5] = 6.5f;
    for (int i = 0; i < kSampleCapacity; ++i) r->SampleSignal[i] = -3;
    ComputeIndices(m, *r);
    EXPECT_EQ(r->MEF75, 0);
    EXPECT_EQ(r->MEF50, 0);
    EXPECT_EQ(r->MEF25, 0);
}

// A model in the middle of the forced expiration, sampling every even millisecond.
LungModel ForcedExpirationModel() {
    LungModel m{};
    m.ForcedExpiration = true;
    m.CycleStart = 0;
    m.DeepInspirationDuration = 1; // effort rise from 8 s
    m.BlastDuration = 1;           // dense sampling until 10 s
    m.Time = 9;
    m.Recording = true;
    m.TotalVolume = 4;
    return m;
}

TEST(RecordMillisecond, FirstThreeSamplesAreStoredRawThenSmoothed) {
    LungModel m = ForcedExpirationModel();
    auto r = EmptyRecord();
    r->FEV1 = 1; // already taken
    const double flows[] = {-1, -2, -4, -8, -2};
    for (double q : flows) {
        m.TrachealFlow = q;
        RecordMillisecond(m, *r); // odd millisecond: no sample
        RecordMillisecond(m, *r); // even: sample
    }
    ASSERT_EQ(m.SampleCount, 5);
    EXPECT_FLOAT_EQ(r->SampleSignal[0], -1);
    EXPECT_FLOAT_EQ(r->SampleSignal[1], -2);
    EXPECT_FLOAT_EQ(r->SampleSignal[2], -4);
    EXPECT_FLOAT_EQ(r->SampleSignal[3], -6); // (-4 + -8) / 2
    EXPECT_FLOAT_EQ(r->SampleSignal[4], -4); // (-6 + -2) / 2
    EXPECT_NEAR(r->FET, 0.010, 1e-6);
}

TEST(RecordMillisecond, ForcedExpiratoryTimeCountsOnlyExpiratoryMilliseconds) {
    LungModel m = ForcedExpirationModel();
    auto r = EmptyRecord();
    r->FEV1 = 1;
    m.TrachealFlow = 0.5;
    for (int i = 0; i < 10; ++i) RecordMillisecond(m, *r);
    EXPECT_EQ(r->FET, 0);
    m.TrachealFlow = -0.5;
    for (int i = 0; i < 10; ++i) RecordMillisecond(m, *r);
    m.ForcedExpiration = false;
    for (int i = 0; i < 10; ++i) RecordMillisecond(m, *r);
    EXPECT_NEAR(r->FET, 0.010, 1e-6);
}

TEST(RecordMillisecond, FullSampleTraceEndsTheRunAsAFailure) {
    LungModel m = ForcedExpirationModel();
    auto r = EmptyRecord();
    r->RunStatus = 1;
    m.SampleCount = kUsableSamples;
    m.RecordingMs = 1;
    RecordMillisecond(m, *r);
    EXPECT_EQ(r->RunStatus, -1);
    EXPECT_EQ(m.SampleCount, kUsableSamples);
}

TEST(RecordMillisecond, StoresAVolumePointEveryHundredMilliseconds) {
    LungModel m = ForcedExpirationModel();
    m.ForcedExpiration = false;
    auto r = EmptyRecord();
    int calls = 0;
    m.Hooks.context = &calls;
    m.Hooks.traceHook = [](void* c) { ++*static_cast<int*>(c); };
    for (int i = 0; i < 250; ++i) RecordMillisecond(m, *r);
    EXPECT_EQ(calls, 2);
    EXPECT_FLOAT_EQ(r->TimeAxis[0], 0.1f);
    EXPECT_FLOAT_EQ(r->TimeAxis[1], 0.2f);
    EXPECT_FLOAT_EQ(r->VolumeTrace[1], 4);
    EXPECT_EQ(r->TimeAxis[2], 0);
}

} // namespace
} // namespace breathlab
