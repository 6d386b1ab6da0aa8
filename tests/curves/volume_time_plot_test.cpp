#include "volume_time_plot.h"

#include <gtest/gtest.h>

#include <limits>

#include "plot_canvas.h"
#include "plot_test_support.h"
#include "slot_colours.h"

namespace breathlab {
namespace {

using test::AllOf;
using test::BlankImage;
using test::ColourNear;
using test::EmptyHistory;
using test::PixelAt;

// On a 640 x 160 plot the origin of the axes (0 s, 1 l) lies at 6 % of 640
// (38.4 -> 38) and 84 % of 160 (134.4 -> 134).
constexpr int kWidth = 640;
constexpr int kHeight = 160;
constexpr int kAxisX = 38;
constexpr int kAxisY = 134;

// Points every 10 s at 5 l: x = 136, 233, 330, 428 (6 + 1.52 t percent),
// y = 92 - 40 = 52 % (83.2 -> 83).
void FillLevelRecording(ResultRecord& record, int points) {
    for (int i = 0; i < points; ++i) {
        record.TimeAxis[i] = 10.0f * static_cast<float>(i + 1);
        record.VolumeTrace[i] = 5.0f;
    }
}

TEST(VolumeTimePlot, CursorOneClearsAndDrawsAxesAndReferenceFrc) {
    auto history = EmptyHistory();
    history->Slots[0].FRC = 2.5f; // 92 - 20 = 72 % (115.2 -> 115)
    QImage image = BlankImage(kWidth, kHeight, Qt::blue);
    VolumeTimePlot plot;
    DrawVolumeTimeStep(image, plot, history->Slots, 1);

    EXPECT_EQ(plot.VolumeTimeCursor, 2);
    EXPECT_EQ(PixelAt(image, 5, 5), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 300, kAxisY), QColor(Qt::black));
    // 60 s lie at 97.2 % (622.08 -> 622), where the last tick hangs down.
    EXPECT_EQ(PixelAt(image, 621, kAxisY), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, 622, kAxisY + 2), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, 623, kAxisY), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, kAxisX, 60), QColor(Qt::black));
    // The 10 s tick at 21.2 % (135.68 -> 136), the 4 l tick at 60 % (96).
    EXPECT_TRUE(AllOf(image, QRect(136, kAxisY, 1, 4), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(kAxisX - 3, 96, 4, 1), Qt::black));
    // The reference line starts one pixel right of the volume axis.
    EXPECT_EQ(PixelAt(image, kAxisX, 115), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, kAxisX + 1, 115), kSilver);
    EXPECT_EQ(PixelAt(image, 400, 115), kSilver);
}

// 6 + 1.52 t percent of the width can fall exactly on a half pixel: on a plot
// 625 pixels wide the 26 s tick lies at 625 x 45.52 % = 284.5 pixels and the
// half goes to the even 284. Computed as 6.0 + 1.52 * 26 in binary, the
// position would come out a hair above the half and round to 285.
TEST(VolumeTimePlot, TicksOnExactHalvesRoundToTheEvenPixel) {
    auto history = EmptyHistory();
    QImage image = BlankImage(625, kHeight);
    VolumeTimePlot plot;
    DrawVolumeTimeStep(image, plot, history->Slots, 1);
    EXPECT_TRUE(AllOf(image, QRect(284, kAxisY + 1, 1, 3), Qt::black));
    EXPECT_EQ(PixelAt(image, 285, kAxisY + 2), QColor(Qt::white));

    // 1875 pixels: the 12, 24 and 48 s ticks at 454.5, 796.5 and 1480.5.
    image = BlankImage(1875, kHeight);
    plot.VolumeTimeCursor = 1;
    DrawVolumeTimeStep(image, plot, history->Slots, 1);
    for (int x : {454, 796, 1480}) {
        EXPECT_TRUE(AllOf(image, QRect(x, kAxisY + 1, 1, 3), Qt::black)) << x;
        EXPECT_EQ(PixelAt(image, x + 1, kAxisY + 2), QColor(Qt::white)) << x;
    }
}

// On a HiDPI screen the plot image has two pixels per logical pixel: the
// layout stays that of the logical size and every position doubles.
TEST(VolumeTimePlot, DrawsAtTheDeviceResolutionOnTheLogicalLayout) {
    auto history = EmptyHistory();
    QImage image = BlankImage(2 * kWidth, 2 * kHeight);
    image.setDevicePixelRatio(2);
    VolumeTimePlot plot;
    DrawVolumeTimeStep(image, plot, history->Slots, 1);
    // A line one logical pixel wide covers two device pixels around its
    // doubled position: the time axis rows 267 and 268 (2 x 134), the 10 s
    // tick columns 271 and 272 (2 x 136), 8 rows long.
    EXPECT_TRUE(AllOf(image, QRect(100, 2 * kAxisY - 1, 1000, 2), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(2 * 136 - 1, 2 * kAxisY - 1, 2, 8), Qt::black));
    EXPECT_EQ(PixelAt(image, 2 * 136 + 2, 2 * kAxisY + 3), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 2 * 136 - 2, 2 * kAxisY + 3), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 1279, 319), QColor(Qt::white)); // the whole image is cleared
}

// Its 7-point labels are raised to the readable 8 points (11 pixels at 96 dpi).
TEST(VolumeTimePlot, LabelsAreNeverSmallerThanEightPoints) {
    EXPECT_EQ(PlotFont(QStringLiteral("MS Serif"), 7).pixelSize(), 11);
    EXPECT_EQ(PlotFont(QStringLiteral("Arial"), 8).pixelSize(), 11);
    EXPECT_EQ(PlotFont(QStringLiteral("Arial"), 10).pixelSize(), 13);
}

TEST(VolumeTimePlot, EachLaterStepAddsOneSegmentInTheSlotsColour) {
    auto history = EmptyHistory();
    FillLevelRecording(history->Slots[1], 4);
    QImage image = BlankImage(kWidth, kHeight);
    VolumeTimePlot plot;
    DrawVolumeTimeStep(image, plot, history->Slots, 1);
    EXPECT_EQ(PixelAt(image, 180, 83), QColor(Qt::white));

    DrawVolumeTimeStep(image, plot, history->Slots, 1);
    EXPECT_EQ(PixelAt(image, 180, 83), kRed);
    EXPECT_EQ(PixelAt(image, 280, 83), QColor(Qt::white));

    DrawVolumeTimeStep(image, plot, history->Slots, 1);
    EXPECT_EQ(PixelAt(image, 280, 83), kRed);
    EXPECT_EQ(PixelAt(image, 380, 83), QColor(Qt::white));
    EXPECT_EQ(plot.VolumeTimeCursor, 4);

    plot.VolumeTimeCursor = 1;
    DrawVolumeTimeStep(image, plot, history->Slots, 1);
    EXPECT_EQ(PixelAt(image, 180, 83), QColor(Qt::white));
}

TEST(VolumeTimePlot, RedrawShowsTheSelectedRunUpToItsLastPoint) {
    auto history = EmptyHistory();
    FillLevelRecording(history->Slots[2], 3);
    history->Slots[2].TimeAxis[4] = 50.0f; // beyond the first unrecorded point
    history->Slots[2].VolumeTrace[4] = 5.0f;
    history->SelectedRun = 2;
    QImage image = BlankImage(kWidth, kHeight, Qt::blue);
    VolumeTimePlot plot;
    plot.VolumeTimeCursor = 17;
    RedrawVolumeTime(image, plot, *history);

    EXPECT_EQ(plot.VolumeTimeCursor, 4);
    EXPECT_EQ(PixelAt(image, 5, 5), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 180, 83), kGreen);
    EXPECT_EQ(PixelAt(image, 329, 83), kGreen);
    EXPECT_FALSE(ColourNear(image, {450, 83}, 20, kGreen));
}

TEST(VolumeTimePlot, RedrawOfARunWithoutPointsLeavesThePlot) {
    auto history = EmptyHistory();
    history->SelectedRun = 1;
    QImage image = BlankImage(kWidth, kHeight, Qt::blue);
    VolumeTimePlot plot;
    plot.VolumeTimeCursor = 40;
    RedrawVolumeTime(image, plot, *history);
    EXPECT_EQ(plot.VolumeTimeCursor, 1);
    EXPECT_TRUE(AllOf(image, image.rect(), Qt::blue));
}

TEST(VolumeTimePlot, CursorStopsPastTheLastRecordingPoint) {
    auto history = EmptyHistory();
    QImage image = BlankImage(kWidth, kHeight);
    VolumeTimePlot plot;
    plot.VolumeTimeCursor = kTracePoints;
    DrawVolumeTimeStep(image, plot, history->Slots, 1);
    EXPECT_EQ(plot.VolumeTimeCursor, kTracePoints + 1);
    DrawVolumeTimeStep(image, plot, history->Slots, 1);
    EXPECT_EQ(plot.VolumeTimeCursor, kTracePoints + 1);
}

TEST(VolumeTimePlot, SurvivesNonFiniteAndHugeValues) {
    constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kHuge = std::numeric_limits<float>::max();
    const float hostile[] = {kNan, kInf, -kInf, kHuge, -kHuge, -7.0f, 1e30f, 3.0f};
    for (float frc : hostile) {
        auto history = EmptyHistory();
        ResultRecord& run = history->Slots[1];
        for (int i = 0; i < kTracePoints; ++i) {
            run.TimeAxis[i] = hostile[i % 8];
            run.VolumeTrace[i] = hostile[(i * 5 + 3) % 8];
        }
        history->Slots[0].FRC = frc;
        history->SelectedRun = 1;
        QImage image = BlankImage(kWidth, kHeight, Qt::blue);
        VolumeTimePlot plot;
        RedrawVolumeTime(image, plot, *history);
        EXPECT_EQ(plot.VolumeTimeCursor, kTracePoints + 1);
        EXPECT_EQ(PixelAt(image, 300, kAxisY), QColor(Qt::black));
    }
}

} // namespace
} // namespace breathlab
