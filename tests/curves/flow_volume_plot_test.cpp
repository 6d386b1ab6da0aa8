#include "flow_volume_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "plot_test_support.h"
#include "slot_colours.h"

namespace breathlab {
namespace {

using test::AllOf;
using test::BlankImage;
using test::ColourNear;
using test::EmptyHistory;
using test::PixelAt;

// On a 640 x 480 plot the origin lies at (38, 346): 6 % of 640 is 38.4, 72 %
// of 480 is 345.6.
constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kOriginX = 38;
constexpr int kOriginY = 346;

void FillSamples(ResultRecord& record, const std::vector<float>& volumes,
                 const std::vector<float>& flows) {
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        record.SampleVolume[i] = volumes[i];
        record.SampleSignal[i] = flows[i];
    }
}

// An expiration from 6 l to 2 l at a steady 5 l/s: a level line at
// y = 72 - 5.6 * 5 = 44 % (211) from x = 38 to x = 330.
void FillSteadyExpiration(ResultRecord& record, float flow = -5.0f) {
    for (int i = 0; i < 100; ++i) {
        record.SampleVolume[i] = 6.0f - 0.04f * static_cast<float>(i);
        record.SampleSignal[i] = flow;
    }
}

QImage PlotOf(const RunHistory& history, int recordedSignal = 1) {
    QImage image = BlankImage(kWidth, kHeight, Qt::blue);
    DrawFlowVolumePlot(image, history, recordedSignal);
    return image;
}

TEST(FlowVolumePlot, DrawsAxesAndTicksOnWhite) {
    const auto history = EmptyHistory();
    const QImage image = PlotOf(*history);

    EXPECT_EQ(PixelAt(image, 620, 5), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 300, kOriginY), QColor(Qt::black)); // volume axis
    EXPECT_EQ(PixelAt(image, 626, kOriginY), QColor(Qt::black)); // ends at 98 % = 627
    EXPECT_EQ(PixelAt(image, 629, kOriginY), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, kOriginX, 100), QColor(Qt::black)); // expiratory flow axis
    EXPECT_EQ(PixelAt(image, kOriginX, 420), QColor(Qt::black)); // inspiratory flow axis
    EXPECT_EQ(PixelAt(image, kOriginX, 460), QColor(Qt::white)); // below -4 l/s (453)

    // The 2 l tick at 29 % (185.6 -> 186), four pixels down from the axis.
    EXPECT_TRUE(AllOf(image, QRect(186, kOriginY, 1, 4), Qt::black));
    EXPECT_EQ(PixelAt(image, 185, kOriginY + 2), QColor(Qt::white));
    // The 6 l/s tick at 72 - 33.6 = 38.4 % (184.32 -> 184), four pixels to the left.
    EXPECT_TRUE(AllOf(image, QRect(kOriginX - 3, 184, 4, 1), Qt::black));
    EXPECT_EQ(PixelAt(image, kOriginX - 4, 184), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, kOriginX - 2, 185), QColor(Qt::white));
}

TEST(FlowVolumePlot, RoundsTickPositionsHalfToEven) {
    // On a plot 100 pixels wide the 3 l tick lies at 40.5 and the 7 l tick at
    // 86.5 pixels: they go to 40 and 86, not 41 and 87.
    const auto history = EmptyHistory();
    QImage image = BlankImage(100, 480);
    DrawFlowVolumePlot(image, *history);
    EXPECT_EQ(PixelAt(image, 40, kOriginY + 2), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, 41, kOriginY + 2), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 86, kOriginY + 2), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, 87, kOriginY + 2), QColor(Qt::white));
}

TEST(FlowVolumePlot, FlowCaptionsOnlyForTheFlowSignals) {
    const auto history = EmptyHistory();
    // Right of the flow axis, around the tops of both flow axes.
    const QRect expiratoryCaption(kOriginX + 4, 10, 60, 20);
    const QRect inspiratoryCaption(kOriginX + 4, 440, 60, 20);
    for (int signal : {1, 2, 3}) {
        const QImage image = PlotOf(*history, signal);
        EXPECT_FALSE(AllOf(image, expiratoryCaption, Qt::white)) << signal;
        EXPECT_FALSE(AllOf(image, inspiratoryCaption, Qt::white)) << signal;
    }
    for (int signal : {0, 4}) {
        const QImage image = PlotOf(*history, signal);
        EXPECT_TRUE(AllOf(image, expiratoryCaption, Qt::white)) << signal;
        EXPECT_TRUE(AllOf(image, inspiratoryCaption, Qt::white)) << signal;
    }
}

TEST(FlowVolumePlot, DrawsEachRunInItsColourAndTheSelectedOneWide) {
    auto history = EmptyHistory();
    FillSteadyExpiration(history->Slots[1]);
    FillSteadyExpiration(history->Slots[2], -8.0f); // y = 72 - 44.8 = 27.2 % (130.56 -> 131)

    QImage image = PlotOf(*history);
    EXPECT_EQ(PixelAt(image, 200, 211), kRed);
    EXPECT_EQ(PixelAt(image, 200, 210), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 200, 131), kGreen);
    // The curve starts at the largest volume, on the flow axis, and ends 4 l further.
    EXPECT_EQ(PixelAt(image, 325, 211), kRed);
    EXPECT_EQ(PixelAt(image, 335, 211), QColor(Qt::white));

    history->SelectedRun = 1;
    image = PlotOf(*history);
    EXPECT_EQ(PixelAt(image, 200, 210), kRed);
    EXPECT_EQ(PixelAt(image, 200, 212), kRed);
    EXPECT_EQ(PixelAt(image, 200, 130), QColor(Qt::white));

    history->SelectedRun = 2;
    image = PlotOf(*history);
    EXPECT_EQ(PixelAt(image, 200, 130), kGreen);
    EXPECT_EQ(PixelAt(image, 200, 210), QColor(Qt::white));
}

TEST(FlowVolumePlot, NewestRunLiesOnTopAndOverflowSlotIsNotDrawn) {
    auto history = EmptyHistory();
    for (int slot = 0; slot <= 3; ++slot)
        FillSteadyExpiration(history->Slots[slot]);
    FillSteadyExpiration(history->Slots[4], -10.0f); // would lie at 16 % (76.8 -> 77)
    const QImage image = PlotOf(*history);
    EXPECT_EQ(PixelAt(image, 200, 211), kRed);
    EXPECT_EQ(PixelAt(image, 200, 77), QColor(Qt::white));
}

TEST(FlowVolumePlot, ZeroFlowSampleLeavesAGap) {
    auto history = EmptyHistory();
    // Volumes 6, 5, 4, 3, 2 l lie at x = 38, 112, 186, 259, 333; the third
    // sample has no flow and sits on the volume axis.
    FillSamples(history->Slots[1], {6, 5, 4, 3, 2}, {-5, -5, 0, -5, -5});
    const QImage image = PlotOf(*history);

    EXPECT_EQ(PixelAt(image, 75, 211), kRed);
    EXPECT_EQ(PixelAt(image, 296, 211), kRed);
    // The move down to the zero-flow sample is not drawn...
    EXPECT_FALSE(ColourNear(image, {149, 278}, 4, kRed));
    // ...the line up from it is.
    EXPECT_TRUE(ColourNear(image, {222, 278}, 2, kRed));
}

// Slanted stretches of a curve are smoothed: beside full-colour pixels the
// line has edge pixels of partial coverage, while level stretches keep
// their exact pixels.
TEST(FlowVolumePlot, SlantedCurvesAreDrawnSmooth) {
    auto history = EmptyHistory();
    FillSamples(history->Slots[1], {6, 5, 4, 3, 2}, {-5, -6, -7, -8, -9});
    const QImage image = PlotOf(*history);
    int full = 0;
    int partial = 0;
    for (int y = 100; y < 300; ++y) {
        for (int x = 40; x < 330; ++x) {
            const double coverage = test::CoverageOf(PixelAt(image, x, y), kRed);
            if (coverage > 0.95) ++full;
            if (coverage > 0.15 && coverage < 0.85) ++partial;
        }
    }
    EXPECT_GT(full, 10);
    EXPECT_GT(partial, 50);
}

TEST(FlowVolumePlot, MarksFev1WithTheCurvesPen) {
    auto history = EmptyHistory();
    ResultRecord& run = history->Slots[1];
    FillSteadyExpiration(run);
    // FEV1 3 l at 4 l/s: the foot at 40.5 % (259.2 -> 259) and 49.6 % (238.08 -> 238).
    run.FEV1 = 3.0f;
    run.FlowAtFev1 = -4.0f;
    run.FRC = 2.5f;

    QImage image = PlotOf(*history);
    EXPECT_TRUE(AllOf(image, QRect(259, 231, 1, 8), kRed));
    EXPECT_EQ(PixelAt(image, 259, 229), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 258, 234), QColor(Qt::white));

    history->SelectedRun = 1;
    image = PlotOf(*history);
    EXPECT_EQ(PixelAt(image, 258, 234), kRed);
    EXPECT_EQ(PixelAt(image, 260, 234), kRed);

    history->SelectedRun = -1;
    run.FRC = 0.0f; // no FRC: a run that never got its indices
    image = PlotOf(*history);
    EXPECT_EQ(PixelAt(image, 259, 234), QColor(Qt::white));
}

TEST(FlowVolumePlot, RunWithoutSamplesDrawsNeitherCurveNorMark) {
    auto history = EmptyHistory();
    ResultRecord& failed = history->Slots[1];
    failed.FEV1 = 3.0f;
    failed.FlowAtFev1 = -4.0f;
    failed.FRC = 2.5f;
    failed.RunStatus = -1.0f;
    history->SelectedRun = 1;
    const QImage image = PlotOf(*history);
    EXPECT_FALSE(ColourNear(image, {259, 234}, 6, kRed));
    EXPECT_FALSE(ColourNear(image, {kOriginX, kOriginY}, 3, kRed));
}

TEST(FlowVolumePlot, RunWithAllVolumesEqualDrawsAlongTheFlowAxis) {
    auto history = EmptyHistory();
    ResultRecord& run = history->Slots[1];
    for (int i = 0; i < 100; ++i) {
        run.SampleVolume[i] = 3.0f;
        run.SampleSignal[i] = -static_cast<float>(i % 10 + 1);
    }
    history->SelectedRun = 1;
    std::vector<FlowVolumeSample> replayed;
    QImage image = BlankImage(kWidth, kHeight);
    DrawFlowVolumePlot(image, *history, 1, [&](const FlowVolumeSample& sample) {
        replayed.push_back(sample);
        return true;
    });
    EXPECT_EQ(PixelAt(image, kOriginX, 211), kRed);
    ASSERT_EQ(replayed.size(), 99u);
    EXPECT_EQ(replayed.front().VolumeMin, replayed.front().VolumeMax);
}

TEST(FlowVolumePlot, ReplayFollowsOnlyTheWideCurveAndCanCutItShort) {
    auto history = EmptyHistory();
    FillSteadyExpiration(history->Slots[0], -8.0f);
    FillSteadyExpiration(history->Slots[2], -8.0f);
    FillSteadyExpiration(history->Slots[1]);
    history->SelectedRun = 1;

    std::vector<FlowVolumeSample> replayed;
    QImage image = BlankImage(kWidth, kHeight);
    DrawFlowVolumePlot(image, *history, 1, [&](const FlowVolumeSample& sample) {
        replayed.push_back(sample);
        return sample.SampleNumber < 10;
    });
    ASSERT_EQ(replayed.size(), 9u);
    EXPECT_EQ(replayed.front().Slot, 1);
    EXPECT_EQ(replayed.front().SampleNumber, 2);
    EXPECT_FLOAT_EQ(replayed.front().VolumeMax, 6.0f);
    EXPECT_FLOAT_EQ(replayed.back().Volume, 6.0f - 0.04f * 9);
    // Sample 10 lies at 6 + 11.5 * 0.36 = 10.14 % (64.9 -> 65); nothing beyond it.
    EXPECT_EQ(PixelAt(image, 60, 211), kRed);
    EXPECT_EQ(PixelAt(image, 70, 211), QColor(Qt::white));
}

// Records read from foreign files may hold anything; the plot must survive
// them and still show its axes.
TEST(FlowVolumePlot, SurvivesNonFiniteAndHugeValues) {
    constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kHuge = std::numeric_limits<float>::max();
    const float hostile[] = {kNan, kInf, -kInf, kHuge, -kHuge, 1e20f, -3.0f, 2.0f};
    auto history = EmptyHistory();
    for (int slot = 0; slot <= 4; ++slot) {
        ResultRecord& record = history->Slots[slot];
        for (int i = 0; i < kSampleCapacity; ++i) {
            record.SampleVolume[i] = hostile[(i + slot) % 8];
            record.SampleSignal[i] = hostile[(i * 3 + slot) % 8];
        }
        record.FEV1 = hostile[slot + 1];
        record.FlowAtFev1 = hostile[slot + 3];
        record.FRC = hostile[slot + 2];
    }
    for (int selected : {-1, 1, 3}) {
        history->SelectedRun = selected;
        int replaySteps = 0;
        QImage image = BlankImage(kWidth, kHeight);
        DrawFlowVolumePlot(image, *history, 1, [&](const FlowVolumeSample&) {
            ++replaySteps;
            return true;
        });
        EXPECT_EQ(PixelAt(image, 20, 5), QColor(Qt::white));
        EXPECT_EQ(replaySteps, selected >= 1 ? kSampleCapacity - 1 : 0);
    }
}

TEST(FlowVolumePlot, LeavesANullImageAlone) {
    const auto history = EmptyHistory();
    QImage image;
    DrawFlowVolumePlot(image, *history);
    EXPECT_TRUE(image.isNull());
}

} // namespace
} // namespace breathlab
