#include "parameter_scales.h"

#include <algorithm>
#include <cmath>

#include "rounding.h"

namespace breathlab {

namespace {

double UnroundedPercent(ScaleKind kind, int position) {
    switch (kind) {
    case ScaleKind::LogScale:
        return 100.0 * std::exp2(position / 100.0 - 2.0);
    case ScaleKind::HalfScale:
        return position / 2.0;
    case ScaleKind::QuarterScale:
        return position / 4.0 + 25.0;
    }
    return 100.0;
}

// May be infinite for extreme percentages; callers clamp before rounding.
double UnroundedPosition(ScaleKind kind, double percent) {
    switch (kind) {
    case ScaleKind::LogScale:
        if (percent <= 0.0) return -INFINITY;
        return (std::log2(percent / 100.0) + 2.0) * 100.0;
    case ScaleKind::HalfScale:
        return percent * 2.0;
    case ScaleKind::QuarterScale:
        return (percent - 25.0) * 4.0;
    }
    return 0.0;
}

} // namespace

int SliderScale::Clamp(int position) const {
    return std::clamp(position, Minimum, Maximum);
}

int SliderScale::PercentAt(int position) const {
    return static_cast<int>(RoundHalfEven(UnroundedPercent(Kind, Clamp(position))));
}

int SliderScale::PositionFor(double percent) const {
    if (std::isnan(percent)) return Default;
    // Clamping to the integer ends before rounding gives the same position as
    // rounding first, and keeps infinities and huge values out of the cast.
    const double position = std::clamp(UnroundedPosition(Kind, percent),
                                       static_cast<double>(Minimum), static_cast<double>(Maximum));
    return static_cast<int>(RoundHalfEven(position));
}

} // namespace breathlab
