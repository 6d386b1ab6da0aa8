#include "region_picture.h"

#include "translated.h"

namespace breathlab {

namespace {

constexpr int kLabelPixelsPerCharacter = 10;
constexpr int kLabelGap = 5;

} // namespace

QString RegionName(int region) {
    switch (region) {
    case kRegionMain:
        return Translated("RegionPicture", " main");
    case kRegionMiddle:
        return Translated("RegionPicture", " middle");
    case kRegionPeripheral:
        return Translated("RegionPicture", " peripheral");
    case kRegionLungs:
        return Translated("RegionPicture", " lungs ");
    default:
        return {};
    }
}

std::optional<int> RegionPicture::ShowRegion(int n, int x, int y, QPoint picture, int labelHeight) {
    if (n == kForcePlainPicture) {
        n = kRegionPlain;
        shownRegion_ = kRegionMain; // anything but the plain picture, so it is painted
    }
    if (n == shownRegion_ || n == kShowNothing) return std::nullopt;

    bool labelWanted = true;
    if (n == kRepaintShown) {
        n = shownRegion_ == kNothingPainted ? kRegionPlain : shownRegion_;
        labelWanted = false;
    }
    if (labelWanted && n >= kRegionMain && n <= kRegionLungs) {
        label_.Text = RegionName(n);
        label_.Left = picture.x() + x + kLabelGap;
        label_.Top = picture.y() + y - labelHeight - kLabelGap;
        label_.Width = kLabelPixelsPerCharacter * label_.Text.size();
        label_.Visible = true;
        labelTimerRunning_ = true;
    } else if (labelWanted && n == kRegionPlain) {
        label_.Visible = false;
    }
    shownRegion_ = n;
    return n;
}

std::optional<int> RegionPicture::OnLabelTimer(int sliderGroup) {
    label_.Visible = false;
    if (sliderGroup != 0) return std::nullopt;
    return ShowRegion(kForcePlainPicture, 0, 0, {}, 0);
}

} // namespace breathlab
