#include "startup_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "rounding.h"

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

// Pixel values are small, so the products below are always finite.
int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

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
constexpr ControlRect kDesignTparm{600, 60, 320, 240};
constexpr ControlRect kDesignRegionLabel{100, 100, 80, 24};
constexpr int kDesignHiddenGroupPanelLeft = 95; // the hidden half of the MAIN frame

constexpr int kWindowFontPx = 11;
constexpr int kDataSourceLineFontPx = 13;
constexpr int kDescriptionBoxFontPx = 16;

// Multiplies design values by screenWidth / 1280.
class ScreenScale {
  public:
    explicit ScreenScale(int screenWidth)
        : screenWidth_(screenWidth > 0 ? screenWidth : kDesignScreenWidth) {}
    int operator()(int designValue) const {
        return MulDiv(designValue, screenWidth_, kDesignScreenWidth);
    }
    ControlRect operator()(const ControlRect& r) const {
        return {(*this)(r.Left), (*this)(r.Top), (*this)(r.Width), (*this)(r.Height)};
    }
    ControlRect Sized(int left, int top, TextSize size) const {
        return {left, top, (*this)(size.Width), (*this)(size.Height)};
    }
    int Font(int designPx) const { return std::max(1, (*this)(designPx)); }

  private:
    int screenWidth_;
};

// The values that the later steps share.
struct FrameMeasures {
    int UnitWidth = 0;    // width of one airway group
    int HalfUnit = 0;     // u: a data column of the results table, offsets in the slider panels
    int SliderHeight = 0; // s
    int SliderTop = 0;    // t, inside the slider panels
};

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

// The band at the top of the airway frame that holds the group captions: the
// slider panels start below it, so it must be as tall as the captions.
struct CaptionBand {
    int Height = 15;      // from the frame's top to the slider panels
    int BottomMargin = 5; // below the slider panels
};

// The captions stand a pixel or two below the frame's top, each as tall as
// its font's line or its design height, whichever is larger.
CaptionBand CaptionBandFor(const ScreenScale& scale, const DesignSizes& d, int captionHeight) {
    int tallest = captionHeight;
    for (const TextSize& caption : {d.CaptionMain, d.CaptionMiddle, d.CaptionPeripheral,
                                    d.CaptionLungs})
        tallest = std::max(tallest, scale(caption.Height));
    return {std::max(scale(15), std::max(1, scale(1)) + tallest + 1), scale(5)};
}

FrameMeasures PlaceFrames(int W, int comboBoxHeight, int designHiddenGroupPanelLeft,
                          CaptionBand band, StartupLayout& L) {
    L.airwayGroupsFrame = {20, L.lowerPanel.Top + comboBoxHeight + 10, MulDiv(W, 38, 100),
                           L.lowerPanel.Height / 2 - 5};
    FrameMeasures m;
    m.UnitWidth = MulDiv(L.airwayGroupsFrame.Width - 40, 1, 3);
    m.HalfUnit = m.UnitWidth / 2;
    const int h = L.airwayGroupsFrame.Height - band.Height - band.BottomMargin;
    m.SliderHeight = MulDiv(h, 4, 5);
    m.SliderTop = h - m.SliderHeight - 1;

    L.lungGroupFrame = {L.airwayGroupsFrame.Right() + 5, L.airwayGroupsFrame.Top, m.UnitWidth + 10,
                        L.airwayGroupsFrame.Height};
    const int top = L.airwayGroupsFrame.Top + band.Height;
    L.mainGroupPanel = {L.airwayGroupsFrame.Left + 5, top, (m.UnitWidth - 5) / 2 + 3, h};
    L.hiddenGroupPanel = {designHiddenGroupPanelLeft, top, (m.UnitWidth - 5) / 2, h};
    L.middleGroupPanel = {L.airwayGroupsFrame.Left + L.mainGroupPanel.Width + 20, top,
                          Round(1.5 * m.UnitWidth), h};
    L.peripheralGroupPanel = {L.airwayGroupsFrame.Left + 2 * m.UnitWidth + 35, top, m.UnitWidth, h};
    L.lungsGroupPanel = {L.lungGroupFrame.Left + 5, top, m.UnitWidth, h};
    return m;
}

void PlaceSliders(const FrameMeasures& m, int sliderWidth, StartupLayout& L) {
    const int u = m.HalfUnit;
    const std::array<int, 8> lefts = {
        3,                                          // mainResistanceSlider, mainGroupPanel
        3,                                          // deadSpaceSlider, middleGroupPanel
        u + 15,                                     // middleResistanceSlider, middleGroupPanel
        L.middleGroupPanel.Width - sliderWidth - 3, // middleStiffnessSlider, middleGroupPanel
        u - sliderWidth, // peripheralResistanceSlider, peripheralGroupPanel
        u,               // closingCapacitySlider, peripheralGroupPanel
        3,               // lungSizeSlider, lungsGroupPanel
        L.lungsGroupPanel.Width - sliderWidth - 3, // lungComplianceSlider, lungsGroupPanel
    };
    for (int k = 0; k < 8; ++k)
        L.TrackBars[k] = {lefts[k], m.SliderTop, sliderWidth, m.SliderHeight};
}

void PlaceCaptions(const ScreenScale& scale, const DesignSizes& d, const TextFits& fits,
                   StartupLayout& L) {
    const int panel5Width = L.airwayGroupsFrame.Width;
    L.CaptionMain = scale.Sized(5, 1, d.CaptionMain);
    L.CaptionMiddle = scale.Sized(0, 1, d.CaptionMiddle);
    L.CaptionPeripheral = scale.Sized(0, 1, d.CaptionPeripheral);
    L.CaptionLungs = scale.Sized(0, scale(1), d.CaptionLungs);
    for (auto [caption, width] : {std::pair{&L.CaptionMain, fits.CaptionMainWidth},
                                  std::pair{&L.CaptionMiddle, fits.CaptionMiddleWidth},
                                  std::pair{&L.CaptionPeripheral, fits.CaptionPeripheralWidth},
                                  std::pair{&L.CaptionLungs, fits.CaptionLungsWidth}})
        caption->Width = std::max(caption->Width, width);
    L.CaptionMiddle.Left = ((panel5Width - L.CaptionMiddle.Width) / 10) * 4;
    L.CaptionPeripheral.Left = panel5Width - L.CaptionPeripheral.Width - 15;
    L.CaptionLungs.Left = L.lungGroupFrame.Width / 2 - L.CaptionLungs.Width / 2;
}

// The panel (1 to 4 for mainGroupPanel to lungsGroupPanel) that slider k stands in.
int PanelOfSlider(int k) {
    constexpr int panels[8] = {1, 2, 2, 2, 3, 3, 4, 4};
    return panels[k - 1];
}

// The top of the highest scale label in slider k's panel that stands under
// the title's columns; the title must end above it.
int TopOfLabelsUnder(const StartupLayout& L, int k, const ControlRect& title) {
    int top = L.TrackBars[k - 1].Top;
    for (int c = 0; c < kScaleColumnCount; ++c) {
        if (PanelOfSlider(SliderOfScaleColumn(c)) != PanelOfSlider(k)) continue;
        for (const ControlRect& label : L.ScaleLabels[c])
            if (label.Left < title.Right() && title.Left < label.Right())
                top = std::min(top, label.Top);
    }
    return top;
}

// Each title stands over its own slider (mainResistanceSlider..8 in title order), wholly
// above it and above the scale label next to its top.
void PlaceTitles(const ScreenScale& scale, const LayoutInput& in, StartupLayout& L) {
    for (int k = 0; k < kSliderTitleCount; ++k) {
        ControlRect& title = L.Titles[k];
        title = scale.Sized(L.TrackBars[k].Left, 0, in.Design.Titles[k]);
        title.Width = std::max(title.Width, in.Fits.TitleWidths[k]);
        title.Height = std::max(title.Height, in.Fits.LabelHeight);
    }
    L.Titles[kTitlePeripheralR].Left = 1;
    L.Titles[kTitleCCC].Left = L.peripheralGroupPanel.Width - L.Titles[kTitleCCC].Width - 5;
    L.Titles[kTitleCm].Left = L.TrackBars[7].Left - 2;
    for (int k = 0; k < kSliderTitleCount; ++k) {
        ControlRect& title = L.Titles[k];
        title.Top = TopOfLabelsUnder(L, k + 1, title) - title.Height;
    }
}

// With the sliders' own thumbs, the labels of the largest values are centred
// on a thumb near the slider's bottom; the sliders stand high enough in their
// panels for those labels to stay inside.
void RaiseSlidersForTheirLabels(const LayoutInput& in, int labelHeight, int panelHeight,
                                FrameMeasures& m) {
    if (!in.ThumbCentreAt) return;
    for (int c = 0; c < kScaleColumnCount; ++c) {
        const int centre = in.ThumbCentreAt(
            SliderOfScaleColumn(c), ScaleLabelValue(c, kScaleLabelsPerColumn - 1), m.SliderHeight);
        m.SliderTop = std::min(m.SliderTop, panelHeight - centre - (labelHeight - labelHeight / 2));
    }
}

// Top of a label centred on the thumb of slider k at `value`. Without a
// measured slider the thumbs stand at the design's even steps.
int ScaleLabelTop(const LayoutInput& in, const FrameMeasures& m, int column, int i, int height) {
    if (in.ThumbCentreAt) {
        const int k = SliderOfScaleColumn(column);
        return m.SliderTop + in.ThumbCentreAt(k, ScaleLabelValue(column, i), m.SliderHeight) -
               height / 2;
    }
    const int first = m.SliderTop + MulDiv(m.SliderHeight, 1, 25);
    // The middle resistance runs one doubling further, so its five labels
    // take five smaller steps and leave the topmost position unlabelled.
    if (column == kScaleMiddleR) return first + (i + 1) * Round(0.8 * m.SliderHeight / 5);
    return first + i * Round(0.8 * m.SliderHeight / 4);
}

// The smallest step between the centres of two neighbouring scale labels.
int SmallestLabelStep(const StartupLayout& L) {
    int step = std::numeric_limits<int>::max();
    for (const auto& column : L.ScaleLabels)
        for (int i = 0; i + 1 < kScaleLabelsPerColumn; ++i)
            step = std::min(step, std::abs((column[i + 1].Top + column[i + 1].Height / 2) -
                                           (column[i].Top + column[i].Height / 2)));
    return step;
}

// Scale labels stacked closer than a line of the window's font would cover
// each other: they then get a font whose line fits the step (a line grows
// in proportion with the font's pixel size) and become as tall as the step,
// keeping their centres on the thumbs.
void FitScaleLabelsToTheirSteps(int lineHeight, int smallestPx, StartupLayout& L) {
    const int step = SmallestLabelStep(L);
    if (step < lineHeight && L.Fonts.WindowPx * step / lineHeight < smallestPx) {
        // Every other label: the first, the middle and the last remain.
        for (auto& column : L.ScaleLabelShown)
            for (int i = 0; i < kScaleLabelsPerColumn; ++i)
                column[i] = i % 2 == 0;
        return;
    }
    for (auto& column : L.ScaleLabels)
        for (ControlRect& label : column) {
            if (label.Height <= step) continue;
            const int centre = label.Top + label.Height / 2;
            label.Height = step;
            label.Top = centre - step / 2;
        }
    if (step < lineHeight)
        L.Fonts.ScaleLabelPx = std::max({1, smallestPx, L.Fonts.WindowPx * step / lineHeight});
}

// Each label keeps to its panel, which would cut it off otherwise: a label
// of a wider face moves left into the gap beside its slider.
void KeepInside(ControlRect& label, int panelWidth) {
    label.Left = std::max(0, std::min(label.Left, panelWidth - label.Width));
}

int PanelWidthOfScaleColumn(const StartupLayout& L, int column) {
    const ControlRect* panels[] = {&L.mainGroupPanel, &L.middleGroupPanel,
                                   &L.peripheralGroupPanel, &L.lungsGroupPanel};
    return panels[PanelOfSlider(SliderOfScaleColumn(column)) - 1]->Width;
}

void PlaceScaleLabels(const LayoutInput& in, const ScreenScale& scale, const FrameMeasures& m,
                      StartupLayout& L) {
    // Tick marks stand right of each slider; a gap keeps them from reading as
    // a minus sign in front of the label ("-50%").
    const int gap = scale(kDesignScaleLabelGap);
    for (int c = 0; c < kScaleColumnCount; ++c) {
        for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
            ControlRect& label = L.ScaleLabels[c][i];
            label = scale.Sized(0, 0, in.Design.ScaleLabels[c][i]);
            label.Width = std::max(label.Width, in.Fits.ScaleLabelWidths[c][i]);
            label.Height = std::max(label.Height, in.Fits.LabelHeight);
            label.Top = ScaleLabelTop(in, m, c, i, label.Height);
            switch (c) {
            case kScaleMainR:
                label.Left = L.TrackBars[0].Right() + gap;
                break;
            case kScaleVDc:
                label.Left = L.TrackBars[1].Right() + gap;
                break;
            case kScaleMiddleR:
                label.Left = L.TrackBars[2].Right() + gap;
                break;
            case kScalePeripheralR:
                label.Left = 2;
                break;
            case kScaleCCC:
                label.Left = L.TrackBars[5].Right() + gap;
                break;
            case kScaleLungs:
                label.Left = (L.lungsGroupPanel.Width - label.Width) / 2;
                break;
            }
            KeepInside(label, PanelWidthOfScaleColumn(L, c));
        }
    }
    FitScaleLabelsToTheirSteps(in.Fits.LabelHeight, in.SmallestTextPx, L);
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
    L.hotSpotGrid = scale(kDesignTparm);
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

int ScaleLabelValue(int column, int i) {
    // The middle resistance is labelled from 100 % (position 200) upwards.
    return (column == kScaleMiddleR ? 200 : 100) + 100 * i;
}

int SliderOfScaleColumn(int column) {
    constexpr int sliders[kScaleColumnCount] = {1, 2, 3, 5, 6, 7};
    return sliders[column];
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
