#include "region_picture.h"

#include <gtest/gtest.h>

namespace breathlab {
namespace {

const QPoint kPictureCorner(10, 4);
constexpr int kLabelHeight = 24;

std::optional<int> Show(RegionPicture& picture, int n, int x = 0, int y = 0) {
    return picture.ShowRegion(n, x, y, kPictureCorner, kLabelHeight);
}

TEST(RegionPicture, FirstRepaintPaintsThePlainPicture) {
    RegionPicture picture;
    EXPECT_EQ(picture.ShownRegion(), -2);
    EXPECT_EQ(Show(picture, kRepaintShown), kRegionPlain);
    EXPECT_EQ(picture.ShownRegion(), kRegionPlain);
    EXPECT_FALSE(picture.Label().Visible);
    EXPECT_FALSE(picture.LabelTimerRunning());
}

TEST(RegionPicture, RegionShowsItsNameBesideTheMouseAndStartsTheTimer) {
    RegionPicture picture;
    EXPECT_EQ(Show(picture, kRegionMiddle, 100, 60), kRegionMiddle);
    const RegionLabel& label = picture.Label();
    EXPECT_TRUE(label.Visible);
    EXPECT_EQ(label.Text, " middle");
    EXPECT_EQ(label.Left, 10 + 100 + 5);
    EXPECT_EQ(label.Top, 4 + 60 - kLabelHeight - 5);
    EXPECT_EQ(label.Width, 70);
    EXPECT_TRUE(picture.LabelTimerRunning());

    // The same region again, elsewhere: nothing painted, the label stays put.
    EXPECT_FALSE(Show(picture, kRegionMiddle, 300, 200));
    EXPECT_EQ(picture.Label().Left, 115);

    EXPECT_EQ(Show(picture, kRegionLungs, 0, 0), kRegionLungs);
    EXPECT_EQ(picture.Label().Text, " lungs ");
    EXPECT_EQ(picture.Label().Width, 70);
}

TEST(RegionPicture, SpecialRequests) {
    RegionPicture picture;
    Show(picture, kRegionMain, 5, 5);
    EXPECT_FALSE(Show(picture, kShowNothing));
    EXPECT_EQ(picture.ShownRegion(), kRegionMain);

    // A repaint brings back the shown picture and leaves the label alone.
    EXPECT_EQ(Show(picture, kRepaintShown, 400, 400), kRegionMain);
    EXPECT_TRUE(picture.Label().Visible);
    EXPECT_EQ(picture.Label().Left, 10 + 5 + 5);

    EXPECT_EQ(Show(picture, kRegionPlain), kRegionPlain);
    EXPECT_FALSE(picture.Label().Visible);
    EXPECT_FALSE(Show(picture, kRegionPlain));
    // The forced request paints the plain picture although it is shown.
    EXPECT_EQ(Show(picture, kForcePlainPicture), kRegionPlain);
    EXPECT_EQ(picture.ShownRegion(), kRegionPlain);
}

TEST(RegionPicture, CodeWithoutPictureTouchesNeitherLabelNorPicture) {
    RegionPicture picture;
    Show(picture, kRegionPeripheral, 1, 1);
    EXPECT_EQ(Show(picture, 7), 7); // the window has no picture 7 to paint
    EXPECT_EQ(picture.ShownRegion(), 7);
    EXPECT_TRUE(picture.Label().Visible);
    EXPECT_EQ(picture.Label().Text, " peripheral");
}

TEST(LabelTimer, TickHidesTheLabelAndRestoresThePlainPictureWhenNoGroupIsSelected) {
    RegionPicture picture;
    Show(picture, kRegionMain, 5, 5);
    EXPECT_EQ(picture.OnLabelTimer(0), kRegionPlain);
    EXPECT_FALSE(picture.Label().Visible);
    EXPECT_EQ(picture.ShownRegion(), kRegionPlain);
    EXPECT_TRUE(picture.LabelTimerRunning()); // the tick does not stop it
    // A later tick repaints the plain picture again: it may have been painted over.
    EXPECT_EQ(picture.OnLabelTimer(0), kRegionPlain);
}

TEST(LabelTimer, SelectedGroupKeepsItsPictureAndLosesOnlyTheLabel) {
    RegionPicture picture;
    Show(picture, kRegionLungs, 5, 5);
    EXPECT_FALSE(picture.OnLabelTimer(5));
    EXPECT_FALSE(picture.Label().Visible);
    EXPECT_EQ(picture.ShownRegion(), kRegionLungs);
}

TEST(LabelTimer, StartAndAnimationHoldTheTimerUntilTheNextLabel) {
    RegionPicture picture;
    Show(picture, kRegionMain, 5, 5);
    picture.SetLabelTimerEnabled(false);
    EXPECT_FALSE(picture.LabelTimerRunning());
    Show(picture, kRegionPlain);
    EXPECT_FALSE(picture.LabelTimerRunning()); // hiding the label starts nothing
    Show(picture, kRegionMiddle, 5, 5);
    EXPECT_TRUE(picture.LabelTimerRunning());
}

} // namespace
} // namespace breathlab
