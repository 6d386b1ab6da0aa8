// Which region picture the airway picture shows, and the name label that
// appears beside the mouse when a hot spot highlights a region. The window
// paints and places widgets after each call as the state says; nothing here
// touches a widget.
#pragma once

#include <QPoint>
#include <QString>

#include <optional>

namespace breathlab {

// Region codes, the index of the region pictures.
constexpr int kRegionPlain = 1;
constexpr int kRegionMain = 2;
constexpr int kRegionMiddle = 3;
constexpr int kRegionPeripheral = 4;
constexpr int kRegionLungs = 5;
constexpr int kRegionPictureCount = 5;

// Special requests of ShowRegion.
constexpr int kShowNothing = -1;       // does nothing
constexpr int kForcePlainPicture = -2; // paints the plain picture even if it is shown
constexpr int kRepaintShown = -3;      // repaints the shown picture, label untouched

constexpr int kLabelTimerIntervalMs = 2000;

// Text of the name label for a region code; empty for the plain picture and
// for codes without a name.
QString RegionName(int region);

struct RegionLabel {
    bool Visible = false;
    QString Text;
    int Left = 0;
    int Top = 0;
    int Width = 0;
};

class RegionPicture {
  public:
    // Asks for region picture n (or a special request) with the label near
    // (x, y), relative to the picture area whose top-left corner is `picture`
    // in the window; `labelHeight` is the label's height. Returns the picture
    // to paint over the area: 1..5 a region picture, any other code a picture
    // that does not exist, so nothing is painted. No value: paint nothing.
    std::optional<int> ShowRegion(int n, int x, int y, QPoint picture, int labelHeight);

    // Tick of the label timer: hides the label and, while no slider group is
    // selected, brings back the plain picture (the returned picture to paint).
    // The timer keeps running.
    std::optional<int> OnLabelTimer(int sliderGroup);

    // START and the animation hold the timer while they run.
    void SetLabelTimerEnabled(bool enabled) { labelTimerRunning_ = enabled; }

    int ShownRegion() const { return shownRegion_; }
    const RegionLabel& Label() const { return label_; }
    bool LabelTimerRunning() const { return labelTimerRunning_; }

  private:
    static constexpr int kNothingPainted = -2;
    int shownRegion_ = kNothingPainted;
    RegionLabel label_;
    bool labelTimerRunning_ = false;
};

} // namespace breathlab
