// One group of sliders on the lower half of the window (MAIN, MIDDLE,
// PERIPHERAL or LUNGS): its raised panel, its bold caption on the frame around
// the groups, its sliders with the titles over them and the scale labels
// beside them. The panel says through signals when the user moves one of its
// sliders or clicks the panel, a title or a scale label, which chooses the
// group; the caption only carries its help page.
#pragma once

#include "animation.h"
#include "slider_groups.h"
#include "startup_layout.h"

#include <QObject>

#include <array>
#include <vector>

class ContextHelp;
class QFrame;
class QLabel;
class QSlider;
class QWidget;

class SliderGroupPanel : public QObject {
    Q_OBJECT

  public:
    enum class Group { Main, Middle, Peripheral, Lungs };

    // The panel becomes a child of `client`, the caption of `frame`.
    SliderGroupPanel(Group group, QWidget* client, QWidget* frame);

    // The group's number for the slider bank (breathlab::kMainGroup ..).
    int GroupNumber() const;

    // The sizes the caption, titles and scale labels need: at the design
    // font before the layout, in the screen's fonts once they are set.
    void MeasureDesignSizes(breathlab::DesignSizes& design) const;
    void MeasureTextFits(breathlab::TextFits& fits) const;
    void ApplyFonts(const breathlab::LayoutFonts& fonts);
    void Place(const breathlab::StartupLayout& layout);

    // Whether slider k (1..9, as the slider bank counts them) is this group's.
    bool HasSlider(int k) const;
    // Where the thumb of this group's slider k is centred, measured from the
    // slider's top, at `value` on a slider `height` pixels long.
    int ThumbCentre(int k, int value, int height) const;

    // Moves this group's slider k to show the bank's position; no move is reported.
    void ShowPosition(int k, int position);
    // Enables the sliders and scale labels that the selected group makes usable.
    void ShowGroupControls(const breathlab::SliderGroupControls& controls);
    // While a command runs the panel takes no clicks.
    void SetEnabled(bool enabled);
    // A replay locks the panel it names; false when it names another control.
    bool SetControlEnabled(breathlab::AnimationControl control, bool enabled);

    // A right click on the panel, its caption, titles or scale labels opens their help page.
    void WatchHelp(ContextHelp& help) const;

    // This group's slider k and its scale label i (0..4, top to bottom) of a
    // column; nullptr for another group's.
    QSlider* Slider(int k) const;
    QLabel* ScaleLabel(int column, int i) const;

  signals:
    void sliderMoved(int slider, int position);
    void groupActivated(int group);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateSliders();
    void CreateLabels();
    QList<QWidget*> MouseControls() const;

    Group group_;
    QFrame* panel_ = nullptr;
    QLabel* caption_ = nullptr;
    std::vector<QSlider*> sliders_; // in the bank's order
    std::vector<QLabel*> titles_;   // one over each slider
    std::vector<std::array<QLabel*, breathlab::kScaleLabelsPerColumn>> scaleLabels_; // by column
};
