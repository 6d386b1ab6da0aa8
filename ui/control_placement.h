// Copies a rectangle of the start-up layout onto a control, and measures
// what a control's text needs, for the window and its parts alike.
#pragma once

#include "startup_layout.h"

class QFontMetrics;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class StringGrid;

// Labels size themselves to their text: the scaled design size can fall a
// pixel or two short of the text in the scaled font.
void PlaceControl(QWidget* widget, const breathlab::ControlRect& rect);

// The extent of a label's text in the given font.
breathlab::TextSize LabelTextSize(const QFontMetrics& metrics, const QLabel* label);
// The column widths and the common row height the layout gave a grid.
void ApplyGridMetrics(StringGrid& grid, const breathlab::GridMetrics& metrics);

// The size a button needs to show its text whole in its font: the text and
// the margins the style keeps around a button's contents.
breathlab::TextSize ButtonFit(const QPushButton* button);

// The width a group box needs to show its title whole.
int GroupTitleFit(const QGroupBox* group);
