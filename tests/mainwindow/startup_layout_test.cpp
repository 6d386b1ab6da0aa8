// The start-up layout on the two common screen widths, with numbers worked out
// by hand from the placement rules, and the MulDiv rounding it rests on.
#include <gtest/gtest.h>

#include <climits>

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
    d.Label26 = {150, 16};
    d.Label50 = {0, 13};
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
    EXPECT_EQ(L.Image1, (ControlRect{10, 0, 486, 537}));
    EXPECT_EQ(L.Image2, (ControlRect{506, 0, 486, 403}));
    EXPECT_EQ(L.Image3, (ControlRect{506, 408, 486, 129}));
    EXPECT_EQ(L.StringGrid1, (ControlRect{1002, 0, 268, 537}));
    EXPECT_EQ(L.StringGrid1Grid.ColCount, 5);
    EXPECT_EQ(L.StringGrid1Grid.ColWidths[0], 88);
    EXPECT_EQ(L.StringGrid1Grid.ColWidths[1], 32);
    EXPECT_EQ(L.StringGrid1Grid.ColWidths[2], 54);
    EXPECT_EQ(L.StringGrid1Grid.ColWidths[3], 54);
    EXPECT_EQ(L.StringGrid1Grid.ColWidths[4], 29);
    EXPECT_EQ(L.StringGrid1Grid.RowHeight, 32);
    EXPECT_EQ(L.Fonts.StringGrid1Points, 10);
}

TEST(StartupLayout, FramesSlidersAndLabelsOnA1280Screen) {
    const StartupLayout L = Layout(1280, 977, 1280, 1024);
    EXPECT_EQ(L.Panel6, (ControlRect{10, 547, 1260, 410}));
    EXPECT_EQ(L.Label50.Left, 20);
    EXPECT_EQ(L.Label50.Top, 957);
    EXPECT_EQ(L.Panel5, (ControlRect{20, 578, 486, 200}));
    EXPECT_EQ(L.Panel7, (ControlRect{511, 578, 159, 200}));
    EXPECT_EQ(L.Panel1, (ControlRect{25, 593, 75, 180}));
    EXPECT_EQ(L.Panel2, (ControlRect{115, 593, 224, 180}));
    EXPECT_EQ(L.Panel3, (ControlRect{353, 593, 149, 180}));
    EXPECT_EQ(L.Panel4, (ControlRect{516, 593, 149, 180}));

    EXPECT_EQ(L.TrackBars[2], (ControlRect{89, 35, 30, 144})); // TrackBar3
    EXPECT_EQ(L.TrackBars[3].Left, 191);                       // TrackBar4
    EXPECT_EQ(L.TrackBars[4].Left, 44);                        // TrackBar5
    EXPECT_EQ(L.TrackBars[7].Left, 116);                       // TrackBar8

    EXPECT_EQ(L.CaptionMain.Left, 5);
    EXPECT_EQ(L.CaptionMiddle.Left, 176);
    EXPECT_EQ(L.CaptionPeripheral.Left, 396);
    EXPECT_EQ(L.CaptionLungs.Left, 59);
    EXPECT_EQ(L.Titles[kTitleMiddleR], (ControlRect{89, 24, 60, 13}));
    EXPECT_EQ(L.Titles[kTitlePeripheralR].Left, 1);
    EXPECT_EQ(L.Titles[kTitleCCC].Left, 119);
    EXPECT_EQ(L.Titles[kTitleCm].Left, 114);

    const int mainTops[] = {41, 70, 99, 128, 157};
    const int middleTops[] = {64, 87, 110, 133, 156};
    for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
        EXPECT_EQ(L.ScaleLabels[kScaleMainR][i].Top, mainTops[i]);
        EXPECT_EQ(L.ScaleLabels[kScaleMainR][i].Left, 33);
        EXPECT_EQ(L.ScaleLabels[kScaleMiddleR][i].Top, middleTops[i]);
        EXPECT_EQ(L.ScaleLabels[kScaleMiddleR][i].Left, 119);
        EXPECT_EQ(L.ScaleLabels[kScalePeripheralR][i].Left, 2);
        EXPECT_EQ(L.ScaleLabels[kScaleLungs][i].Left, 59);
    }
}

TEST(StartupLayout, ButtonsAndTablesOnA1280Screen) {
    const StartupLayout L = Layout(1280, 977, 1280, 1024);
    EXPECT_EQ(L.Button2, (ControlRect{675, 578, 90, 40}));
    EXPECT_EQ(L.Button1, (ControlRect{675, 624, 43, 27}));
    EXPECT_EQ(L.Button11, (ControlRect{720, 624, 45, 27}));
    EXPECT_EQ(L.Button9, (ControlRect{675, 657, 43, 25}));
    EXPECT_EQ(L.Button10, (ControlRect{723, 657, 43, 25}));
    EXPECT_EQ(L.Button8, (ControlRect{675, 683, 90, 25}));
    EXPECT_EQ(L.GroupBox1, (ControlRect{675, 783, 90, 169}));
    EXPECT_EQ(L.Button3, (ControlRect{9, 34, 72, 20}));
    EXPECT_EQ(L.Button6.Top, 64);
    EXPECT_EQ(L.Button12.Top, 94);
    EXPECT_EQ(L.Label26.Left, 675);
    EXPECT_EQ(L.Label26.Top, 5);

    EXPECT_EQ(L.StringGrid2, (ControlRect{20, 783, 648, 170}));
    const int widths[] = {74, 74, 15, 74, 74, 15, 74, 74, 15, 74, 74};
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(L.StringGrid2Grid.ColWidths[c], widths[c]);
    EXPECT_EQ(L.StringGrid2Grid.RowHeight, 33);
    EXPECT_EQ(L.StringGrid3, (ControlRect{770, 783, 75, 170}));
    EXPECT_EQ(L.RichEdit1, (ControlRect{770, 578, 490, 200}));
}

TEST(StartupLayout, A1024ScreenScalesDesignSizesAndFontsTo80Percent) {
    const StartupLayout L = Layout(1024, 721, 1024, 768);
    EXPECT_EQ(L.Image1, (ControlRect{10, 0, 389, 397}));
    EXPECT_EQ(L.Image3, (ControlRect{409, 302, 389, 95}));
    EXPECT_EQ(L.Panel6, (ControlRect{10, 407, 1004, 294}));
    // The hidden combo box shrinks from 21 to 17 pixels.
    EXPECT_EQ(L.Panel5, (ControlRect{20, 434, 389, 142}));
    EXPECT_EQ(L.Panel2, (ControlRect{98, 449, 174, 122}));
    EXPECT_EQ(L.TrackBars[2], (ControlRect{73, 23, 24, 98})); // TrackBar3
    EXPECT_EQ(L.TrackBars[4].Left, 34);                       // TrackBar5
    EXPECT_EQ(L.Titles[kTitleR].Top, 15);
    EXPECT_EQ(L.Titles[kTitleCCC].Left, 91);
    EXPECT_EQ(L.ScaleLabels[kScaleMainR][4].Top, 27 + 4 * 20);
    EXPECT_EQ(L.ScaleLabels[kScaleMiddleR][0].Top, 27 + 16);
    EXPECT_EQ(L.ScaleLabels[kScaleLungs][0].Left, 45);
    EXPECT_EQ(L.CaptionMiddle.Left, 140);
    EXPECT_EQ(L.CaptionLungs.Left, 47);
    EXPECT_EQ(L.Button2, (ControlRect{545, 434, 90, 40}));
    EXPECT_EQ(L.StringGrid1Grid.ColWidths[0], 68);
    EXPECT_EQ(L.StringGrid1Grid.ColWidths[4], 23);
    EXPECT_EQ(L.StringGrid1Grid.RowHeight, 23);
    EXPECT_EQ(L.StringGrid2, (ControlRect{20, 581, 520, 120}));
    EXPECT_EQ(L.StringGrid2Grid.ColWidths[0], 58);
    EXPECT_EQ(L.StringGrid2Grid.ColWidths[2], 15);

    EXPECT_EQ(L.Fonts.WindowPx, 9);
    EXPECT_EQ(L.Fonts.Label26Px, 10);
    EXPECT_EQ(L.Fonts.RichEdit1Px, 13);
    EXPECT_FALSE(L.Fonts.StringGrid1Points.has_value()); // 768 is not taller than 768
}

TEST(StartupLayout, HalfPixelsGoToTheEvenNeighbour) {
    // Panel5 is 481 wide, so one group is 147 wide and the MIDDLE panel
    // 1.5 * 147 = 220.5, which rounds down to 220.
    const StartupLayout L = Layout(1266, 977, 1280, 1024);
    EXPECT_EQ(L.Panel5.Width, 481);
    EXPECT_EQ(L.Panel2.Width, 220);
}

TEST(StartupLayout, ResultsTableSeparatorsStayNarrowWhateverTheWidth) {
    for (int width : {800, 1024, 1280, 1600, 1920}) {
        const StartupLayout L = Layout(width, width * 3 / 4, width, width * 3 / 4);
        const auto& w = L.StringGrid2Grid.ColWidths;
        for (int separator : {2, 5, 8})
            EXPECT_EQ(w[separator], 15) << width;
        for (int c : {1, 3, 4, 6, 7, 9, 10})
            EXPECT_EQ(w[c], w[0]) << width;
        int sum = 0;
        for (int c = 0; c < 11; ++c)
            sum += w[c] + 1;
        EXPECT_EQ(L.StringGrid2.Width, sum) << width;
    }
}
