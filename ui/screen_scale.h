// Design values scaled to the screen the window is laid out for, shared by
// the steps of the start-up layout.
#pragma once

#include "startup_layout.h"

#include "rounding.h"

#include <algorithm>

namespace breathlab {

// Pixel values are small, so the products below are always finite.
inline int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

// Multiplies design values by screenWidth / 1280.
class ScreenScale {
  public:
    explicit ScreenScale(int screenWidth)
        : screenWidth_(screenWidth > 0 ? screenWidth : kDesignScreenWidth) {}
    int operator()(int designValue) const {
        return MulDiv(designValue, screenWidth_, kDesignScreenWidth);
    }
    ControlRect operator()(const ControlRect& r) const {
        return {(*this)(r.Left), (*this)(r.Top), (*this)(r.Width), (*this)(r.Height)};
    }
    ControlRect Sized(int left, int top, TextSize size) const {
        return {left, top, (*this)(size.Width), (*this)(size.Height)};
    }
    int Font(int designPx) const { return std::max(1, (*this)(designPx)); }

  private:
    int screenWidth_;
};

} // namespace breathlab
