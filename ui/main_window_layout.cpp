// The window's one-time layout: the fonts for the screen, the texts measured
// in them, the rectangles of the start-up layout copied onto the controls.
#include "main_window.h"

#include "command_bar.h"
#include "control_placement.h"
#include "description_view.h"
#include "indices_view.h"
#include "lower_panel.h"
#include "runs_table_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionSlider>
#include <QTextEdit>

#include <cmath>

#include "picture_area.h"
#include "string_grid.h"
#include "window_font.h"

using namespace breathlab;

namespace {

// Texts are readable down to about 8 points.
constexpr double kReadablePoints = 8.0;
constexpr double kPointsPerInch = 72.0;

TextSize Measure(const QFontMetrics& metrics, const QLabel* label) {
    return {metrics.horizontalAdvance(label->text()), metrics.height()};
}

QFont BoldWindowFont(int pixelSize) {
    QFont bold = WindowFont(pixelSize);
    bold.setBold(true);
    return bold;
}

} // namespace

// The slider's own geometry: where its thumb is centred, measured from its
// top, when it stands at `value` in a slider `height` pixels long. The style
// places the thumb by QStyle::sliderPositionFromValue over its groove.
int MainWindow::ThumbCentre(int k, int value, int height) const {
    const QSlider* slider = TrackBar(k);
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

QSize MainWindow::StartupClientSize(const QSize& available) const {
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int menu = menuBar()->sizeHint().height();
    return {available.width(), available.height() - titleBar - menu};
}

DesignSizes MainWindow::MeasureDesignSizes() const {
    DesignSizes d;
    const QFontMetrics plain(WindowFont(kDesignWindowFontPx));
    const QFontMetrics bold(BoldWindowFont(kDesignWindowFontPx));
    d.CaptionMain = Measure(bold, CaptionMain);
    d.CaptionMiddle = Measure(bold, CaptionMiddle);
    d.CaptionPeripheral = Measure(bold, CaptionPeripheral);
    d.CaptionLungs = Measure(bold, CaptionLungs);
    for (int t = 0; t < kSliderTitleCount; ++t)
        d.Titles[t] = Measure(plain, Titles[t]);
    for (int c = 0; c < kScaleColumnCount; ++c)
        for (int i = 0; i < kScaleLabelsPerColumn; ++i)
            d.ScaleLabels[c][i] = Measure(plain, ScaleLabels[c][i]);
    lowerPanel_->MeasureDesignSizes(d);
    return d;
}

// Measured once the fonts for the screen are set.
TextFits MainWindow::MeasureTextFits() const {
    TextFits fits;
    commandBar_->MeasureTextFits(fits);
    fits.CaptionHeight = QFontMetrics(CaptionMain->font()).height();
    fits.LabelHeight = Titles[kTitleR]->sizeHint().height();
    for (int c = 0; c < kScaleColumnCount; ++c)
        for (int i = 0; i < kScaleLabelsPerColumn; ++i)
            fits.ScaleLabelWidths[c][i] = ScaleLabels[c][i]->sizeHint().width();
    for (int t = 0; t < kSliderTitleCount; ++t)
        fits.TitleWidths[t] = Titles[t]->sizeHint().width();
    fits.CaptionMainWidth = CaptionMain->sizeHint().width();
    fits.CaptionMiddleWidth = CaptionMiddle->sizeHint().width();
    fits.CaptionPeripheralWidth = CaptionPeripheral->sizeHint().width();
    fits.CaptionLungsWidth = CaptionLungs->sizeHint().width();
    return fits;
}

int MainWindow::ReadableTablePixels() const {
    const double dpi = screen() ? screen()->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(kReadablePoints * dpi / kPointsPerInch));
}

void MainWindow::ApplyStartupLayout() {
    LayOutForScreen(screen()->geometry().size(), screen()->availableGeometry().size());
}

void MainWindow::LayOutForScreen(const QSize& screenSize, const QSize& available) {
    const QSize client = StartupClientSize(available);
    LayoutInput input;
    input.ClientWidth = client.width();
    input.ClientHeight = client.height();
    input.ScreenWidth = screenSize.width();
    input.ScreenHeight = screenSize.height();
    input.Design = MeasureDesignSizes();
    input.SmallestTextPx = SmallestTextPixels(screenSize);
    LayoutFonts fonts = ScaledLayoutFonts(input.ScreenWidth);
    RaiseFontsTo(input.SmallestTextPx, fonts);
    ApplyFonts(fonts);
    input.Fits = MeasureTextFits();
    input.ThumbCentreAt = [this](int k, int value, int height) {
        return ThumbCentre(k, value, height);
    };
    input.ReadableTablePx = ReadableTablePixels();
    layout_ = breathlab::ApplyStartupLayout(input);

    // The window takes at once the size it will have maximized, so that it
    // fills the screen even where nothing maximizes it.
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    startupClientHeight_ = client.height();
    laidOutScreen_ = screenSize;
    laidOutAvailable_ = available;
    ApplyTableFonts();
    ApplyPresentationToTheRest(input.SmallestTextPx);
    ApplyGeometry();
    ApplyGrids();
    descriptionBox->clear();
    if (state_->History->RunCount == 0) descriptionBox->ShowFirstSteps();
    laidOut_ = true;
}

void MainWindow::ApplyFonts(const LayoutFonts& fonts) {
    setFont(WindowFont(fonts.WindowPx));
    for (QLabel* caption : {CaptionMain, CaptionMiddle, CaptionPeripheral, CaptionLungs})
        caption->setFont(BoldWindowFont(fonts.WindowPx));
    lowerPanel_->ApplyFonts(fonts);
    descriptionBox->setFont(WindowFont(fonts.DescriptionBoxPx));
    regionLabel->setFont(WindowFont(fonts.RegionLabelPx));
    for (const auto& column : ScaleLabels)
        for (QLabel* label : column)
            label->setFont(WindowFont(fonts.WindowPx));
}

// The tables never go below a readable size; the indices table has its
// 10-point font on screens taller than 768 pixels.
void MainWindow::ApplyTableFonts() {
    const LayoutFonts& fonts = layout_.Fonts;
    QFont gridFont = WindowFont(fonts.TablePx);
    if (fonts.IndicesTablePoints) gridFont.setPointSize(*fonts.IndicesTablePoints);
    indicesTable->setFont(gridFont);
    runsTableView_->SetTableFont(gridFont);
}

void MainWindow::ApplyGeometry() {

    const StartupLayout& L = layout_;
    const std::pair<QWidget*, ControlRect> places[] = {
        {airwayPicture, L.airwayPicture},
        {flowVolumePlot, L.flowVolumePlot},
        {volumeTimePlot, L.volumeTimePlot},
        {airwayGroupsFrame, L.airwayGroupsFrame},
        {lungGroupFrame, L.lungGroupFrame},
        {mainGroupPanel, L.mainGroupPanel},
        {hiddenGroupPanel, L.hiddenGroupPanel},
        {middleGroupPanel, L.middleGroupPanel},
        {peripheralGroupPanel, L.peripheralGroupPanel},
        {lungsGroupPanel, L.lungsGroupPanel},
        {indicesTable, L.indicesTable},
        {descriptionBox, L.descriptionBox},
        {lungSelector, L.lungSelector},
        {expirationDepthSlider, L.expirationDepthSlider},
        {LabelExpirationDepth, L.LabelExpirationDepth},
        {LabelDepthMin, L.LabelDepthMin},
        {LabelDepthMax, L.LabelDepthMax},
        {lungSelectorLabel, L.lungSelectorLabel},
        {hotSpotTableBox, L.hotSpotTableBox},
        {hotSpotGrid, L.hotSpotGrid},
        {regionLabel, L.regionLabel},
        {CaptionMain, L.CaptionMain},
        {CaptionMiddle, L.CaptionMiddle},
        {CaptionPeripheral, L.CaptionPeripheral},
        {CaptionLungs, L.CaptionLungs},
    };
    for (const auto& [widget, rect] : places)
        PlaceControl(widget, rect);
    commandBar_->Place(L);
    lowerPanel_->Place(L);
    runsTableView_->Place(L);
    for (int k = 0; k < 8; ++k)
        PlaceControl(trackBars_[k], L.TrackBars[k]);
    for (int t = 0; t < kSliderTitleCount; ++t)
        PlaceControl(Titles[t], L.Titles[t]);
    for (int c = 0; c < kScaleColumnCount; ++c)
        for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
            ScaleLabels[c][i]->setFont(WindowFont(L.Fonts.ScaleLabelPx));
            PlaceControl(ScaleLabels[c][i], L.ScaleLabels[c][i]);
            ScaleLabels[c][i]->setVisible(L.ScaleLabelShown[c][i]);
        }
}

void MainWindow::ApplyGrids() {
    ApplyGridMetrics(*indicesTable, layout_.IndicesTableGrid);
    runsTableView_->ApplyGrids(layout_);
}
