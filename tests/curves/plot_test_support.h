// Histories and pixel probes shared by the plot tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <cmath>
#include <memory>

#include "run_history.h"

namespace breathlab::test {

// A history of five empty records; it is far too large for the stack.
inline std::unique_ptr<RunHistory> EmptyHistory() {
    return std::make_unique<RunHistory>();
}

inline QImage BlankImage(int width, int height, const QColor& colour = Qt::white) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline QColor PixelAt(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// How much of `colour` a pixel shows over a white ground, 0 to 1: 1 for the
// colour itself, a fraction for the anti-aliased edge of a line, -1 when the
// pixel is no blend of the two.
inline double CoverageOf(const QColor& pixel, const QColor& colour) {
    double coverage = -1;
    const int pixelChannels[] = {pixel.red(), pixel.green(), pixel.blue()};
    const int colourChannels[] = {colour.red(), colour.green(), colour.blue()};
    for (int c = 0; c < 3; ++c) {
        if (colourChannels[c] >= 250) {
            if (pixelChannels[c] < 250) return -1;
            continue;
        }
        const double a = double(255 - pixelChannels[c]) / (255 - colourChannels[c]);
        if (coverage >= 0 && std::abs(a - coverage) > 0.1) return -1;
        coverage = coverage < 0 ? a : coverage;
    }
    return coverage;
}

// Whether some pixel within `radius` of `centre` shows the colour, in full or
// as a smooth line's edge covering at least half the pixel; tolerates the
// pixels a rasteriser picks for a slanted line.
inline bool ColourNear(const QImage& image, QPoint centre, int radius, const QColor& colour) {
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
            if (image.valid(x, y) && CoverageOf(image.pixelColor(x, y), colour) >= 0.5)
                return true;
    return false;
}

// Whether every pixel of the rectangle has the colour.
inline bool AllOf(const QImage& image, const QRect& area, const QColor& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != colour) return false;
    return true;
}

} // namespace breathlab::test
