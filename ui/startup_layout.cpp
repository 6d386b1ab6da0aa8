#include "startup_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "slider_panels_layout.h"

namespace breathlab {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    const std::int64_t result = (product < 0) != (c < 0) ? -magnitude : magnitude;
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(result);
}

namespace {

// Design places of the controls that the layout never moves. All of them are
// hidden except regionLabel, which the airway picture moves next to the mouse before
// showing it; they only need to lie inside the window.
constexpr ControlRect kDesignLungSelector{20, 410, 145, 21};
constexpr ControlRect kDesignExpirationDepthSlider{700, 440, 150, 45};
constexpr ControlRect kDesignLabelExpirationDepth{705, 425, 100, 13};
constexpr ControlRect kDesignLabelDepthMin{700, 485, 25, 13};
constexpr ControlRect kDesignLabelDepthMax{820, 485, 30, 13};
constexpr ControlRect kDesignLungSelectorLabel{175, 414, 60, 13};
constexpr ControlRect kDesignHotSpotTableBox{900, 414, 40, 17};
constexpr ControlRect kDesignHotSpotGrid{600, 60, 320, 240};
constexpr ControlRect kDesignRegionLabel{100, 100, 80, 24};
constexpr int kDesignHiddenGroupPanelLeft = 95; // the hidden half of the MAIN frame

constexpr int kWindowFontPx = 11;
constexpr int kDataSourceLineFontPx = 13;
constexpr int kDescriptionBoxFontPx = 16;

void PlaceUpperHalf(int W, int H, StartupLayout& L) {
    L.airwayPicture = {10, 0, Round(0.38 * W), MulDiv(H, 55, 100)};
    L.flowVolumePlot = {L.airwayPicture.Right() + 10, L.airwayPicture.Top, L.airwayPicture.Width,
                        MulDiv(L.airwayPicture.Height, 75, 100)};
    L.volumeTimePlot = {L.flowVolumePlot.Left,
                        L.flowVolumePlot.Bottom() + MulDiv(L.airwayPicture.Height, 1, 100),
                        L.flowVolumePlot.Width, MulDiv(L.airwayPicture.Height, 24, 100)};
    const int panel6Top = L.airwayPicture.Bottom() + 10;
    L.lowerPanel = {10, panel6Top, W - 20, H - panel6Top - 20};
    L.bottomAnchor.Left = 20;
    L.bottomAnchor.Top = L.lowerPanel.Bottom();
}

int Fit(int scaled, int measured) {
    return std::max(scaled, measured);
}

// The command buttons stand in a column right of the LUNGS frame; returns the
// column's left edge. Every size grows with the fonts and is at least as
// large as the button's text needs.
int PlaceButtons(const ScreenScale& f, const TextFits& fit, StartupLayout& L) {
    const int x0 = L.lungGroupFrame.Right() + 5;
    const int pauseWidth = Fit(f(43), fit.pauseButton.Width);
    const int speedWidth = Fit(f(43), fit.animationSpeedButton.Width);
    const int column = std::max({f(90), fit.startButton.Width, fit.animationButton.Width,
                                 fit.pauseButton.Width + f(5) + fit.animationSpeedButton.Width});
    L.startButton = {x0, L.lungGroupFrame.Top, column, Fit(f(40), fit.startButton.Height)};
    L.resetButton = {x0, L.startButton.Bottom() + f(6), Fit(f(43), fit.resetButton.Width),
                     Fit(f(27), fit.resetButton.Height)};
    L.resetAllButton = {L.resetButton.Right() + f(2), L.resetButton.Top,
                        Fit(f(45), fit.resetAllButton.Width), L.resetButton.Height};
    const int rowHeight =
        Fit(f(25), std::max(fit.pauseButton.Height, fit.animationSpeedButton.Height));
    L.pauseButton = {x0, L.resetButton.Bottom() + f(6), pauseWidth, rowHeight};
    L.animationSpeedButton = {L.pauseButton.Right() + f(5), L.pauseButton.Top, speedWidth,
                              rowHeight};
    L.animationButton = {x0, L.pauseButton.Bottom() + f(1), column,
                         Fit(f(25), fit.animationButton.Height)};
    return x0;
}

void PlaceSelectedRowGroup(const ScreenScale& f, const TextFits& fit, int x0, StartupLayout& L) {
    // Below the frames, and below the command buttons where large texts
    // make their column taller than the frames.
    const int top = std::max(L.airwayGroupsFrame.Bottom(), L.animationButton.Bottom()) + 5;
    // The buttons take 80 % of the group's width, which must hold their texts.
    const int widestButton = std::max(
        {fit.deleteRowButton.Width, fit.useAsReferenceButton.Width, fit.settingsButton.Width});
    const int width = std::max({f(90), L.startButton.Width, fit.SelectedRowBoxWidth,
                                static_cast<int>(std::ceil(widestButton / 0.8)) + 1});
    L.selectedRowBox = {x0, top, width, L.lowerPanel.Bottom() - top - 5};
    const int left = Round(0.1 * L.selectedRowBox.Width);
    const int buttonWidth = Round(0.8 * L.selectedRowBox.Width);
    const int height =
        Fit(f(20), std::max({fit.deleteRowButton.Height, fit.useAsReferenceButton.Height,
                             fit.settingsButton.Height}));
    L.deleteRowButton = {left, Round(0.2 * L.selectedRowBox.Height), buttonWidth, height};
    L.useAsReferenceButton = {left, L.deleteRowButton.Bottom() + f(10), buttonWidth, height};
    L.settingsButton = {left, L.useAsReferenceButton.Bottom() + f(10), buttonWidth, height};
}

void PlaceIndicesTable(const LayoutInput& in, StartupLayout& L) {
    const int left = L.flowVolumePlot.Right() + 10;
    L.indicesTable = {left, L.flowVolumePlot.Top, in.ClientWidth - left - 10,
                      L.airwayPicture.Height};
    const int x = L.indicesTable.Width;
    L.IndicesTableGrid.ColCount = 5;
    L.IndicesTableGrid.ColWidths = {Round(0.33 * x), Round(0.12 * x), Round(0.2 * x),
                                    Round(0.2 * x), Round(0.11 * x)};
    L.IndicesTableGrid.RowHeight = L.indicesTable.Height / kIndicesTableRows - kGridLineWidth;
    if (in.ScreenHeight > 768 && in.SmallestTextPx == 0) L.Fonts.IndicesTablePoints = 10;
}

// A grid whose rows fill the space from its top down to 5 pixels above the
// bottom of the grey background.
void FitRows(int bottomLimit, ControlRect& grid, GridMetrics& metrics) {
    int width = 0;
    for (int c = 0; c < metrics.ColCount; ++c)
        width += metrics.ColWidths[c] + kGridLineWidth;
    grid.Width = width;
    metrics.RowHeight = (bottomLimit - grid.Top - 5) / kResultsTableRows;
    grid.Height = kResultsTableRows * (metrics.RowHeight + kGridLineWidth);
}

void PlaceResultsTables(const FrameMeasures& m, StartupLayout& L) {
    const int u = m.HalfUnit;
    const int top = L.airwayGroupsFrame.Bottom() + 5;
    // Three data columns under each airway group, a narrow spacer between
    // the groups, so that the slider captions head their columns.
    L.resultsTable = {20, top, 0, 0};
    L.ResultsTableGrid.ColCount = 11;
    L.ResultsTableGrid.ColWidths = {u, u, 15, u, u, 15, u, u, 15, u, u};
    FitRows(L.lowerPanel.Bottom(), L.resultsTable, L.ResultsTableGrid);

    L.expirationDepthColumn = {L.startButton.Right() + 5, top, 0, 0};
    L.ExpirationDepthColumnGrid.ColCount = 1;
    L.ExpirationDepthColumnGrid.ColWidths[0] = u;
    FitRows(L.lowerPanel.Bottom(), L.expirationDepthColumn, L.ExpirationDepthColumnGrid);
}

void PlaceHiddenControls(const ScreenScale& scale, int comboBoxHeight, StartupLayout& L) {
    L.lungSelector = scale(kDesignLungSelector);
    L.lungSelector.Height = comboBoxHeight;
    L.expirationDepthSlider = scale(kDesignExpirationDepthSlider);
    L.LabelExpirationDepth = scale(kDesignLabelExpirationDepth);
    L.LabelDepthMin = scale(kDesignLabelDepthMin);
    L.LabelDepthMax = scale(kDesignLabelDepthMax);
    L.lungSelectorLabel = scale(kDesignLungSelectorLabel);
    L.hotSpotTableBox = scale(kDesignHotSpotTableBox);
    L.hotSpotGrid = scale(kDesignHotSpotGrid);
    L.regionLabel = scale(kDesignRegionLabel);
}

} // namespace

void RaiseFontsTo(int smallestPx, LayoutFonts& f) {
    if (smallestPx <= 0) return;
    for (int* px : {&f.WindowPx, &f.DataSourceLinePx, &f.DescriptionBoxPx, &f.RegionLabelPx,
                    &f.TablePx, &f.ScaleLabelPx})
        *px = std::max(*px, smallestPx);
    f.IndicesTablePoints.reset();
}

LayoutFonts ScaledLayoutFonts(int screenWidth) {
    const ScreenScale scale(screenWidth);
    LayoutFonts f;
    f.WindowPx = scale.Font(kWindowFontPx);
    f.DataSourceLinePx = scale.Font(kDataSourceLineFontPx);
    f.DescriptionBoxPx = scale.Font(kDescriptionBoxFontPx);
    f.RegionLabelPx = scale.Font(kDesignRegionLabelFontPx);
    f.TablePx = f.WindowPx;
    f.ScaleLabelPx = f.WindowPx;
    return f;
}

StartupLayout ApplyStartupLayout(const LayoutInput& in) {
    const ScreenScale scale(in.ScreenWidth);
    const DesignSizes& d = in.Design;
    const int comboBoxHeight = scale(d.ComboBoxHeight);
    StartupLayout L;
    L.Fonts = ScaledLayoutFonts(in.ScreenWidth);
    L.Fonts.TablePx = std::max(L.Fonts.WindowPx, in.ReadableTablePx);
    RaiseFontsTo(in.SmallestTextPx, L.Fonts);
    L.bottomAnchor = scale.Sized(0, 0, d.bottomAnchor);
    PlaceHiddenControls(scale, comboBoxHeight, L);

    PlaceUpperHalf(in.ClientWidth, in.ClientHeight, L);
    FrameMeasures m =
        PlaceFrames(in.ClientWidth, comboBoxHeight, scale(kDesignHiddenGroupPanelLeft),
                    CaptionBandFor(scale, d, in.Fits.CaptionHeight), L);
    RaiseSlidersForTheirLabels(in, std::max(scale(d.ScaleLabels[0][0].Height), in.Fits.LabelHeight),
                               L.mainGroupPanel.Height, m);
    PlaceSliders(m, scale(d.TrackBarWidth), L);
    PlaceCaptions(scale, d, in.Fits, L);
    PlaceScaleLabels(in, scale, m, L);
    PlaceTitles(scale, in, L);
    const int x0 = PlaceButtons(scale, in.Fits, L);
    PlaceSelectedRowGroup(scale, in.Fits, x0, L);
    L.dataSourceLine = scale.Sized(L.startButton.Left, 5, d.dataSourceLine);
    PlaceIndicesTable(in, L);
    PlaceResultsTables(m, L);
    L.descriptionBox = {L.startButton.Right() + 5, L.lungGroupFrame.Top, 0,
                        L.lungGroupFrame.Height};
    L.descriptionBox.Width = L.lowerPanel.Right() - L.descriptionBox.Left - 10;
    return L;
}

} // namespace breathlab
