// The sliders on the lower half of the window: the frames around the airway
// groups and the lung group, the four group panels standing on them (MAIN,
// MIDDLE, PERIPHERAL, LUNGS) and the hidden controls. The area passes on what
// its parts report (a slider moved, a group chosen) and gives the window's
// one-time layout what it needs from all of them at once.
#pragma once

#include "animation.h"
#include "slider_groups.h"
#include "startup_layout.h"

#include <QObject>

#include <array>

class ContextHelp;
class HiddenSliderControls;
class QFrame;
class QLabel;
class QSlider;
class QWidget;
class SliderGroupPanel;

class SlidersArea : public QObject {
    Q_OBJECT

  public:
    // The frames, panels and hidden controls become children of `client`.
    explicit SlidersArea(QWidget* client);

    void MeasureDesignSizes(breathlab::DesignSizes& design) const;
    void MeasureTextFits(breathlab::TextFits& fits) const;
    void ApplyFonts(const breathlab::LayoutFonts& fonts);
    void Place(const breathlab::StartupLayout& layout);
    // The layout's ThumbCentreAt for slider k (1..8).
    int ThumbCentre(int k, int value, int height) const;

    // Slider k (1..9) follows the bank's position without reporting a move.
    void ShowPosition(int k, int position);
    void ShowGroupControls(const breathlab::SliderGroupControls& controls);
    // While a command runs no group panel takes clicks.
    void SetPanelsEnabled(bool enabled);
    // A replay locks the group panel it names; false for any other control.
    bool SetControlEnabled(breathlab::AnimationControl control, bool enabled);
    void WatchHelp(ContextHelp& help) const;

    // Slider k (1..9) and scale label i of a column, for the checks of the layout.
    QSlider* Slider(int k) const;
    QLabel* ScaleLabel(int column, int i) const;

  signals:
    // Slider k (1..9) was moved to `position` by the user.
    void sliderMoved(int slider, int position);
    // A group's panel was clicked (breathlab::kMainGroup .. kLungsGroup, or kHiddenGroup).
    void groupActivated(int group);

  private:
    SliderGroupPanel& PanelOf(int k) const;

    QFrame* airwayGroupsFrame_ = nullptr;
    QFrame* lungGroupFrame_ = nullptr;
    std::array<SliderGroupPanel*, 4> panels_{}; // MAIN, MIDDLE, PERIPHERAL, LUNGS
    HiddenSliderControls* hidden_ = nullptr;
};
