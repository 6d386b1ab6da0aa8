#include "plot_canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPen>
#include <QPointF>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "rounding.h"

namespace breathlab {

namespace {

// Far enough outside any plot that clipped lines keep their visible slope for
// every sensible value, small enough for the rasteriser's fixed-point range.
constexpr double kPixelLimit = 16000.0;

constexpr int kScreenDpi = 96;
// Smaller plot texts cannot be read on a classroom screen.
constexpr int kReadablePlotPoints = 8;
constexpr int kPointsPerInch = 72;

} // namespace

int HundredthsPixel(int extent, double hundredths) {
    const double pixel = extent * hundredths / 10000.0;
    if (std::isnan(pixel)) return 0;
    return static_cast<int>(RoundHalfEven(std::clamp(pixel, -kPixelLimit, kPixelLimit)));
}

int LogicalWidth(const QPaintDevice& device) {
    return static_cast<int>(std::lround(device.width() / device.devicePixelRatioF()));
}

int LogicalHeight(const QPaintDevice& device) {
    return static_cast<int>(std::lround(device.height() / device.devicePixelRatioF()));
}

int HundredthsX(const QPainter& painter, double hundredths) {
    return HundredthsPixel(LogicalWidth(*painter.device()), hundredths);
}

int HundredthsY(const QPainter& painter, double hundredths) {
    return HundredthsPixel(LogicalHeight(*painter.device()), hundredths);
}

namespace {
int smallestPlotTextPixels = 0;
} // namespace

void SetSmallestPlotTextPixels(int pixels) {
    smallestPlotTextPixels = std::max(0, pixels);
}

QFont PlotFont(const QString& family, int pointSize) {
    QFont font(family);
    const int points = std::max(pointSize, kReadablePlotPoints);
    const int pixels = static_cast<int>(
        RoundHalfEven(static_cast<double>(points) * kScreenDpi / kPointsPerInch));
    font.setPixelSize(std::max(pixels, smallestPlotTextPixels));
    return font;
}

int LetterWidthH(const QPainter& painter) {
    return TextWidth(painter, QStringLiteral("H"));
}

int LetterHeightI(const QPainter& painter) {
    return painter.fontMetrics().height();
}

int TextWidth(const QPainter& painter, const QString& text) {
    return painter.fontMetrics().horizontalAdvance(text);
}

int HalfLetterWidth(const QPainter& painter) {
    return static_cast<int>(RoundHalfEven(0.5 * LetterWidthH(painter)));
}

int HalfLetterHeight(const QPainter& painter) {
    return static_cast<int>(RoundHalfEven(0.5 * LetterHeightI(painter)));
}

void DrawTextAt(QPainter& painter, int left, int top, const QString& text,
                const QColor& background) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(background);
    painter.drawText(QPoint(left, top + painter.fontMetrics().ascent()), text);
    painter.restore();
}

QPen PlotPen(const QColor& colour, int width) {
    QPen pen(colour, width, Qt::SolidLine);
    pen.setCapStyle(width <= 1 ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void DrawLineTo(QPainter& painter, QPoint from, QPoint to) {
    // Level and upright lines need no smoothing; drawn without it, a wide pen
    // covers its rows in full rather than almost.
    const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
    if (smooth && (from.x() == to.x() || from.y() == to.y())) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(-0.5, -0.5);
        DrawLineTo(painter, from, to);
        painter.translate(0.5, 0.5);
        painter.setRenderHint(QPainter::Antialiasing, true);
        return;
    }
    if (painter.pen().width() > 1) {
        painter.drawLine(from, to);
        return;
    }
    const QPoint span = to - from;
    const int steps = std::max(std::abs(span.x()), std::abs(span.y()));
    if (steps == 0) return;
    // A thin square-capped line covers both its ends; stop one pixel short.
    const QPointF lastStep(static_cast<double>(span.x()) / steps,
                           static_cast<double>(span.y()) / steps);
    painter.drawLine(from, to - lastStep.toPoint());
}

SmoothLines::SmoothLines(QPainter& painter)
    : painter_(painter), wasSmooth_(painter.testRenderHint(QPainter::Antialiasing)) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.translate(0.5, 0.5);
}

SmoothLines::~SmoothLines() {
    painter_.translate(-0.5, -0.5);
    painter_.setRenderHint(QPainter::Antialiasing, wasSmooth_);
}

} // namespace breathlab
