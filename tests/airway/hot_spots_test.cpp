#include "hot_spots.h"

#include <gtest/gtest.h>

namespace breathlab {
namespace {

HotSpotTable Table(std::initializer_list<const char*> rows) {
    HotSpotTable table{QStringList{"nr", "x", "y", "region"}};
    for (const char* row : rows)
        table.append(QString(row).split(';'));
    return table;
}

// Two overlapping hot spots, a row with a broken position, a broken region
// code, a zero code, and a short row.
const HotSpotTable kTable = Table({"1;50;50;2", "2;52;52;3", "3;x;20;4", "4;80;80;abc", "5;10;10;0",
                                   "6;30", "7;90;10;5", "8;20;80;1"});

int Hover(const HotSpotTable& table, int x, int y, int width = 100, int height = 100) {
    HotSpotState state;
    OnPictureMouseMove(state, table, 0, x, y, width, height);
    return state.HoverHotSpot;
}

TEST(HotSpotHits, LaterRowWinsAndRadiusIsStrict) {
    EXPECT_EQ(Hover(kTable, 50, 50), 2); // inside both: the later row
    EXPECT_EQ(Hover(kTable, 46, 46), 1); // only the first
    EXPECT_EQ(Hover(kTable, 56, 56), 2);
    EXPECT_EQ(Hover(kTable, 45, 50), kNoHotSpot); // exactly 5 % away is outside
    EXPECT_EQ(Hover(kTable, 50, 57), kNoHotSpot);
}

TEST(HotSpotHits, MousePositionIsRoundedHalfToEvenPercent) {
    EXPECT_EQ(Hover(kTable, 455, 500, 1000, 1000), 1);          // 45.5 % -> 46
    EXPECT_EQ(Hover(kTable, 445, 500, 1000, 1000), kNoHotSpot); // 44.5 % -> 44
}

TEST(HotSpotHits, InvalidCellsAreSkippedOrCountAsThePlainPicture) {
    HotSpotState state;
    EXPECT_EQ(OnPictureMouseMove(state, kTable, 0, 0, 20, 100, 100), 1);
    EXPECT_EQ(state.HoverHotSpot, kNoHotSpot); // "x" is no position
    EXPECT_EQ(OnPictureMouseMove(state, kTable, 0, 30, 0, 100, 100), 1);
    EXPECT_EQ(state.HoverHotSpot, kNoHotSpot); // the short row has no y
    EXPECT_EQ(OnPictureMouseMove(state, kTable, 0, 80, 80, 100, 100), 1);
    EXPECT_EQ(state.HoverHotSpot, 4); // a hot spot, but its code "abc" shows picture 1
    EXPECT_EQ(OnPictureMouseMove(state, kTable, 0, 10, 10, 100, 100), 1);
    EXPECT_EQ(state.HoverHotSpot, 5); // code 0 shows picture 1
    EXPECT_EQ(OnPictureMouseMove(state, kTable, 0, 90, 10, 100, 100), 5);
}

TEST(HotSpotHits, ExtremeCellsAndPicturesDoNotOverflow) {
    const HotSpotTable table = Table({"1;2147483647;-2147483648;3", "2;-2147483648;50;2"});
    EXPECT_EQ(Hover(table, 50, 50), kNoHotSpot);
    EXPECT_EQ(Hover(table, 2000000000, 50, 1), kNoHotSpot);
    EXPECT_EQ(Hover(kTable, 50, 50, 0, 100), kNoHotSpot);
}

TEST(HotSpotHits, HeaderOnlyTableNeverHitsAndAClickDeselects) {
    const HotSpotTable headerOnly = Table({});
    HotSpotState state;
    EXPECT_EQ(OnPictureMouseMove(state, headerOnly, 0, 50, 50, 100, 100), 1);
    EXPECT_EQ(state.HoverHotSpot, kNoHotSpot);
    const PictureClick click = OnPictureMouseDown(state, headerOnly, PictureButton::Left);
    EXPECT_EQ(click.SliderGroup, 0);
    EXPECT_FALSE(click.OpenHelp);
}

TEST(HotSpotClicks, LeftClickSelectsTheSliderGroupOfTheRegion) {
    const HotSpotTable table =
        Table({"1;10;10;1", "2;30;10;2", "3;50;10;3", "4;70;10;4", "5;90;10;5", "6;10;50;abc"});
    const std::pair<int, std::optional<int>> cases[] = {
        {10, 0}, {30, 1}, {50, 3}, {70, 4}, {90, 5}};
    for (const auto& [x, group] : cases) {
        HotSpotState state;
        OnPictureMouseMove(state, table, 0, x, 10, 100, 100);
        EXPECT_EQ(OnPictureMouseDown(state, table, PictureButton::Left).SliderGroup, group) << x;
        EXPECT_EQ(state.ClickedHotSpot, state.HoverHotSpot);
    }
    HotSpotState state;
    OnPictureMouseMove(state, table, 0, 10, 50, 100, 100);
    EXPECT_FALSE(OnPictureMouseDown(state, table, PictureButton::Left).SliderGroup);
}

TEST(HotSpotClicks, SelectedGroupStopsHoveringSoTheNextClickDeselects) {
    HotSpotState state;
    OnPictureMouseMove(state, kTable, 0, 90, 10, 100, 100);
    EXPECT_EQ(OnPictureMouseDown(state, kTable, PictureButton::Left).SliderGroup, 5);
    // With group 5 selected the picture keeps its region.
    EXPECT_FALSE(OnPictureMouseMove(state, kTable, 5, 90, 10, 100, 100));
    EXPECT_EQ(state.HoverHotSpot, kNoHotSpot);
    EXPECT_EQ(OnPictureMouseDown(state, kTable, PictureButton::Left).SliderGroup, 0);
}

TEST(HotSpotClicks, RightClickOpensHelpAndSelectsOnlyOffTheHotSpots) {
    HotSpotState state;
    OnPictureMouseMove(state, kTable, 0, 50, 50, 100, 100);
    PictureClick click = OnPictureMouseDown(state, kTable, PictureButton::Right);
    EXPECT_FALSE(click.SliderGroup);
    EXPECT_TRUE(click.OpenHelp);

    click = OnPictureMouseDown(state, kTable, PictureButton::Other);
    EXPECT_FALSE(click.SliderGroup);
    EXPECT_FALSE(click.OpenHelp);

    OnPictureMouseMove(state, kTable, 0, 0, 99, 100, 100);
    click = OnPictureMouseDown(state, kTable, PictureButton::Right);
    EXPECT_EQ(click.SliderGroup, 0);
    EXPECT_TRUE(click.OpenHelp);
}

} // namespace
} // namespace breathlab
