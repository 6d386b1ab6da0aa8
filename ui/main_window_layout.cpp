// The window's one-time layout: the fonts for the screen, the texts measured
// in them, the rectangles of the start-up layout copied onto the controls.
#include "main_window.h"

#include "airway_panel.h"
#include "command_bar.h"
#include "control_placement.h"
#include "curve_plots.h"
#include "description_view.h"
#include "indices_view.h"
#include "sliders_area.h"
#include "lower_panel.h"
#include "runs_table_view.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextEdit>

#include <cmath>

#include "string_grid.h"
#include "window_font.h"

using namespace breathlab;

namespace {

// Texts are readable down to about 8 points.
constexpr double kReadablePoints = 8.0;
constexpr double kPointsPerInch = 72.0;

} // namespace

QSize MainWindow::StartupClientSize(const QSize& available) const {
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int menu = menuBar()->sizeHint().height();
    return {available.width(), available.height() - titleBar - menu};
}

DesignSizes MainWindow::MeasureDesignSizes() const {
    DesignSizes d;
    slidersArea_->MeasureDesignSizes(d);
    lowerPanel_->MeasureDesignSizes(d);
    return d;
}

// Measured once the fonts for the screen are set.
TextFits MainWindow::MeasureTextFits() const {
    TextFits fits;
    commandBar_->MeasureTextFits(fits);
    slidersArea_->MeasureTextFits(fits);
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
        return slidersArea_->ThumbCentre(k, value, height);
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
    descriptionBox_->clear();
    if (state_->Session.Runs().RunCount == 0) descriptionBox_->ShowFirstSteps();
    laidOut_ = true;
}

void MainWindow::ApplyFonts(const LayoutFonts& fonts) {
    setFont(WindowFont(fonts.WindowPx));
    slidersArea_->ApplyFonts(fonts);
    lowerPanel_->ApplyFonts(fonts);
    descriptionBox_->setFont(WindowFont(fonts.DescriptionBoxPx));
    airwayPanel_->SetFonts(fonts);
}

// The tables never go below a readable size; the indices table has its
// 10-point font on screens taller than 768 pixels.
void MainWindow::ApplyTableFonts() {
    const LayoutFonts& fonts = layout_.Fonts;
    QFont gridFont = WindowFont(fonts.TablePx);
    if (fonts.IndicesTablePoints) gridFont.setPointSize(*fonts.IndicesTablePoints);
    indicesView_->setFont(gridFont);
    runsTableView_->SetTableFont(gridFont);
}

void MainWindow::ApplyGeometry() {
    const StartupLayout& L = layout_;
    const std::pair<QWidget*, ControlRect> places[] = {
        {indicesView_, L.indicesTable},
        {descriptionBox_, L.descriptionBox},
    };
    for (const auto& [widget, rect] : places)
        PlaceControl(widget, rect);
    commandBar_->Place(L);
    slidersArea_->Place(L);
    airwayPanel_->Place(L);
    curvePlots_->Place(L);
    lowerPanel_->Place(L);
    runsTableView_->Place(L);
}

void MainWindow::ApplyGrids() {
    ApplyGridMetrics(*indicesView_, layout_.IndicesTableGrid);
    runsTableView_->ApplyGrids(layout_);
}
