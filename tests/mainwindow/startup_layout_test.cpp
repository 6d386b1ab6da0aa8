// The start-up layout on the two common screen widths, with numbers worked out
// by hand from the placement rules, and the MulDiv rounding it rests on.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

#include "startup_layout.h"

using namespace breathlab;

namespace {

// Text sizes as they would be measured at the design width.
DesignSizes FixedDesign() {
    DesignSizes d;
    d.ComboBoxHeight = 21;
    d.TrackBarWidth = 30;
    d.CaptionMain = {30, 13};
    d.CaptionMiddle = {45, 13};
    d.CaptionPeripheral = {75, 13};
    d.CaptionLungs = {40, 13};
    d.Titles = {{{8, 13}, {22, 13}, {60, 13}, {25, 13}, {60, 13}, {25, 13}, {22, 13}, {15, 13}}};
    for (auto& column : d.ScaleLabels)
        for (TextSize& label : column)
            label = {30, 13};
    for (TextSize& label : d.ScaleLabels[kScaleLungs])
        label = {31, 13};
    d.dataSourceLine = {150, 16};
    d.bottomAnchor = {0, 13};
    return d;
}

StartupLayout Layout(int clientWidth, int clientHeight, int screenWidth, int screenHeight) {
    LayoutInput in;
    in.ClientWidth = clientWidth;
    in.ClientHeight = clientHeight;
    in.ScreenWidth = screenWidth;
    in.ScreenHeight = screenHeight;
    in.Design = FixedDesign();
    return ApplyStartupLayout(in);
}

} // namespace

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(-5, -1, 2), 3);
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
    EXPECT_EQ(MulDiv(2, 1, 3), 1);
    EXPECT_EQ(MulDiv(977, 55, 100), 537);
    EXPECT_EQ(MulDiv(21, 1024, 1280), 17);
}

TEST(MulDiv, UsesAWideProductAndRefusesWhatCannotBeAnswered) {
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
    EXPECT_EQ(MulDiv(7, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
}

TEST(StartupLayout, UpperHalfOnA1280Screen) {
    const StartupLayout L = Layout(1280, 977, 1280, 1024);
    EXPECT_EQ(L.airwayPicture, (ControlRect{10, 0, 486, 537}));
    EXPECT_EQ(L.flowVolumePlot, (ControlRect{506, 0, 486, 403}));
    EXPECT_EQ(L.volumeTimePlot, (ControlRect{506, 408, 486, 129}));
    EXPECT_EQ(L.indicesTable, (ControlRect{1002, 0, 268, 537}));
    EXPECT_EQ(L.IndicesTableGrid.ColCount, 5);
    EXPECT_EQ(L.IndicesTableGrid.ColWidths[0], 88);
    EXPECT_EQ(L.IndicesTableGrid.ColWidths[1], 32);
    EXPECT_EQ(L.IndicesTableGrid.ColWidths[2], 54);
    EXPECT_EQ(L.IndicesTableGrid.ColWidths[3], 54);
    EXPECT_EQ(L.IndicesTableGrid.ColWidths[4], 29);
    EXPECT_EQ(L.IndicesTableGrid.RowHeight, 32);
    EXPECT_EQ(L.Fonts.IndicesTablePoints, 10);
}

TEST(StartupLayout, FramesSlidersAndLabelsOnA1280Screen) {
    const StartupLayout L = Layout(1280, 977, 1280, 1024);
    EXPECT_EQ(L.lowerPanel, (ControlRect{10, 547, 1260, 410}));
    EXPECT_EQ(L.bottomAnchor.Left, 20);
    EXPECT_EQ(L.bottomAnchor.Top, 957);
    EXPECT_EQ(L.airwayGroupsFrame, (ControlRect{20, 578, 486, 200}));
    EXPECT_EQ(L.lungGroupFrame, (ControlRect{511, 578, 159, 200}));
    EXPECT_EQ(L.mainGroupPanel, (ControlRect{25, 593, 75, 180}));
    EXPECT_EQ(L.middleGroupPanel, (ControlRect{115, 593, 224, 180}));
    EXPECT_EQ(L.peripheralGroupPanel, (ControlRect{353, 593, 149, 180}));
    EXPECT_EQ(L.lungsGroupPanel, (ControlRect{516, 593, 149, 180}));

    EXPECT_EQ(L.TrackBars[2], (ControlRect{89, 35, 30, 144})); // middleResistanceSlider
    EXPECT_EQ(L.TrackBars[3].Left, 191);                       // middleStiffnessSlider
    EXPECT_EQ(L.TrackBars[4].Left, 44);                        // peripheralResistanceSlider
    EXPECT_EQ(L.TrackBars[7].Left, 116);                       // lungComplianceSlider

    EXPECT_EQ(L.CaptionMain.Left, 5);
    EXPECT_EQ(L.CaptionMiddle.Left, 176);
    EXPECT_EQ(L.CaptionPeripheral.Left, 396);
    EXPECT_EQ(L.CaptionLungs.Left, 59);
    // Titles stand wholly above their sliders.
    EXPECT_EQ(L.Titles[kTitleMiddleR], (ControlRect{89, 22, 60, 13}));
    EXPECT_EQ(L.Titles[kTitlePeripheralR].Left, 1);
    EXPECT_EQ(L.Titles[kTitleCCC].Left, 119);
    EXPECT_EQ(L.Titles[kTitleCm].Left, 114);

    const int mainTops[] = {41, 70, 99, 128, 157};
    const int middleTops[] = {64, 87, 110, 133, 156};
    for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
        EXPECT_EQ(L.ScaleLabels[kScaleMainR][i].Top, mainTops[i]);
        // Right of the slider's ticks, with a gap of 6.
        EXPECT_EQ(L.ScaleLabels[kScaleMainR][i].Left, 39);
        EXPECT_EQ(L.ScaleLabels[kScaleMiddleR][i].Top, middleTops[i]);
        EXPECT_EQ(L.ScaleLabels[kScaleMiddleR][i].Left, 125);
        EXPECT_EQ(L.ScaleLabels[kScalePeripheralR][i].Left, 2);
        EXPECT_EQ(L.ScaleLabels[kScaleLungs][i].Left, 59);
    }
}

TEST(StartupLayout, ButtonsAndTablesOnA1280Screen) {
    const StartupLayout L = Layout(1280, 977, 1280, 1024);
    EXPECT_EQ(L.startButton, (ControlRect{675, 578, 90, 40}));
    EXPECT_EQ(L.resetButton, (ControlRect{675, 624, 43, 27}));
    EXPECT_EQ(L.resetAllButton, (ControlRect{720, 624, 45, 27}));
    EXPECT_EQ(L.pauseButton, (ControlRect{675, 657, 43, 25}));
    EXPECT_EQ(L.animationSpeedButton, (ControlRect{723, 657, 43, 25}));
    EXPECT_EQ(L.animationButton, (ControlRect{675, 683, 90, 25}));
    EXPECT_EQ(L.selectedRowBox, (ControlRect{675, 783, 90, 169}));
    EXPECT_EQ(L.deleteRowButton, (ControlRect{9, 34, 72, 20}));
    EXPECT_EQ(L.useAsReferenceButton.Top, 64);
    EXPECT_EQ(L.settingsButton.Top, 94);
    EXPECT_EQ(L.dataSourceLine.Left, 675);
    EXPECT_EQ(L.dataSourceLine.Top, 5);

    EXPECT_EQ(L.resultsTable, (ControlRect{20, 783, 648, 170}));
    const int widths[] = {74, 74, 15, 74, 74, 15, 74, 74, 15, 74, 74};
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(L.ResultsTableGrid.ColWidths[c], widths[c]);
    EXPECT_EQ(L.ResultsTableGrid.RowHeight, 33);
    EXPECT_EQ(L.expirationDepthColumn, (ControlRect{770, 783, 75, 170}));
    EXPECT_EQ(L.descriptionBox, (ControlRect{770, 578, 490, 200}));
}

TEST(StartupLayout, A1024ScreenScalesDesignSizesAndFontsTo80Percent) {
    const StartupLayout L = Layout(1024, 721, 1024, 768);
    EXPECT_EQ(L.airwayPicture, (ControlRect{10, 0, 389, 397}));
    EXPECT_EQ(L.volumeTimePlot, (ControlRect{409, 302, 389, 95}));
    EXPECT_EQ(L.lowerPanel, (ControlRect{10, 407, 1004, 294}));
    // The hidden combo box shrinks from 21 to 17 pixels.
    EXPECT_EQ(L.airwayGroupsFrame, (ControlRect{20, 434, 389, 142}));
    // The caption band above the slider panels (15 + 5 at the design width)
    // scales with the fonts too: 12 + 4, so the panels are 142 - 16 high.
    EXPECT_EQ(L.middleGroupPanel, (ControlRect{98, 446, 174, 126}));
    EXPECT_EQ(L.TrackBars[2], (ControlRect{73, 24, 24, 101})); // middleResistanceSlider
    EXPECT_EQ(L.TrackBars[4].Left, 34);                        // peripheralResistanceSlider
    EXPECT_EQ(L.Titles[kTitleR].Top, 14);
    EXPECT_EQ(L.Titles[kTitleCCC].Left, 91);
    EXPECT_EQ(L.ScaleLabels[kScaleMainR][4].Top, 28 + 4 * 20);
    EXPECT_EQ(L.ScaleLabels[kScaleMiddleR][0].Top, 28 + 16);
    EXPECT_EQ(L.ScaleLabels[kScaleLungs][0].Left, 45);
    EXPECT_EQ(L.CaptionMiddle.Left, 140);
    EXPECT_EQ(L.CaptionLungs.Left, 47);
    // The buttons' design sizes scale with the fonts (no texts measured here).
    EXPECT_EQ(L.startButton, (ControlRect{545, 434, 72, 32}));
    EXPECT_EQ(L.IndicesTableGrid.ColWidths[0], 68);
    EXPECT_EQ(L.IndicesTableGrid.ColWidths[4], 23);
    EXPECT_EQ(L.IndicesTableGrid.RowHeight, 23);
    EXPECT_EQ(L.resultsTable, (ControlRect{20, 581, 520, 120}));
    EXPECT_EQ(L.ResultsTableGrid.ColWidths[0], 58);
    EXPECT_EQ(L.ResultsTableGrid.ColWidths[2], 15);

    EXPECT_EQ(L.Fonts.WindowPx, 9);
    EXPECT_EQ(L.Fonts.DataSourceLinePx, 10);
    EXPECT_EQ(L.Fonts.DescriptionBoxPx, 13);
    EXPECT_FALSE(L.Fonts.IndicesTablePoints.has_value()); // 768 is not taller than 768
}

TEST(StartupLayout, HalfPixelsGoToTheEvenNeighbour) {
    // airwayGroupsFrame is 481 wide, so one group is 147 wide and the MIDDLE panel
    // 1.5 * 147 = 220.5, which rounds down to 220.
    const StartupLayout L = Layout(1266, 977, 1280, 1024);
    EXPECT_EQ(L.airwayGroupsFrame.Width, 481);
    EXPECT_EQ(L.middleGroupPanel.Width, 220);
}

TEST(StartupLayout, ResultsTableSeparatorsStayNarrowWhateverTheWidth) {
    for (int width : {800, 1024, 1280, 1600, 1920}) {
        const StartupLayout L = Layout(width, width * 3 / 4, width, width * 3 / 4);
        const auto& w = L.ResultsTableGrid.ColWidths;
        for (int separator : {2, 5, 8})
            EXPECT_EQ(w[separator], 15) << width;
        for (int c : {1, 3, 4, 6, 7, 9, 10})
            EXPECT_EQ(w[c], w[0]) << width;
        int sum = 0;
        for (int c = 0; c < 11; ++c)
            sum += w[c] + 1;
        EXPECT_EQ(L.resultsTable.Width, sum) << width;
    }
}

// At 1920 pixels the fonts grow by half, and so do the buttons, the
// "Selected row" group and the caption band, so that their texts stay whole.
TEST(StartupLayout, DesignSizesGrowWithTheFontsOnAWideScreen) {
    const StartupLayout L = Layout(1920, 1025, 1920, 1080);
    EXPECT_EQ(L.Fonts.WindowPx, 17); // 11 * 1.5 = 16.5, halves away from zero
    EXPECT_EQ(L.startButton.Width, 135);
    EXPECT_EQ(L.startButton.Height, 60);
    EXPECT_EQ(L.resetButton.Top, L.startButton.Bottom() + 9);
    EXPECT_EQ(L.animationSpeedButton.Left, L.pauseButton.Right() + 8);
    EXPECT_EQ(L.animationButton.Width, 135);
    EXPECT_EQ(L.selectedRowBox.Width, 135);
    EXPECT_EQ(L.deleteRowButton.Height, 30);
    EXPECT_EQ(L.useAsReferenceButton.Top, L.deleteRowButton.Bottom() + 15);
    EXPECT_EQ(L.mainGroupPanel.Top, L.airwayGroupsFrame.Top + 23); // 15 * 1.5 = 22.5 -> 23
    EXPECT_EQ(L.mainGroupPanel.Height, L.airwayGroupsFrame.Height - 23 - 8);
    EXPECT_EQ(L.descriptionBox.Left, L.startButton.Right() + 5);
}

// Where a text needs more than the scaled design size, the text wins.
TEST(StartupLayout, MeasuredTextsWidenButtonsAndDeepenTheCaptionBand) {
    LayoutInput in;
    in.ClientWidth = 1280;
    in.ClientHeight = 977;
    in.Design = FixedDesign();
    in.Fits.startButton = {100, 20};
    in.Fits.pauseButton = {50, 30};
    in.Fits.animationSpeedButton = {20, 20};
    in.Fits.deleteRowButton = {96, 18};
    in.Fits.CaptionHeight = 20;
    in.ReadableTablePx = 12;
    const StartupLayout L = ApplyStartupLayout(in);
    EXPECT_EQ(L.startButton.Width, 100);
    EXPECT_EQ(L.animationButton.Width, 100); // the column keeps one width
    EXPECT_EQ(L.pauseButton.Width, 50);
    EXPECT_EQ(L.pauseButton.Height, 30);
    EXPECT_EQ(L.animationSpeedButton.Height, 30);
    EXPECT_EQ(L.animationSpeedButton.Width, 43);
    EXPECT_EQ(L.selectedRowBox.Width, 121); // 96 / 0.8 = 120, and one to spare
    EXPECT_EQ(L.deleteRowButton.Width, 97); // 0.8 * 121 = 96.8
    EXPECT_EQ(L.mainGroupPanel.Top, L.airwayGroupsFrame.Top + 22); // caption 1 + 20 + 1
    EXPECT_EQ(L.Fonts.TablePx, 12);
    EXPECT_EQ(L.Fonts.WindowPx, 11);
}

// With the slider's own thumb positions, each scale label is centred on the
// thumb of the value it names; the middle resistance starts at 100 %.
TEST(StartupLayout, ScaleLabelsStandLevelWithTheThumb) {
    LayoutInput in;
    in.ClientWidth = 1280;
    in.ClientHeight = 977;
    in.Design = FixedDesign();
    std::vector<std::array<int, 3>> asked;
    in.ThumbCentreAt = [&](int k, int value, int height) {
        asked.push_back({k, value, height});
        return 7 + (value - 100) / 4 + k;
    };
    const StartupLayout L = ApplyStartupLayout(in);
    const int sliderTop = L.TrackBars[0].Top;
    // Labels are 13 high: the top lies 6 above the thumb's centre.
    EXPECT_EQ(L.ScaleLabels[kScaleMainR][0].Top, sliderTop + 7 + 0 + 1 - 6);
    EXPECT_EQ(L.ScaleLabels[kScaleMainR][4].Top, sliderTop + 7 + 100 + 1 - 6);
    EXPECT_EQ(L.ScaleLabels[kScaleMiddleR][0].Top, sliderTop + 7 + 25 + 3 - 6);
    EXPECT_EQ(L.ScaleLabels[kScaleMiddleR][4].Top, sliderTop + 7 + 125 + 3 - 6);
    EXPECT_EQ(L.ScaleLabels[kScaleLungs][2].Top, sliderTop + 7 + 50 + 7 - 6);
    // Once per label, and once per column for the room its last label needs.
    ASSERT_EQ(asked.size(), size_t(kScaleColumnCount * (kScaleLabelsPerColumn + 1)));
    EXPECT_EQ(asked.front()[2], L.TrackBars[0].Height);
}

// A face whose line is taller than the step between two thumbs (Noto Sans
// on a 768-pixel screen) gets a smaller font for the scale labels, and the
// labels stay level with their thumbs without covering each other.
TEST(StartupLayout, ScaleLabelsCloserThanALineGetASmallerFont) {
    LayoutInput in;
    in.ClientWidth = 1280;
    in.ClientHeight = 977;
    in.Design = FixedDesign();
    in.Fits.LabelHeight = 40; // taller than any step of the 1280 x 977 layout
    in.ThumbCentreAt = [](int k, int value, int) { return 7 + (value - 100) / 4 + k; };
    const StartupLayout L = ApplyStartupLayout(in);
    EXPECT_LT(L.Fonts.ScaleLabelPx, L.Fonts.WindowPx);
    EXPECT_GE(L.Fonts.ScaleLabelPx, 1);
    for (const auto& column : L.ScaleLabels)
        for (int i = 0; i + 1 < kScaleLabelsPerColumn; ++i)
            EXPECT_LE(std::min(column[i].Bottom(), column[i + 1].Bottom()),
                      std::max(column[i].Top, column[i + 1].Top));
    // The step of the middle resistance's thumbs here is 25 pixels.
    EXPECT_EQ(L.ScaleLabels[kScaleMiddleR][0].Height, 25);

    in.Fits.LabelHeight = 13;
    EXPECT_EQ(ApplyStartupLayout(in).Fonts.ScaleLabelPx, ApplyStartupLayout(in).Fonts.WindowPx);
}
