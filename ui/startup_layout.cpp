#include "startup_layout.h"

#include <algorithm>
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
constexpr int kMemo1FontPx = 16;

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

FrameMeasures PlaceFrames(int W, int comboBoxHeight, int designPanel8Left, StartupLayout& L) {
    L.Panel5 = {20, L.Panel6.Top + comboBoxHeight + 10, MulDiv(W, 38, 100),
                L.Panel6.Height / 2 - 5};
    FrameMeasures m;
    m.UnitWidth = MulDiv(L.Panel5.Width - 40, 1, 3);
    m.HalfUnit = m.UnitWidth / 2;
    const int h = L.Panel5.Height - 20;
    m.SliderHeight = MulDiv(h, 4, 5);
    m.SliderTop = h - m.SliderHeight - 1;

    L.Panel7 = {L.Panel5.Right() + 5, L.Panel5.Top, m.UnitWidth + 10, L.Panel5.Height};
    const int top = L.Panel5.Top + 15;
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

void PlaceTitles(const ScreenScale& scale, const DesignSizes& d, StartupLayout& L) {
    // Each title stands over its own slider (TrackBar1..8 in title order).
    for (int k = 0; k < kSliderTitleCount; ++k) {
        ControlRect& title = L.Titles[k];
        title = scale.Sized(L.TrackBars[k].Left, 0, d.Titles[k]);
        title.Top = L.TrackBars[k].Top - title.Height + 2;
    }
    L.Titles[kTitlePeripheralR].Left = 1;
    L.Titles[kTitleCCC].Left = L.Panel3.Width - L.Titles[kTitleCCC].Width - 5;
    L.Titles[kTitleCm].Left = L.TrackBars[7].Left - 2;
}

void PlaceScaleLabels(const ScreenScale& scale, const DesignSizes& d, const FrameMeasures& m,
                      StartupLayout& L) {
    const int first = m.SliderTop + MulDiv(m.SliderHeight, 1, 25);
    const int quarterStep = Round(0.8 * m.SliderHeight / 4);
    // The middle resistance runs one doubling further, so its five labels
    // take five smaller steps and leave the topmost position unlabelled.
    const int fifthStep = Round(0.8 * m.SliderHeight / 5);
    for (int c = 0; c < kScaleColumnCount; ++c) {
        for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
            ControlRect& label = L.ScaleLabels[c][i];
            label = scale.Sized(0, 0, d.ScaleLabels[c][i]);
            label.Top = c == kScaleMiddleR ? first + (i + 1) * fifthStep : first + i * quarterStep;
            switch (c) {
            case kScaleMainR:
                label.Left = L.TrackBars[0].Right();
                break;
            case kScaleVDc:
                label.Left = L.TrackBars[1].Right();
                break;
            case kScaleMiddleR:
                label.Left = L.TrackBars[2].Right();
                break;
            case kScalePeripheralR:
                label.Left = 2;
                break;
            case kScaleCCC:
                label.Left = L.TrackBars[5].Right();
                break;
            case kScaleLungs:
                label.Left = (L.Panel4.Width - label.Width) / 2;
                break;
            }
        }
    }
}

// The command buttons stand in a column right of the LUNGS frame; returns the
// column's left edge.
int PlaceButtons(StartupLayout& L) {
    const int x0 = L.Panel7.Right() + 5;
    L.Button2 = {x0, L.Panel7.Top, 90, 40};
    L.Button1 = {x0, L.Button2.Bottom() + 6, 43, 27};
    L.Button11 = {L.Button1.Right() + 2, L.Button1.Top, 45, 27};
    L.Button9 = {x0, L.Button1.Bottom() + 6, 43, 25};
    L.Button10 = {L.Button9.Right() + 5, L.Button9.Top, 43, 25};
    L.Button8 = {x0, L.Button9.Bottom() + 1, 90, 25};
    return x0;
}

void PlaceSelectedRowGroup(int x0, StartupLayout& L) {
    const int top = L.Panel5.Bottom() + 5;
    L.GroupBox1 = {x0, top, 90, L.Panel6.Bottom() - top - 5};
    const int left = Round(0.1 * L.GroupBox1.Width);
    const int width = Round(0.8 * L.GroupBox1.Width);
    L.Button3 = {left, Round(0.2 * L.GroupBox1.Height), width, 20};
    L.Button6 = {left, L.Button3.Bottom() + 10, width, 20};
    L.Button12 = {left, L.Button6.Bottom() + 10, width, 20};
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

LayoutFonts ScaledFonts(const ScreenScale& scale) {
    LayoutFonts f;
    f.WindowPx = scale.Font(kWindowFontPx);
    f.Label26Px = scale.Font(kLabel26FontPx);
    f.RichEdit1Px = scale.Font(kRichEdit1FontPx);
    f.Memo1Px = scale.Font(kMemo1FontPx);
    return f;
}

} // namespace

StartupLayout ApplyStartupLayout(const LayoutInput& in) {
    const ScreenScale scale(in.ScreenWidth);
    const DesignSizes& d = in.Design;
    const int comboBoxHeight = scale(d.ComboBoxHeight);
    StartupLayout L;
    L.Fonts = ScaledFonts(scale);
    L.Label50 = scale.Sized(0, 0, d.Label50);
    PlaceHiddenControls(scale, comboBoxHeight, L);

    PlaceUpperHalf(in.ClientWidth, in.ClientHeight, L);
    const FrameMeasures m =
        PlaceFrames(in.ClientWidth, comboBoxHeight, scale(kDesignPanel8Left), L);
    PlaceSliders(m, scale(d.TrackBarWidth), L);
    PlaceCaptions(scale, d, L);
    PlaceTitles(scale, d, L);
    PlaceScaleLabels(scale, d, m, L);
    const int x0 = PlaceButtons(L);
    PlaceSelectedRowGroup(x0, L);
    L.Label26 = scale.Sized(L.Button2.Left, 5, d.Label26);
    PlaceIndicesTable(in, L);
    PlaceResultsTables(m, L);
    L.RichEdit1 = {L.Button2.Right() + 5, L.Panel7.Top, 0, L.Panel7.Height};
    L.RichEdit1.Width = L.Panel6.Right() - L.RichEdit1.Left - 10;
    return L;
}

} // namespace breathlab
