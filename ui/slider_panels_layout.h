// The slider panels of the start-up layout: the airway and lung frames with
// their captions, the panels inside them, the sliders, their titles and the
// scale labels beside them.
#pragma once

#include "screen_scale.h"
#include "startup_layout.h"

namespace breathlab {

// The values that the later steps share.
struct FrameMeasures {
    int UnitWidth = 0;    // width of one airway group
    int HalfUnit = 0;     // u: a data column of the results table, offsets in the slider panels
    int SliderHeight = 0; // s
    int SliderTop = 0;    // t, inside the slider panels
};

// The band at the top of the airway frame that holds the group captions: the
// slider panels start below it, so it must be as tall as the captions.
struct CaptionBand {
    int Height = 15;      // from the frame's top to the slider panels
    int BottomMargin = 5; // below the slider panels
};

// The captions stand a pixel or two below the frame's top, each as tall as
// its font's line or its design height, whichever is larger.
CaptionBand CaptionBandFor(const ScreenScale& scale, const DesignSizes& d, int captionHeight);

FrameMeasures PlaceFrames(int W, int comboBoxHeight, int designHiddenGroupPanelLeft,
                          CaptionBand band, StartupLayout& L);

void PlaceSliders(const FrameMeasures& m, int sliderWidth, StartupLayout& L);

void PlaceCaptions(const ScreenScale& scale, const DesignSizes& d, const TextFits& fits,
                   StartupLayout& L);

// Each title stands over its own slider (mainResistanceSlider..8 in title order), wholly
// above it and above the scale label next to its top.
void PlaceTitles(const ScreenScale& scale, const LayoutInput& in, StartupLayout& L);

// With the sliders' own thumbs, the labels of the largest values are centred
// on a thumb near the slider's bottom; the sliders stand high enough in their
// panels for those labels to stay inside.
void RaiseSlidersForTheirLabels(const LayoutInput& in, int labelHeight, int panelHeight,
                                FrameMeasures& m);

void PlaceScaleLabels(const LayoutInput& in, const ScreenScale& scale, const FrameMeasures& m,
                      StartupLayout& L);

} // namespace breathlab
