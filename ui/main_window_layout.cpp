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

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPainterPath>
#include <QPushButton>
#include <QRegion>
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
    const QFontMetrics plain(WindowFont(kDesignWindowFontPx));
    slidersArea_->MeasureDesignSizes(d);
    d.dataSourceLine =
        LabelTextSize(QFontMetrics(WindowFont(kDesignDataSourceLineFontPx)), dataSourceLine);
    d.bottomAnchor = {0, plain.height()};
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
    ShapeLowerPanel();
    descriptionBox->clear();
    if (state_->Session.Runs().RunCount == 0) descriptionBox->ShowFirstSteps();
    laidOut_ = true;
}

void MainWindow::ApplyFonts(const LayoutFonts& fonts) {
    setFont(WindowFont(fonts.WindowPx));
    slidersArea_->ApplyFonts(fonts);
    dataSourceLine->setFont(WindowFont(fonts.DataSourceLinePx));
    descriptionBox->setFont(WindowFont(fonts.DescriptionBoxPx));
    airwayPanel_->SetFonts(fonts);
}

// The tables never go below a readable size; the indices table has its
// 10-point font on screens taller than 768 pixels.
void MainWindow::ApplyTableFonts() {
    const LayoutFonts& fonts = layout_.Fonts;
    QFont gridFont = WindowFont(fonts.TablePx);
    if (fonts.IndicesTablePoints) gridFont.setPointSize(*fonts.IndicesTablePoints);
    // The results table writes in the indices table's font.
    for (StringGrid* grid :
         std::initializer_list<StringGrid*>{indicesTable, resultsTable, expirationDepthColumn})
        grid->setFont(gridFont);
}

void MainWindow::ApplyGeometry() {

    const StartupLayout& L = layout_;
    const std::pair<QWidget*, ControlRect> places[] = {
        {lowerPanel, L.lowerPanel},
        {bottomAnchor, L.bottomAnchor},
        {indicesTable, L.indicesTable},
        {resultsTable, L.resultsTable},
        {expirationDepthColumn, L.expirationDepthColumn},
        {descriptionBox, L.descriptionBox},
    };
    for (const auto& [widget, rect] : places)
        PlaceControl(widget, rect);
    commandBar_->Place(L);
    slidersArea_->Place(L);
    airwayPanel_->Place(L);
    curvePlots_->Place(L);

    // The data-source line gets longer when a file is opened; give it the room
    // up to the right end of the grey background.
    PlaceControl(dataSourceLine, L.dataSourceLine);
    dataSourceLine->resize(
        std::max(dataSourceLine->width(), L.lowerPanel.Width - L.dataSourceLine.Left - 15),
        dataSourceLine->height());
}

void MainWindow::ApplyGrids() {
    const std::pair<StringGrid*, const GridMetrics*> grids[] = {
        {indicesTable, &layout_.IndicesTableGrid},
        {resultsTable, &layout_.ResultsTableGrid},
        {expirationDepthColumn, &layout_.ExpirationDepthColumnGrid},
    };
    for (const auto& [grid, metrics] : grids) {
        for (int c = 0; c < metrics->ColCount; ++c)
            grid->SetColWidth(c, metrics->ColWidths[c]);
        grid->SetRowHeight(metrics->RowHeight);
    }
    resultsTable->SetCurrentCell(0, 0);
    expirationDepthColumn->SetCurrentCell(0, 0);
}

void MainWindow::ShapeLowerPanel() {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, lowerPanel->width(), lowerPanel->height()),
                        layout_.LowerPanelCornerWidth / 2.0, layout_.LowerPanelCornerHeight / 2.0);
    lowerPanel->setMask(QRegion(path.toFillPolygon().toPolygon()));
}
