// The main window's font: "MS Sans Serif" (shown as Liberation Sans, which has
// its metrics) at a pixel size, as the window's design gives its sizes.
#pragma once

#include <QFont>

namespace breathlab {

constexpr int kDesignWindowFontPx = 11;
constexpr int kDesignDataSourceLineFontPx = 13;

inline QFont WindowFont(int pixelSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    return font;
}

inline QFont BoldWindowFont(int pixelSize) {
    QFont bold = WindowFont(pixelSize);
    bold.setBold(true);
    return bold;
}

} // namespace breathlab
