// The one-time placement of the main window's controls. The window is laid out
// once, when it is created, from the client size it will have when maximized;
// the controls keep these places when the window is later resized.
//
// Everything here is plain arithmetic on integers so that the numbers can be
// checked without creating a single widget. The window measures its texts,
// passes the sizes in, and copies the resulting rectangles onto its controls.
#pragma once

#include <array>
#include <functional>
#include <optional>

namespace breathlab {

// a·b/c rounded to the nearest integer, halves away from zero, computed with a
// 64-bit product so that pixel arithmetic cannot overflow. A zero divisor or a
// result outside the int range gives -1, as the Windows function of that name
// does, so the layout never divides by zero.
int MulDiv(int a, int b, int c);

// The region-name label's font at the design width.
constexpr int kDesignRegionLabelFontPx = 16;

// The screen width at which the window was designed; other widths scale every
// design position, size and font by screenWidth / kDesignScreenWidth.
constexpr int kDesignScreenWidth = 1280;

// Left, top, width and height in pixels. Right() and Bottom() are the first
// column and row outside the rectangle.
struct ControlRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const ControlRect&) const = default;
};

struct TextSize {
    int Width = 0;
    int Height = 0;
};

// The columns of scale labels beside the sliders, each five labels from top
// to bottom.
enum ScaleColumn {
    kScaleMainR,       // mainResistanceSlider: "50%" .. "800%"
    kScaleVDc,         // deadSpaceSlider: "50%" .. "250%"
    kScaleMiddleR,     // middleResistanceSlider: "100 (norm)" .. "1600 (v. heavy)"
    kScalePeripheralR, // peripheralResistanceSlider: "50%" .. "800%"
    kScaleCCC,         // closingCapacitySlider: "50%" .. "250%"
    kScaleLungs,       // lungSizeSlider and lungComplianceSlider share one column
    kScaleColumnCount
};
constexpr int kScaleLabelsPerColumn = 5;

// Slider titles, in this order.
enum SliderTitle {
    kTitleR,           // "R" over mainResistanceSlider
    kTitleVDc,         // "VDc" over deadSpaceSlider
    kTitleMiddleR,     // " R(1/lumen)" over middleResistanceSlider
    kTitleStiff,       // "Stiff" over middleStiffnessSlider (hidden)
    kTitlePeripheralR, // " R(1/lumen)" over peripheralResistanceSlider
    kTitleCCC,         // "CCC" over closingCapacitySlider
    kTitleSize,        // "Size" over lungSizeSlider
    kTitleCm,          // "Cm" over lungComplianceSlider
    kSliderTitleCount
};

// Sizes at the design screen width (before scaling) of the controls whose size
// is not set by the layout itself. Label sizes are the extents of their texts
// in their design fonts.
struct DesignSizes {
    int ComboBoxHeight = 21; // the hidden lung selection box sits above the slider frames
    int TrackBarWidth = 30;  // thickness of the vertical sliders
    TextSize CaptionMain, CaptionMiddle, CaptionPeripheral, CaptionLungs;
    std::array<TextSize, kSliderTitleCount> Titles{};
    std::array<std::array<TextSize, kScaleLabelsPerColumn>, kScaleColumnCount> ScaleLabels{};
    TextSize dataSourceLine; // data-source line, 13-pixel font
    TextSize bottomAnchor;   // empty bottom label
};

// The smallest sizes that show texts whole in the fonts the window will
// have (see ScaledLayoutFonts), measured by the window; zero where nothing
// was measured. Buttons include the style's margins around their text.
struct TextFits {
    TextSize startButton, resetButton, resetAllButton, pauseButton, animationSpeedButton,
        animationButton;                                            // START .. animation
    TextSize deleteRowButton, useAsReferenceButton, settingsButton; // inside "Selected row"
    int SelectedRowBoxWidth = 0; // the group's title with its frame
    int CaptionHeight = 0;       // the bold captions over the slider panels
    int LabelHeight = 0;         // a slider title or scale label
    // Each scale label's, slider title's and caption's width in its font.
    std::array<std::array<int, kScaleLabelsPerColumn>, kScaleColumnCount> ScaleLabelWidths{};
    std::array<int, kSliderTitleCount> TitleWidths{};
    int CaptionMainWidth = 0, CaptionMiddleWidth = 0, CaptionPeripheralWidth = 0,
        CaptionLungsWidth = 0;
};

// Where the thumb of slider k (1..8) is centred, measured from the slider's
// top, when it stands at `value` and the slider is `height` pixels long; the
// scale labels are placed level with it. Empty: the design's even steps.
using ThumbCentre = std::function<int(int k, int value, int height)>;

struct LayoutInput {
    int ClientWidth = 0;  // W
    int ClientHeight = 0; // H
    int ScreenWidth = kDesignScreenWidth;
    int ScreenHeight = 1024;
    DesignSizes Design;
    TextFits Fits;
    ThumbCentre ThumbCentreAt;
    // The smallest pixel size of a table text that is still readable
    // (about 8 points at the screen's resolution).
    int ReadableTablePx = 0;
    // Presentation mode: no text smaller than this; 0 outside it.
    int SmallestTextPx = 0;
};

// Column widths and the common row height of a grid.
struct GridMetrics {
    std::array<int, 11> ColWidths{}; // only the first ColCount entries are used
    int ColCount = 0;
    int RowHeight = 0;
};

// Font pixel sizes after scaling, and the indices table's own rule.
struct LayoutFonts {
    int WindowPx = 11;         // "MS Sans Serif" of the window and its labels
    int DataSourceLinePx = 13; // data-source line
    int DescriptionBoxPx = 16; // description box
    int RegionLabelPx = 16;    // region-name label over the picture
    // The scale labels beside the sliders: the window's font, or smaller
    // where a face's line is taller than the steps between the thumbs.
    int ScaleLabelPx = 11;
    // On screens taller than 768 pixels the indices table gets a 10-point
    // font; otherwise it keeps the window's font.
    std::optional<int> IndicesTablePoints;
    // The tables' pixel size where no point size is set: the window's font,
    // or the readable minimum where that is larger.
    int TablePx = 11;
};

// Presentation mode lifts every text to `smallestPx` (nothing for 0); the
// indices table then takes the same pixel size as the others instead of its
// points.
void RaiseFontsTo(int smallestPx, LayoutFonts& fonts);

// The fonts of a screen of the given width: the design's pixel sizes scaled
// by screenWidth / 1280. The window measures its texts in these before the
// layout is computed.
LayoutFonts ScaledLayoutFonts(int screenWidth);

// Every control's rectangle. Unless noted, positions are in the window's
// client area; controls that live inside a panel or group box are relative to
// it, as noted for each group.
struct StartupLayout {
    ControlRect airwayPicture, flowVolumePlot, volumeTimePlot;
    ControlRect lowerPanel; // grey rounded background of the lower half
    int LowerPanelCornerWidth = 30, LowerPanelCornerHeight = 30; // corner ellipse of its shape
    ControlRect bottomAnchor;
    ControlRect airwayGroupsFrame, lungGroupFrame;
    ControlRect mainGroupPanel, hiddenGroupPanel, middleGroupPanel, peripheralGroupPanel,
        lungsGroupPanel;
    ControlRect startButton, resetButton, resetAllButton, pauseButton, animationSpeedButton,
        animationButton; // START, reset, ...
    ControlRect selectedRowBox;
    ControlRect indicesTable, resultsTable, expirationDepthColumn;
    ControlRect descriptionBox;
    // Hidden holders of state, kept at their scaled design places.
    ControlRect lungSelector, expirationDepthSlider, LabelExpirationDepth, LabelDepthMin,
        LabelDepthMax;
    ControlRect lungSelectorLabel, hotSpotTableBox, hotSpotGrid, regionLabel;

    // Inside selectedRowBox: "Delete row", "Use as ref.", hidden "Settings".
    ControlRect deleteRowButton, useAsReferenceButton, settingsButton;
    // Inside lowerPanel.
    ControlRect dataSourceLine;
    // Inside airwayGroupsFrame ("MAIN", "MIDDLE", "PERIPHERAL") and lungGroupFrame ("LUNGS").
    ControlRect CaptionMain, CaptionMiddle, CaptionPeripheral, CaptionLungs;
    // mainResistanceSlider..lungComplianceSlider at index 0..7, each inside its panel: 1 in
    // mainGroupPanel, 2 to 4 in middleGroupPanel, 5 and 6 in peripheralGroupPanel, 7 and 8 in
    // lungsGroupPanel.
    std::array<ControlRect, 8> TrackBars{};
    // Titles and scale labels inside the panel of their slider.
    std::array<ControlRect, kSliderTitleCount> Titles{};
    std::array<std::array<ControlRect, kScaleLabelsPerColumn>, kScaleColumnCount> ScaleLabels{};
    // Where even the smallest allowed font's line is taller than the step
    // between two thumbs, every other scale label is left out.
    std::array<std::array<bool, kScaleLabelsPerColumn>, kScaleColumnCount> ScaleLabelShown = [] {
        std::array<std::array<bool, kScaleLabelsPerColumn>, kScaleColumnCount> all{};
        for (auto& column : all)
            column.fill(true);
        return all;
    }();

    GridMetrics IndicesTableGrid, ResultsTableGrid, ExpirationDepthColumnGrid;
    LayoutFonts Fonts;
};

constexpr int kIndicesTableRows = 16;
constexpr int kResultsTableRows = 5;
constexpr int kGridLineWidth = 1;

// The scale labels keep this gap to the tick marks beside their slider, at the
// design width.
constexpr int kDesignScaleLabelGap = 6;

// The slider position that scale label i (0..4) of a column names.
int ScaleLabelValue(int column, int i);
// The slider (1..8) a column of scale labels stands beside.
int SliderOfScaleColumn(int column);

// Computes the whole start-up layout for the given client and screen size.
StartupLayout ApplyStartupLayout(const LayoutInput& input);

} // namespace breathlab
