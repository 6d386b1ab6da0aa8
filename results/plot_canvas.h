// Drawing helpers shared by the two plots: positions given in percent of the
// plot's size, the plot fonts, text placed by its top-left corner as the
// labels are laid out, and line segments that leave their end pixel to the
// next segment.
#pragma once

#include <QColor>
#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPoint>
#include <QString>

namespace breathlab {

// Pixel of a position given in hundredths of a percent of a plot extent
// (width or height), rounded half to even. The plots' constants are whole
// hundredths (6 %, 1.52 % per second, 11.5 % per litre), so a tick position
// is an exact integer here and a position that lies exactly on a half pixel
// stays exactly there before the rounding; in percent, 6 + 1.52 t would
// carry binary error to either side. Stored runs may come from foreign files,
// so the position is held to a range the painter handles safely; a
// non-finite position, which callers skip, lands on 0.
int HundredthsPixel(int extent, double hundredths);

// A plot is laid out in logical pixels: on a device with a pixel ratio of 2
// (a HiDPI screen) it is drawn at twice the resolution on the same layout.
int LogicalWidth(const QPaintDevice& device);
int LogicalHeight(const QPaintDevice& device);

int HundredthsX(const QPainter& painter, double hundredths);
int HundredthsY(const QPainter& painter, double hundredths);

// A plot font of the given family and point size, sized as a 96 dpi screen
// shows it so that the layout does not depend on the device's resolution;
// never below 8 points, the smallest size that reads well.
QFont PlotFont(const QString& family, int pointSize);

// The window's plots write no smaller than its tables (and in presentation
// mode no smaller than its other texts): PlotFont gives at least this many
// pixels from now on. 0, as at start, keeps the plots' own sizes.
void SetSmallestPlotTextPixels(int pixels);

// Width of "H" and height of "I" of the painter's font: the units the labels
// are placed by.
int LetterWidthH(const QPainter& painter);
int LetterHeightI(const QPainter& painter);
int TextWidth(const QPainter& painter, const QString& text);
// Half the width of "H" and half the height of "I", rounded: the shifts that
// centre a label on its tick.
int HalfLetterWidth(const QPainter& painter);
int HalfLetterHeight(const QPainter& painter);

// Writes text with its top-left corner at (left, top) on an opaque background
// of the given colour.
void DrawTextAt(QPainter& painter, int left, int top, const QString& text,
                const QColor& background = Qt::white);

// A solid pen; wide lines get round ends.
QPen PlotPen(const QColor& colour, int width);

// A line with the painter's pen from one pixel towards another. A thin line
// leaves out its end pixel, whichever way it runs, so that a tick "4 pixels
// long" covers 4 pixels and a polyline sets each joint once.
void DrawLineTo(QPainter& painter, QPoint from, QPoint to);

// While it lives, slanted lines of DrawLineTo are drawn anti-aliased on the
// same pixels as without (the painter aims at pixel centres); level and
// upright lines keep their exact pixels. The pen is left as the drawing
// leaves it.
class SmoothLines {
  public:
    explicit SmoothLines(QPainter& painter);
    ~SmoothLines();
    SmoothLines(const SmoothLines&) = delete;
    SmoothLines& operator=(const SmoothLines&) = delete;

  private:
    QPainter& painter_;
    bool wasSmooth_;
};

} // namespace breathlab
