// Histories and pixel probes shared by the plot tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

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

// Whether some pixel within `radius` of `centre` has the colour: tolerates
// the pixel a rasteriser picks for a slanted line.
inline bool ColourNear(const QImage& image, QPoint centre, int radius, const QColor& colour) {
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
            if (image.valid(x, y) && image.pixelColor(x, y) == colour) return true;
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
