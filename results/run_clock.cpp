#include "run_clock.h"

#include <QPainter>

#include "number_format.h"
#include "plot_canvas.h"
#include "slot_colours.h"

namespace breathlab {

namespace {

// The clock shares the size of the volume-time plot's labels.
constexpr int kClockFontSize = 7;

} // namespace

QString RunClockText(double displayTime) {
    return FormatFixed(displayTime, 5, 2) + QStringLiteral("    ");
}

void DrawRunClock(QImage& image, double displayTime) {
    if (image.isNull()) return;
    QPainter painter(&image);
    painter.setFont(PlotFont(QStringLiteral("Arial"), kClockFontSize));
    const int left = LogicalWidth(image) - TextWidth(painter, QStringLiteral("000,00"));
    DrawTextAt(painter, left, 0, RunClockText(displayTime), kYellow);
}

} // namespace breathlab
