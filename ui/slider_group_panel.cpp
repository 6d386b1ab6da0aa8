#include "slider_group_panel.h"

#include "context_help.h"
#include "control_placement.h"
#include "slider_table.h"
#include "window_controls.h"
#include "window_font.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

using namespace breathlab;

namespace {

constexpr int kMiddleStiffnessSlider = 4; // middleStiffnessSlider

// What tells one group from another: its controls' names and texts, the
// sliders and scale columns it holds, and where the layout keeps its places.
struct GroupTraits {
    const char* PartName;
    const char* PanelName;
    const char* CaptionName;
    const char* CaptionText;
    int Number;
    AnimationControl Lock;
    int FirstSlider, LastSlider; // 1..8, as the slider bank counts them
    int FirstColumn, LastColumn; // ScaleColumn
    ControlRect StartupLayout::*PanelPlace;
    ControlRect StartupLayout::*CaptionPlace;
    TextSize DesignSizes::*CaptionSize;
    int TextFits::*CaptionWidth;
};

const GroupTraits kGroups[] = {
    {"mainSliderGroup", "mainGroupPanel", "MainCaption",
     QT_TRANSLATE_NOOP("SliderGroupPanel", "MAIN"), kMainGroup, AnimationControl::MainGroupPanel, 1,
     1, kScaleMainR, kScaleMainR, &StartupLayout::mainGroupPanel, &StartupLayout::CaptionMain,
     &DesignSizes::CaptionMain, &TextFits::CaptionMainWidth},
    {"middleSliderGroup", "middleGroupPanel", "MiddleCaption",
     QT_TRANSLATE_NOOP("SliderGroupPanel", "MIDDLE"), kMiddleGroup,
     AnimationControl::MiddleGroupPanel, 2, 4, kScaleVDc, kScaleMiddleR,
     &StartupLayout::middleGroupPanel, &StartupLayout::CaptionMiddle, &DesignSizes::CaptionMiddle,
     &TextFits::CaptionMiddleWidth},
    {"peripheralSliderGroup", "peripheralGroupPanel", "PeripheralCaption",
     QT_TRANSLATE_NOOP("SliderGroupPanel", "PERIPHERAL"), kPeripheralGroup,
     AnimationControl::PeripheralGroupPanel, 5, 6, kScalePeripheralR, kScaleCCC,
     &StartupLayout::peripheralGroupPanel, &StartupLayout::CaptionPeripheral,
     &DesignSizes::CaptionPeripheral, &TextFits::CaptionPeripheralWidth},
    {"lungsSliderGroup", "lungsGroupPanel", "LungsCaption",
     QT_TRANSLATE_NOOP("SliderGroupPanel", "LUNGS"), kLungsGroup, AnimationControl::LungsGroupPanel,
     7, 8, kScaleLungs, kScaleLungs, &StartupLayout::lungsGroupPanel, &StartupLayout::CaptionLungs,
     &DesignSizes::CaptionLungs, &TextFits::CaptionLungsWidth},
};

// Slider k's title, in the bank's order of the sliders.
const char* const kTitleTexts[kSliderTitleCount] = {
    QT_TRANSLATE_NOOP("SliderGroupPanel", "R"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "VDc"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", " R(1/lumen)"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "Stiff"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", " R(1/lumen)"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "CCC"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "Size"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "Cm")};
// Object names: the help pages are chosen by them.
const char* const kTitleNames[kSliderTitleCount] = {"MainTitle",  "VDcTitle",        "MiddleTitle",
                                                    "StiffTitle", "PeripheralTitle", "CCCTitle",
                                                    "SizeTitle",  "CmTitle"};

// The scale labels of each kind of scale, top to bottom: resistances double
// from step to step, volumes go by halves or by quarters of 100 %.
const char* const kDoublingScale[kScaleLabelsPerColumn] = {
    QT_TRANSLATE_NOOP("SliderGroupPanel", "50%"), QT_TRANSLATE_NOOP("SliderGroupPanel", "100%"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "200%"), QT_TRANSLATE_NOOP("SliderGroupPanel", "400%"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "800%")};
const char* const kHalvesScale[kScaleLabelsPerColumn] = {
    QT_TRANSLATE_NOOP("SliderGroupPanel", "50%"), QT_TRANSLATE_NOOP("SliderGroupPanel", "100%"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "150%"), QT_TRANSLATE_NOOP("SliderGroupPanel", "200%"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "250%")};
const char* const kQuartersScale[kScaleLabelsPerColumn] = {
    QT_TRANSLATE_NOOP("SliderGroupPanel", "50%"), QT_TRANSLATE_NOOP("SliderGroupPanel", "75%"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "100%"), QT_TRANSLATE_NOOP("SliderGroupPanel", "125%"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "150%")};
// The middle airways' resistance names the degree of obstruction at each step.
const char* const kObstructionScale[kScaleLabelsPerColumn] = {
    QT_TRANSLATE_NOOP("SliderGroupPanel", "100 (norm)"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "200 (mild)"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "400 (moder.)"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "800 (heavy)"),
    QT_TRANSLATE_NOOP("SliderGroupPanel", "1600 (v. heavy)")};
const char* const* const kScaleTexts[kScaleColumnCount] = {
    kDoublingScale, kHalvesScale, kObstructionScale, kDoublingScale, kHalvesScale, kQuartersScale};
// A scale label's object name is this prefix and the number its text starts with.
const char* const kScaleNames[kScaleColumnCount] = {"MainScale",       "VDcScale", "MiddleScale",
                                                    "PeripheralScale", "CCCScale", "LungScale"};

const GroupTraits& TraitsOf(SliderGroupPanel::Group group) {
    return kGroups[static_cast<int>(group)];
}

} // namespace

SliderGroupPanel::SliderGroupPanel(Group group, QWidget* client, QWidget* frame)
    : QObject(client), group_(group) {
    const GroupTraits& traits = TraitsOf(group);
    setObjectName(traits.PartName);
    panel_ = NewPanel(traits.PanelName, client, kButtonFace);
    caption_ = NewLabel(traits.CaptionName, tr(traits.CaptionText), frame);
    CreateSliders();
    CreateLabels();
    for (QWidget* control : MouseControls())
        control->installEventFilter(this);
}

int SliderGroupPanel::GroupNumber() const {
    return TraitsOf(group_).Number;
}

void SliderGroupPanel::CreateSliders() {
    const GroupTraits& traits = TraitsOf(group_);
    for (int k = traits.FirstSlider; k <= traits.LastSlider; ++k) {
        auto* slider = new QSlider(Qt::Vertical, panel_);
        slider->setObjectName(QLatin1String(breathlab::Slider(k).Name));
        const SliderScale& scale = breathlab::Slider(k).Scale;
        slider->setRange(scale.Minimum, scale.Maximum);
        slider->setValue(scale.Default);
        slider->setTickInterval(100);
        slider->setTickPosition(QSlider::TicksBelow);
        // Smallest value at the top; the keys move the thumb the way they point.
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
        connect(slider, &QSlider::valueChanged, this,
                [this, k](int position) { emit sliderMoved(k, position); });
        sliders_.push_back(slider);
    }
    // The middle airways' stiffness keeps its slider, but no group shows it.
    if (QSlider* stiffness = Slider(kMiddleStiffnessSlider)) stiffness->hide();
}

void SliderGroupPanel::CreateLabels() {
    const GroupTraits& traits = TraitsOf(group_);
    for (int k = traits.FirstSlider; k <= traits.LastSlider; ++k)
        titles_.push_back(NewLabel(kTitleNames[k - 1], tr(kTitleTexts[k - 1]), panel_));
    if (HasSlider(kMiddleStiffnessSlider))
        titles_[kMiddleStiffnessSlider - traits.FirstSlider]->hide();
    for (int c = traits.FirstColumn; c <= traits.LastColumn; ++c) {
        std::array<QLabel*, kScaleLabelsPerColumn> column{};
        for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
            const QString text = kScaleTexts[c][i];
            const QString name = kScaleNames[c] + text.section(QRegularExpression("[^0-9]"), 0, 0);
            column[i] = NewLabel(name.toLatin1().constData(), tr(kScaleTexts[c][i]), panel_);
        }
        scaleLabels_.push_back(column);
    }
}

// The controls whose left click chooses the group: the panel and the labels on it.
// The caption stands on the frame around the groups, and only takes its
// press for itself.
QList<QWidget*> SliderGroupPanel::MouseControls() const {
    QList<QWidget*> controls = {panel_, caption_};
    for (QLabel* title : titles_)
        controls.append(title);
    for (const auto& column : scaleLabels_)
        for (QLabel* label : column)
            controls.append(label);
    return controls;
}

bool SliderGroupPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    // A left click anywhere in the panel, on a title or a greyed scale label
    // as well as on the panel itself, selects the group.
    if (button == Qt::LeftButton && watched != caption_) emit groupActivated(GroupNumber());
    // A press on a label belongs to the label alone, not to the panel under it.
    return qobject_cast<QLabel*>(watched) != nullptr;
}

// The help filter goes on after the panel's own, so that it sees a press
// before the panel keeps a label's press to the label.
void SliderGroupPanel::WatchHelp(ContextHelp& help) const {
    for (QWidget* control : MouseControls())
        help.Watch(control);
}

void SliderGroupPanel::MeasureDesignSizes(DesignSizes& design) const {
    const GroupTraits& traits = TraitsOf(group_);
    const QFontMetrics plain(WindowFont(kDesignWindowFontPx));
    design.*traits.CaptionSize =
        LabelTextSize(QFontMetrics(BoldWindowFont(kDesignWindowFontPx)), caption_);
    for (std::size_t t = 0; t < titles_.size(); ++t)
        design.Titles[traits.FirstSlider - 1 + t] = LabelTextSize(plain, titles_[t]);
    for (std::size_t c = 0; c < scaleLabels_.size(); ++c)
        for (int i = 0; i < kScaleLabelsPerColumn; ++i)
            design.ScaleLabels[traits.FirstColumn + c][i] =
                LabelTextSize(plain, scaleLabels_[c][i]);
}

// Every group's caption and label lines are equally tall; the tallest serves
// the layout for all of them.
void SliderGroupPanel::MeasureTextFits(TextFits& fits) const {
    const GroupTraits& traits = TraitsOf(group_);
    fits.CaptionHeight = std::max(fits.CaptionHeight, QFontMetrics(caption_->font()).height());
    fits.*traits.CaptionWidth = caption_->sizeHint().width();
    for (std::size_t t = 0; t < titles_.size(); ++t) {
        fits.LabelHeight = std::max(fits.LabelHeight, titles_[t]->sizeHint().height());
        fits.TitleWidths[traits.FirstSlider - 1 + t] = titles_[t]->sizeHint().width();
    }
    for (std::size_t c = 0; c < scaleLabels_.size(); ++c)
        for (int i = 0; i < kScaleLabelsPerColumn; ++i)
            fits.ScaleLabelWidths[traits.FirstColumn + c][i] =
                scaleLabels_[c][i]->sizeHint().width();
}

void SliderGroupPanel::ApplyFonts(const LayoutFonts& fonts) {
    caption_->setFont(BoldWindowFont(fonts.WindowPx));
    for (const auto& column : scaleLabels_)
        for (QLabel* label : column)
            label->setFont(WindowFont(fonts.WindowPx));
}

void SliderGroupPanel::Place(const StartupLayout& L) {
    const GroupTraits& traits = TraitsOf(group_);
    PlaceControl(panel_, L.*traits.PanelPlace);
    PlaceControl(caption_, L.*traits.CaptionPlace);
    for (std::size_t s = 0; s < sliders_.size(); ++s) {
        PlaceControl(sliders_[s], L.TrackBars[traits.FirstSlider - 1 + s]);
        PlaceControl(titles_[s], L.Titles[traits.FirstSlider - 1 + s]);
    }
    for (std::size_t c = 0; c < scaleLabels_.size(); ++c)
        for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
            QLabel* label = scaleLabels_[c][i];
            label->setFont(WindowFont(L.Fonts.ScaleLabelPx));
            PlaceControl(label, L.ScaleLabels[traits.FirstColumn + c][i]);
            label->setVisible(L.ScaleLabelShown[traits.FirstColumn + c][i]);
        }
}

bool SliderGroupPanel::HasSlider(int k) const {
    return k >= TraitsOf(group_).FirstSlider && k <= TraitsOf(group_).LastSlider;
}

QSlider* SliderGroupPanel::Slider(int k) const {
    return HasSlider(k) ? sliders_[k - TraitsOf(group_).FirstSlider] : nullptr;
}

QLabel* SliderGroupPanel::ScaleLabel(int column, int i) const {
    const GroupTraits& traits = TraitsOf(group_);
    if (column < traits.FirstColumn || column > traits.LastColumn) return nullptr;
    return scaleLabels_[column - traits.FirstColumn][i];
}

// The slider's own geometry: where its thumb is centred, measured from its
// top, when it stands at `value` in a slider `height` pixels long. The style
// places the thumb by QStyle::sliderPositionFromValue over its groove.
int SliderGroupPanel::ThumbCentre(int k, int value, int height) const {
    const QSlider* slider = Slider(k);
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.rect = QRect(0, 0, std::max(slider->width(), 1), height);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = value;
    option.sliderValue = value;
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    // A vertical slider draws its minimum at the bottom unless inverted.
    option.upsideDown = !slider->invertedAppearance();
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderHandle, slider);
    return handle.top() + handle.height() / 2;
}

void SliderGroupPanel::ShowPosition(int k, int position) {
    QSlider* slider = Slider(k);
    const QSignalBlocker blocker(slider);
    slider->setValue(position);
}

void SliderGroupPanel::ShowGroupControls(const SliderGroupControls& controls) {
    const GroupTraits& traits = TraitsOf(group_);
    for (std::size_t s = 0; s < sliders_.size(); ++s)
        sliders_[s]->setEnabled(controls.SliderEnabled(traits.FirstSlider + s));
    for (std::size_t c = 0; c < scaleLabels_.size(); ++c)
        for (QLabel* label : scaleLabels_[c])
            label->setEnabled(
                controls.ScaleLabelsEnabled(SliderOfScaleColumn(traits.FirstColumn + c)));
}

void SliderGroupPanel::SetEnabled(bool enabled) {
    panel_->setEnabled(enabled);
}

bool SliderGroupPanel::SetControlEnabled(AnimationControl control, bool enabled) {
    if (control != TraitsOf(group_).Lock) return false;
    panel_->setEnabled(enabled);
    return true;
}
