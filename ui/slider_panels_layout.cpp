#include "slider_panels_layout.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

namespace breathlab {

namespace {

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

} // namespace

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

int ScaleLabelValue(int column, int i) {
    // The middle resistance is labelled from 100 % (position 200) upwards.
    return (column == kScaleMiddleR ? 200 : 100) + 100 * i;
}

int SliderOfScaleColumn(int column) {
    constexpr int sliders[kScaleColumnCount] = {1, 2, 3, 5, 6, 7};
    return sliders[column];
}

} // namespace breathlab
