#include "hidden_slider_controls.h"

#include "context_help.h"
#include "control_placement.h"
#include "slider_groups.h"
#include "slider_table.h"
#include "window_controls.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>

using namespace breathlab;

HiddenSliderControls::HiddenSliderControls(QWidget* client) : QObject(client) {
    setObjectName("hiddenSliderControls");
    hiddenGroupPanel_ = NewPanel("hiddenGroupPanel", client, kButtonFace);
    hiddenGroupPanel_->installEventFilter(this);

    const SliderSpec& depth = Slider(kExpirationDepthSlider);
    expirationDepthSlider_ = new QSlider(Qt::Horizontal, client);
    expirationDepthSlider_->setObjectName(QLatin1String(depth.Name));
    expirationDepthSlider_->setRange(depth.Scale.Minimum, depth.Scale.Maximum);
    expirationDepthSlider_->setValue(depth.Scale.Default);
    expirationDepthSlider_->setTickInterval(100);
    expirationDepthSlider_->setTickPosition(QSlider::TicksBelow);
    connect(expirationDepthSlider_, &QSlider::valueChanged, this,
            [this](int position) { emit sliderMoved(kExpirationDepthSlider, position); });

    lungSelector_ = new QComboBox(client);
    lungSelector_->setObjectName("lungSelector");
    lungSelector_->addItems({tr("Both lungs"), tr("Left lung"), tr("Right lung")});
    connect(lungSelector_, &QComboBox::currentIndexChanged, this,
            &HiddenSliderControls::KeepBothLungs);
    lungSelectorLabel_ = NewLabel("lungSelectorLabel", tr("Both lungs"), client);
    expirationDepthLabel_ = NewLabel("LabelExpirationDepth", tr("expiration deepness"), client);
    depthMinimumLabel_ = NewLabel("LabelDepthMin", tr("25%"), client);
    depthMaximumLabel_ = NewLabel("LabelDepthMax", tr("400 %"), client);
    for (QWidget* control : std::initializer_list<QWidget*>{
             hiddenGroupPanel_, expirationDepthSlider_, lungSelector_, lungSelectorLabel_,
             expirationDepthLabel_, depthMinimumLabel_, depthMaximumLabel_})
        control->hide();
}

void HiddenSliderControls::Place(const StartupLayout& L) {
    const std::pair<QWidget*, ControlRect> places[] = {
        {hiddenGroupPanel_, L.hiddenGroupPanel},
        {lungSelector_, L.lungSelector},
        {expirationDepthSlider_, L.expirationDepthSlider},
        {expirationDepthLabel_, L.LabelExpirationDepth},
        {depthMinimumLabel_, L.LabelDepthMin},
        {depthMaximumLabel_, L.LabelDepthMax},
        {lungSelectorLabel_, L.lungSelectorLabel},
    };
    for (const auto& [widget, rect] : places)
        PlaceControl(widget, rect);
}

void HiddenSliderControls::ShowPosition(int position) {
    const QSignalBlocker blocker(expirationDepthSlider_);
    expirationDepthSlider_->setValue(position);
}

void HiddenSliderControls::WatchHelp(ContextHelp& help) const {
    help.Watch(hiddenGroupPanel_);
}

bool HiddenSliderControls::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit groupActivated(kHiddenGroup);
    return false;
}

// The lung selection box is kept for its looks: it always shows both lungs.
void HiddenSliderControls::KeepBothLungs() {
    const QSignalBlocker blocker(lungSelector_);
    lungSelector_->setCurrentIndex(0);
    lungSelector_->setCurrentText(tr("Both lungs"));
}
