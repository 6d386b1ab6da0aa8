// How a slider position turns into a parameter percentage and back. The
// three kinds differ in resolution: resistances span a wide range and move
// in equal ratios, volumes and sizes move in equal steps.
#pragma once

namespace breathlab {

enum class ScaleKind {
    LogScale,     // every 100 positions double the percentage; position 200 is 100 %
    HalfScale,    // two positions per percent
    QuarterScale, // four positions per percent, position 300 is 100 %
};

// No slider path stores a percentage below this; the model divides by some
// of them and a near-zero airway would make it blow up.
constexpr double kMinimumPercent = 10.0;

inline double ApplyPercentFloor(double percent) {
    return percent < kMinimumPercent ? kMinimumPercent : percent;
}

// A slider's scale together with the positions it can take.
struct SliderScale {
    ScaleKind Kind;
    int Minimum;
    int Maximum;
    int Default; // the position of 100 %

    int Clamp(int position) const;

    // The rounded percentage shown at a position; a position outside the
    // range reads as the nearest end, as the slider itself would stand there.
    int PercentAt(int position) const;

    // The nearest position for a stored percentage. Any double is accepted:
    // a percentage of 0 or less (no logarithm) or -inf sits at the minimum,
    // +inf and huge values at the maximum, NaN at the default position.
    int PositionFor(double percent) const;
};

} // namespace breathlab
