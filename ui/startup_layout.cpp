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
// hidden except Memo1, which the airway picture moves next to the mouse before
// showing it; they only need to lie inside the window.
constexpr ControlRect kDesignComboBox1{20, 410, 145, 21};
constexpr ControlRect kDesignTrackBar9{700, 440, 150, 45};
constexpr ControlRect kDesignLabelExpirationDepth{705, 425, 100, 13};
constexpr ControlRect kDesignLabelDepthMin{700, 485, 25, 13};
constexpr ControlRect kDesignLabelDepthMax{820, 485, 30, 13};
constexpr ControlRect kDesignLabel56{175, 414, 60, 13};
constexpr ControlRect kDesignCheckBox1{900, 414, 40, 17};
constexpr ControlRect kDesignTparm{600, 60, 320, 240};
constexpr ControlRect kDesignMemo1{100, 100, 80, 24};
constexpr int kDesignPanel8Left = 95; // the hidden half of the MAIN frame

constexpr int kWindowFontPx = 11;
constexpr int kLabel26FontPx = 13;
constexpr int kRichEdit1FontPx = 16;

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
    L.Image1 = {10, 0, Round(0.38 * W), MulDiv(H, 55, 100)};
    L.Image2 = {L.Image1.Right() + 10, L.Image1.Top, L.Image1.Width,
                MulDiv(L.Image1.Height, 75, 100)};
    L.Image3 = {L.Image2.Left, L.Image2.Bottom() + MulDiv(L.Image1.Height, 1, 100), L.Image2.Width,
                MulDiv(L.Image1.Height, 24, 100)};
    const int panel6Top = L.Image1.Bottom() + 10;
    L.Panel6 = {10, panel6Top, W - 20, H - panel6Top - 20};
    L.Label50.Left = 20;
    L.Label50.Top = L.Panel6.Bottom();
}

// The band at the top of the airway frame that holds the group captions: the
// slider panels start below it, so it must be as tall as the captions.
struct CaptionBand {
    int Height = 15;       // from the frame's top to the slider panels
    int BottomMargin = 5;  // below the slider panels
};

CaptionBand CaptionBandFor(const ScreenScale& scale, int captionHeight) {
    return {std::max(scale(15), 1 + captionHeight + 1), scale(5)};
}

FrameMeasures PlaceFrames(int W, int comboBoxHeight, int designPanel8Left, CaptionBand band,
                          StartupLayout& L) {
    L.Panel5 = {20, L.Panel6.Top + comboBoxHeight + 10, MulDiv(W, 38, 100),
                L.Panel6.Height / 2 - 5};
    FrameMeasures m;
    m.UnitWidth = MulDiv(L.Panel5.Width - 40, 1, 3);
    m.HalfUnit = m.UnitWidth / 2;
    const int h = L.Panel5.Height - band.Height - band.BottomMargin;
    m.SliderHeight = MulDiv(h, 4, 5);
    m.SliderTop = h - m.SliderHeight - 1;

    L.Panel7 = {L.Panel5.Right() + 5, L.Panel5.Top, m.UnitWidth + 10, L.Panel5.Height};
    const int top = L.Panel5.Top + band.Height;
    L.Panel1 = {L.Panel5.Left + 5, top, (m.UnitWidth - 5) / 2 + 3, h};
    L.Panel8 = {designPanel8Left, top, (m.UnitWidth - 5) / 2, h};
    L.Panel2 = {L.Panel5.Left + L.Panel1.Width + 20, top, Round(1.5 * m.UnitWidth), h};
    L.Panel3 = {L.Panel5.Left + 2 * m.UnitWidth + 35, top, m.UnitWidth, h};
    L.Panel4 = {L.Panel7.Left + 5, top, m.UnitWidth, h};
    return m;
}

void PlaceSliders(const FrameMeasures& m, int sliderWidth, StartupLayout& L) {
    const int u = m.HalfUnit;
    const std::array<int, 8> lefts = {
        3,                                // TrackBar1, Panel1
        3,                                // TrackBar2, Panel2
        u + 15,                           // TrackBar3, Panel2
        L.Panel2.Width - sliderWidth - 3, // TrackBar4, Panel2
        u - sliderWidth,                  // TrackBar5, Panel3
        u,                                // TrackBar6, Panel3
        3,                                // TrackBar7, Panel4
        L.Panel4.Width - sliderWidth - 3, // TrackBar8, Panel4
    };
    for (int k = 0; k < 8; ++k)
        L.TrackBars[k] = {lefts[k], m.SliderTop, sliderWidth, m.SliderHeight};
}

void PlaceCaptions(const ScreenScale& scale, const DesignSizes& d, StartupLayout& L) {
    const int panel5Width = L.Panel5.Width;
    L.CaptionMain = scale.Sized(5, 1, d.CaptionMain);
    L.CaptionMiddle = scale.Sized(0, 1, d.CaptionMiddle);
    L.CaptionMiddle.Left = ((panel5Width - L.CaptionMiddle.Width) / 10) * 4;
    L.CaptionPeripheral = scale.Sized(0, 1, d.CaptionPeripheral);
    L.CaptionPeripheral.Left = panel5Width - L.CaptionPeripheral.Width - 15;
    L.CaptionLungs = scale.Sized(0, scale(1), d.CaptionLungs);
    L.CaptionLungs.Left = L.Panel7.Width / 2 - L.CaptionLungs.Width / 2;
}

// The panel (1 to 4 for Panel1 to Panel4) that slider k stands in.
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

// Each title stands over its own slider (TrackBar1..8 in title order), wholly
// above it and above the scale label next to its top.
void PlaceTitles(const ScreenScale& scale, const LayoutInput& in, StartupLayout& L) {
    for (int k = 0; k < kSliderTitleCount; ++k) {
        ControlRect& title = L.Titles[k];
        title = scale.Sized(L.TrackBars[k].Left, 0, in.Design.Titles[k]);
        title.Height = std::max(title.Height, in.Fits.LabelHeight);
    }
    L.Titles[kTitlePeripheralR].Left = 1;
    L.Titles[kTitleCCC].Left = L.Panel3.Width - L.Titles[kTitleCCC].Width - 5;
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
        const int centre = in.ThumbCentreAt(SliderOfScaleColumn(c),
                                            ScaleLabelValue(c, kScaleLabelsPerColumn - 1),
                                            m.SliderHeight);
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

void PlaceScaleLabels(const LayoutInput& in, const ScreenScale& scale, const FrameMeasures& m,
                      StartupLayout& L) {
    // Tick marks stand right of each slider; a gap keeps them from reading as
    // a minus sign in front of the label ("-50%").
    const int gap = scale(kDesignScaleLabelGap);
    for (int c = 0; c < kScaleColumnCount; ++c) {
        for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
            ControlRect& label = L.ScaleLabels[c][i];
            label = scale.Sized(0, 0, in.Design.ScaleLabels[c][i]);
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
                label.Left = (L.Panel4.Width - label.Width) / 2;
                break;
            }
        }
    }
}

int Fit(int scaled, int measured) {
    return std::max(scaled, measured);
}

// The command buttons stand in a column right of the LUNGS frame; returns the
// column's left edge. Every size grows with the fonts and is at least as
// large as the button's text needs.
int PlaceButtons(const ScreenScale& f, const TextFits& fit, StartupLayout& L) {
    const int x0 = L.Panel7.Right() + 5;
    const int pauseWidth = Fit(f(43), fit.Button9.Width);
    const int speedWidth = Fit(f(43), fit.Button10.Width);
    const int column = std::max({f(90), fit.Button2.Width, fit.Button8.Width,
                                 fit.Button9.Width + f(5) + fit.Button10.Width});
    L.Button2 = {x0, L.Panel7.Top, column, Fit(f(40), fit.Button2.Height)};
    L.Button1 = {x0, L.Button2.Bottom() + f(6), Fit(f(43), fit.Button1.Width),
                 Fit(f(27), fit.Button1.Height)};
    L.Button11 = {L.Button1.Right() + f(2), L.Button1.Top, Fit(f(45), fit.Button11.Width),
                  L.Button1.Height};
    const int rowHeight = Fit(f(25), std::max(fit.Button9.Height, fit.Button10.Height));
    L.Button9 = {x0, L.Button1.Bottom() + f(6), pauseWidth, rowHeight};
    L.Button10 = {L.Button9.Right() + f(5), L.Button9.Top, speedWidth, rowHeight};
    L.Button8 = {x0, L.Button9.Bottom() + f(1), column, Fit(f(25), fit.Button8.Height)};
    return x0;
}

void PlaceSelectedRowGroup(const ScreenScale& f, const TextFits& fit, int x0, StartupLayout& L) {
    const int top = L.Panel5.Bottom() + 5;
    // The buttons take 80 % of the group's width, which must hold their texts.
    const int widestButton =
        std::max({fit.Button3.Width, fit.Button6.Width, fit.Button12.Width});
    const int width = std::max({f(90), L.Button2.Width, fit.GroupBox1Width,
                                static_cast<int>(std::ceil(widestButton / 0.8)) + 1});
    L.GroupBox1 = {x0, top, width, L.Panel6.Bottom() - top - 5};
    const int left = Round(0.1 * L.GroupBox1.Width);
    const int buttonWidth = Round(0.8 * L.GroupBox1.Width);
    const int height = Fit(f(20), std::max({fit.Button3.Height, fit.Button6.Height,
                                            fit.Button12.Height}));
    L.Button3 = {left, Round(0.2 * L.GroupBox1.Height), buttonWidth, height};
    L.Button6 = {left, L.Button3.Bottom() + f(10), buttonWidth, height};
    L.Button12 = {left, L.Button6.Bottom() + f(10), buttonWidth, height};
}

void PlaceIndicesTable(const LayoutInput& in, StartupLayout& L) {
    const int left = L.Image2.Right() + 10;
    L.StringGrid1 = {left, L.Image2.Top, in.ClientWidth - left - 10, L.Image1.Height};
    const int x = L.StringGrid1.Width;
    L.StringGrid1Grid.ColCount = 5;
    L.StringGrid1Grid.ColWidths = {Round(0.33 * x), Round(0.12 * x), Round(0.2 * x), Round(0.2 * x),
                                   Round(0.11 * x)};
    L.StringGrid1Grid.RowHeight = L.StringGrid1.Height / kStringGrid1Rows - kGridLineWidth;
    if (in.ScreenHeight > 768) L.Fonts.StringGrid1Points = 10;
}

// A grid whose rows fill the space from its top down to 5 pixels above the
// bottom of the grey background.
void FitRows(int bottomLimit, ControlRect& grid, GridMetrics& metrics) {
    int width = 0;
    for (int c = 0; c < metrics.ColCount; ++c)
        width += metrics.ColWidths[c] + kGridLineWidth;
    grid.Width = width;
    metrics.RowHeight = (bottomLimit - grid.Top - 5) / kStringGrid2Rows;
    grid.Height = kStringGrid2Rows * (metrics.RowHeight + kGridLineWidth);
}

void PlaceResultsTables(const FrameMeasures& m, StartupLayout& L) {
    const int u = m.HalfUnit;
    const int top = L.Panel5.Bottom() + 5;
    // Three data columns under each airway group, a narrow spacer between
    // the groups, so that the slider captions head their columns.
    L.StringGrid2 = {20, top, 0, 0};
    L.StringGrid2Grid.ColCount = 11;
    L.StringGrid2Grid.ColWidths = {u, u, 15, u, u, 15, u, u, 15, u, u};
    FitRows(L.Panel6.Bottom(), L.StringGrid2, L.StringGrid2Grid);

    L.StringGrid3 = {L.Button2.Right() + 5, top, 0, 0};
    L.StringGrid3Grid.ColCount = 1;
    L.StringGrid3Grid.ColWidths[0] = u;
    FitRows(L.Panel6.Bottom(), L.StringGrid3, L.StringGrid3Grid);
}

void PlaceHiddenControls(const ScreenScale& scale, int comboBoxHeight, StartupLayout& L) {
    L.ComboBox1 = scale(kDesignComboBox1);
    L.ComboBox1.Height = comboBoxHeight;
    L.TrackBar9 = scale(kDesignTrackBar9);
    L.LabelExpirationDepth = scale(kDesignLabelExpirationDepth);
    L.LabelDepthMin = scale(kDesignLabelDepthMin);
    L.LabelDepthMax = scale(kDesignLabelDepthMax);
    L.Label56 = scale(kDesignLabel56);
    L.CheckBox1 = scale(kDesignCheckBox1);
    L.tparm = scale(kDesignTparm);
    L.Memo1 = scale(kDesignMemo1);
}

} // namespace

LayoutFonts ScaledLayoutFonts(int screenWidth) {
    const ScreenScale scale(screenWidth);
    LayoutFonts f;
    f.WindowPx = scale.Font(kWindowFontPx);
    f.Label26Px = scale.Font(kLabel26FontPx);
    f.RichEdit1Px = scale.Font(kRichEdit1FontPx);
    f.Memo1Px = scale.Font(kDesignMemo1FontPx);
    f.TablePx = f.WindowPx;
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
    L.Label50 = scale.Sized(0, 0, d.Label50);
    PlaceHiddenControls(scale, comboBoxHeight, L);

    PlaceUpperHalf(in.ClientWidth, in.ClientHeight, L);
    FrameMeasures m = PlaceFrames(in.ClientWidth, comboBoxHeight, scale(kDesignPanel8Left),
                                  CaptionBandFor(scale, in.Fits.CaptionHeight), L);
    RaiseSlidersForTheirLabels(in, std::max(scale(d.ScaleLabels[0][0].Height), in.Fits.LabelHeight),
                               L.Panel1.Height, m);
    PlaceSliders(m, scale(d.TrackBarWidth), L);
    PlaceCaptions(scale, d, L);
    PlaceScaleLabels(in, scale, m, L);
    PlaceTitles(scale, in, L);
    const int x0 = PlaceButtons(scale, in.Fits, L);
    PlaceSelectedRowGroup(scale, in.Fits, x0, L);
    L.Label26 = scale.Sized(L.Button2.Left, 5, d.Label26);
    PlaceIndicesTable(in, L);
    PlaceResultsTables(m, L);
    L.RichEdit1 = {L.Button2.Right() + 5, L.Panel7.Top, 0, L.Panel7.Height};
    L.RichEdit1.Width = L.Panel6.Right() - L.RichEdit1.Left - 10;
    return L;
}

} // namespace breathlab
