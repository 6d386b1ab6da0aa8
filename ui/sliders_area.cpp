#include "sliders_area.h"

#include "control_placement.h"
#include "hidden_slider_controls.h"
#include "slider_group_panel.h"
#include "slider_table.h"
#include "slot_colours.h"
#include "window_controls.h"

#include <QFrame>

using namespace breathlab;

SlidersArea::SlidersArea(QWidget* client) : QObject(client) {
    setObjectName("slidersArea");
    airwayGroupsFrame_ = NewPanel("airwayGroupsFrame", client, kSilver);
    lungGroupFrame_ = NewPanel("lungGroupFrame", client, kSilver);
    using Group = SliderGroupPanel::Group;
    int n = 0;
    for (Group group : {Group::Main, Group::Middle, Group::Peripheral, Group::Lungs}) {
        QWidget* frame = group == Group::Lungs ? lungGroupFrame_ : airwayGroupsFrame_;
        panels_[n] = new SliderGroupPanel(group, client, frame);
        connect(panels_[n], &SliderGroupPanel::sliderMoved, this, &SlidersArea::sliderMoved);
        connect(panels_[n], &SliderGroupPanel::groupActivated, this, &SlidersArea::groupActivated);
        ++n;
    }
    hidden_ = new HiddenSliderControls(client);
    connect(hidden_, &HiddenSliderControls::sliderMoved, this, &SlidersArea::sliderMoved);
    connect(hidden_, &HiddenSliderControls::groupActivated, this, &SlidersArea::groupActivated);
}

void SlidersArea::MeasureDesignSizes(DesignSizes& design) const {
    for (const SliderGroupPanel* panel : panels_)
        panel->MeasureDesignSizes(design);
}

void SlidersArea::MeasureTextFits(TextFits& fits) const {
    for (const SliderGroupPanel* panel : panels_)
        panel->MeasureTextFits(fits);
}

void SlidersArea::ApplyFonts(const LayoutFonts& fonts) {
    for (SliderGroupPanel* panel : panels_)
        panel->ApplyFonts(fonts);
}

void SlidersArea::Place(const StartupLayout& L) {
    PlaceControl(airwayGroupsFrame_, L.airwayGroupsFrame);
    PlaceControl(lungGroupFrame_, L.lungGroupFrame);
    for (SliderGroupPanel* panel : panels_)
        panel->Place(L);
    hidden_->Place(L);
}

SliderGroupPanel& SlidersArea::PanelOf(int k) const {
    for (SliderGroupPanel* panel : panels_)
        if (panel->HasSlider(k)) return *panel;
    Q_UNREACHABLE();
}

int SlidersArea::ThumbCentre(int k, int value, int height) const {
    return PanelOf(k).ThumbCentre(k, value, height);
}

void SlidersArea::ShowPosition(int k, int position) {
    if (k == kExpirationDepthSlider)
        hidden_->ShowPosition(position);
    else
        PanelOf(k).ShowPosition(k, position);
}

void SlidersArea::ShowGroupControls(const SliderGroupControls& controls) {
    for (SliderGroupPanel* panel : panels_)
        panel->ShowGroupControls(controls);
}

void SlidersArea::SetPanelsEnabled(bool enabled) {
    for (SliderGroupPanel* panel : panels_)
        panel->SetEnabled(enabled);
}

bool SlidersArea::SetControlEnabled(AnimationControl control, bool enabled) {
    for (SliderGroupPanel* panel : panels_)
        if (panel->SetControlEnabled(control, enabled)) return true;
    return false;
}

void SlidersArea::WatchHelp(ContextHelp& help) const {
    for (const SliderGroupPanel* panel : panels_)
        panel->WatchHelp(help);
    hidden_->WatchHelp(help);
}

QSlider* SlidersArea::Slider(int k) const {
    return k == kExpirationDepthSlider ? hidden_->ExpirationDepthSlider() : PanelOf(k).Slider(k);
}

QLabel* SlidersArea::ScaleLabel(int column, int i) const {
    for (const SliderGroupPanel* panel : panels_)
        if (QLabel* label = panel->ScaleLabel(column, i)) return label;
    return nullptr;
}
