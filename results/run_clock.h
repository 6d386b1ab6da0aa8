// The clock of a running simulation: the recorded time, written into the
// top-right corner of the volume-time plot while the run goes on.
#pragma once

#include <QImage>
#include <QString>

namespace breathlab {

// Seconds with two decimals and the locale's decimal separator, rounded to at
// most five significant digits, then four spaces that wipe the tail of a
// longer earlier text.
QString RunClockText(double displayTime);

// Writes the clock opaque on yellow with its left edge a "000,00" width before
// the right border and its top at 0. A null image is left alone.
void DrawRunClock(QImage& image, double displayTime);

} // namespace breathlab
