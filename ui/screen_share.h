// Windows that open over the main window (help, dialogs) were designed for a
// 1280-pixel-wide screen; on a larger screen they grow in proportion, as the
// main window's texts do, instead of staying a small box in its middle.
#pragma once

#include <QScreen>
#include <QSize>
#include <QWidget>

#include <algorithm>

namespace breathlab {

inline constexpr int kDialogDesignScreenWidth = 1280;

// The design size scaled by the screen's width (never below the design),
// and never larger than the part of the screen a window may take.
inline QSize SizeOnScreen(QSize design, int screenWidth, QSize available) {
    const double scale = std::max(1.0, double(screenWidth) / kDialogDesignScreenWidth);
    return (design * scale).boundedTo(available);
}

// A pixel size of the design, grown as SizeOnScreen grows a window.
inline int PixelsOnScreen(int designPx, int screenWidth) {
    return std::max(designPx, designPx * screenWidth / kDialogDesignScreenWidth);
}

inline int ScreenWidthOf(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? screen->geometry().width() : kDialogDesignScreenWidth;
}

// Resizes a window to its design size on the screen it stands on, keeping
// it resizable and at least as large as its contents need.
inline void GrowWithScreen(QWidget* window, QSize design) {
    const QScreen* screen = window->screen();
    const QSize available = screen ? screen->availableGeometry().size() : design;
    window->resize(SizeOnScreen(design, ScreenWidthOf(window), available)
                       .expandedTo(window->minimumSizeHint()));
}

} // namespace breathlab
