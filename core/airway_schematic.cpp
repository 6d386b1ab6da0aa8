#include "airway_schematic.h"

#include "rounding.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace breathlab {

namespace {

constexpr double kPi = std::numbers::pi;
// Both main bronchi leave the carina at 60 degrees from the vertical.
constexpr double kBronchusAngle = 1.0471976;
constexpr double kReferenceDiagonalSquared = 312925.0;
// Pixel coordinates are kept far inside the int range whatever the caller passes.
constexpr double kPixelLimit = 1e7;

int Pixel(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(RoundHalfEven(std::clamp(value, -kPixelLimit, kPixelLimit)));
}

double FourthRoot(double value) {
    return std::sqrt(std::sqrt(value));
}

SchematicPoint Plus(SchematicPoint a, SchematicPoint b) {
    return {a.X + b.X, a.Y + b.Y};
}

SchematicPoint Rotated(SchematicPoint p, SchematicPoint centre, double cosTheta, double sinTheta) {
    const double x = p.X - centre.X;
    const double y = p.Y - centre.Y;
    return {centre.X + Pixel(x * cosTheta + y * sinTheta),
            centre.Y + Pixel(y * cosTheta - x * sinTheta)};
}

SchematicPoint Offset(SchematicPoint from, double distance, double theta) {
    return {Pixel(from.X + distance * std::cos(theta)), Pixel(from.Y + distance * std::sin(theta))};
}

// Screen angle of `p` seen from `centre`, in degrees, counter-clockwise as seen
// on the screen (whose y axis points down).
double ScreenAngle(SchematicPoint centre, SchematicPoint p) {
    return std::atan2(double(centre.Y - p.Y), double(p.X - centre.X)) * 180.0 / kPi;
}

} // namespace

const std::array<float, kLobeCount> kLobeAngle = {
    static_cast<float>(0.2 * kPi), static_cast<float>(-0.29 * kPi), static_cast<float>(-1.2 * kPi),
    static_cast<float>(-0.87 * kPi), static_cast<float>(-0.64 * kPi)};

double BoundedSchematicInput(double value) {
    if (std::isnan(value)) return kSchematicInputFloor;
    return std::clamp(value, kSchematicInputFloor, kSchematicInputCeiling);
}

SchematicInputs SchematicInputsFromModel(const LungModel& model) {
    SchematicInputs in;
    for (int j = 0; j < kLobeCount; ++j) {
        in.LobeVolume[j] = model.LobeVolume[j];
        in.PeripheralResistance[j] = model.PeripheralResistance[j];
        in.SegmentResistance[j] = model.EffectiveSegmentResistance[j];
        in.FlowLimited[j] = model.FlowLimited[j] != 0;
    }
    in.TrachealCoefficient = model.TrachealTurbulentCoefficient.current;
    in.LeftBronchusResistance = model.EffectiveLeftBronchusResistance;
    in.RightBronchusResistance = model.EffectiveRightBronchusResistance;
    return in;
}

SchematicInputs SchematicInputsFromRecord(const ResultRecord& run, int sample) {
    const int row = std::clamp(sample, 0, kLobeTraceRows - 1);
    SchematicInputs in;
    for (int j = 0; j < kLobeCount; ++j) {
        in.LobeVolume[j] = run.LobeVolumeTrace[row][j];
        in.PeripheralResistance[j] = run.LobePeripheralResistanceTrace[row][j];
        in.SegmentResistance[j] = run.LobeSegmentResistanceTrace[row][j];
        in.FlowLimited[j] = run.LobeFlowLimitedTrace[row][j] != 0;
    }
    in.TrachealCoefficient = run.TrachealTurbulentCoefficientAtLastSample;
    in.LeftBronchusResistance = run.LeftBronchusResistanceAtLastSample;
    in.RightBronchusResistance = run.RightBronchusResistanceAtLastSample;
    return in;
}

SchematicInputs SchematicInputsForSlot(int slot, const LungModel& model,
                                       const ResultHistory& history, int sample) {
    if (slot <= 0) return SchematicInputsFromModel(model);
    return SchematicInputsFromRecord(history[std::min(slot, kHistorySlots - 1)], sample);
}

LobeBranchGeometry LobeBranchPoints(int penWidth, int X0, int Y0, double theta, double u, double g,
                                    double fP, double fS, double e) {
    const int a = penWidth / 2;
    const int D = Pixel(u * g) + a;
    const int v = Pixel(u * fP) + a;
    const int R = Pixel(u * e);
    const double I = u * fS;
    const int B = Pixel(30 * u);
    const int C = Pixel(10 * u);

    const int yc = Y0 - Pixel(penWidth / 2.0 + I);
    const int wallBase = Y0 - D;
    const int wallEnd = Y0 - v;
    // The wall bulges between base, constriction and end, more so for a narrow
    // constriction.
    const double k = fS > 20 ? 0.3 : 0.2;
    const double A = k * ((yc - wallBase) + 0.4 * (wallBase - wallEnd));

    std::array<SchematicPoint, 25> p;
    p[0] = {X0, wallBase};
    for (int i = 1; i <= 10; ++i)
        p[i].X = X0 + Pixel((i - 1) * B / 9.0);
    for (int i = 1; i <= 5; ++i)
        p[i].Y = wallBase + Pixel((i - 1) * (yc - wallBase) / 4.0) +
                 Pixel(std::sin((i - 1) * kPi / 4) * A);
    for (int i = 5; i <= 10; ++i)
        p[i].Y =
            yc + Pixel((i - 5) * (wallEnd - yc) / 5.0) + Pixel(std::sin((i - 5) * kPi / 5) * A);
    p[11] = {X0 + B + C, wallEnd};
    p[12] = {X0, Y0 + D};
    for (int i = 13; i <= 22; ++i)
        p[i] = {p[i - 12].X, 2 * Y0 - p[i - 12].Y};
    p[23] = {X0 + B + C, Y0 + v};
    const double reach = double(R) * R - double(v) * v;
    p[24] = {X0 + B + C + (reach < 0 ? 0 : Pixel(std::sqrt(reach))), Y0};

    const SchematicPoint base{X0, Y0};
    const double cosTheta = std::cos(theta);
    const double sinTheta = std::sin(theta);
    LobeBranchGeometry geometry;
    for (int i = 0; i < 25; ++i)
        geometry.Points[i] = Rotated(p[i], base, cosTheta, sinTheta);
    geometry.BalloonRadius = R;
    return geometry;
}

double SchematicScale(int width, int height) {
    return std::sqrt(double(width) * width + double(height) * height) /
           std::sqrt(kReferenceDiagonalSquared);
}

AirwayLayout ComputeAirwayLayout(int width, int height, const SchematicInputs& inputs) {
    const auto px = [width](double percent) { return Pixel(percent * width / 100); };
    const auto py = [height](double percent) { return Pixel(percent * height / 100); };

    const double kT = 100 * FourthRoot(BoundedSchematicInput(inputs.TrachealCoefficient));
    const double kR = 150 * FourthRoot(BoundedSchematicInput(inputs.RightBronchusResistance));
    const double kL = 150 * FourthRoot(BoundedSchematicInput(inputs.LeftBronchusResistance));
    const double tw = 100 / kT;
    const double wR = 100 / kR;
    const double wL = 100 / kL;
    const double cosA = std::cos(kBronchusAngle);
    const double sinA = std::sin(kBronchusAngle);
    const SchematicPoint bronchus{Pixel(12 * sinA * width / 100), Pixel(12 * cosA * height / 100)};
    const SchematicPoint mirroredBronchus{-bronchus.X, bronchus.Y};

    AirwayLayout l;
    l.Scale = SchematicScale(width, height);
    l.TracheaLeftTop = {px(50 - tw), py(5)};
    l.TracheaLeftBottom = {px(50 - tw), py(42.5)};
    l.TracheaRightTop = {px(50 + tw), py(5)};
    l.TracheaRightBottom = {px(50 + tw), py(42.5)};
    l.Carina = {px(50 + 2 * (wR - wL) * cosA),
                py(42.5 - tw / std::tan(kBronchusAngle) + (wR + wL) * cosA)};
    l.LeftOuter = Plus(l.TracheaRightBottom, bronchus);
    l.LeftInner = Plus(l.Carina, bronchus);
    l.RightOuter = Plus(l.TracheaLeftBottom, mirroredBronchus);
    l.RightInner = Plus(l.Carina, mirroredBronchus);

    const double gL = wL;
    const double gR = 2 * wR / 3;
    const auto angle = [](int j) { return double(kLobeAngle[j]); };
    l.Lobes[0].Base = Offset(l.LeftOuter, gL, angle(0));
    l.Lobes[1].Base = Offset(l.LeftInner, gL, angle(1));
    l.Lobes[2].Base = Offset(l.RightOuter, gR, angle(2));
    l.Lobes[4].Base = Offset(l.RightInner, gR, angle(4));
    // The middle lobe branches halfway between the upper and lower right airways.
    const SchematicPoint upper = Offset(l.RightOuter, 2 * gR, angle(2));
    const SchematicPoint lower = Offset(l.RightInner, -2 * gR, angle(4));
    l.Lobes[3].Base = {Pixel((upper.X + lower.X) / 2.0), Pixel((upper.Y + lower.Y) / 2.0)};

    for (int j = 0; j < kLobeCount; ++j) {
        LobeBranchLayout& lobe = l.Lobes[j];
        lobe.BaseHalfWidth = j < 2 ? gL : gR;
        lobe.EndHalfWidth =
            100 / (40 * FourthRoot(BoundedSchematicInput(inputs.PeripheralResistance[j])));
        lobe.Constriction =
            100 / (20 * FourthRoot(BoundedSchematicInput(inputs.SegmentResistance[j])));
        lobe.BalloonSize = 100 * 0.5 * std::cbrt(BoundedSchematicInput(inputs.LobeVolume[j]));
    }
    return l;
}

namespace {

class ShapeList {
  public:
    ShapeList(std::vector<SchematicShape>& shapes, int penWidth)
        : shapes_(shapes), width_(penWidth) {}

    void Polyline(std::vector<SchematicPoint> points, int lobe, bool flowLimited) {
        SchematicShape shape;
        shape.Points = std::move(points);
        shape.Width = width_;
        shape.Lobe = lobe;
        shape.FlowLimited = flowLimited;
        shape.Colour = flowLimited ? kSchematicFlowLimitedColour : kSchematicWallColour;
        shapes_.push_back(std::move(shape));
    }

    // The arc of the circle around `centre` that runs counter-clockwise from
    // the ray through `from` to the ray through `to`.
    void ArcBetween(SchematicPoint centre, int radius, SchematicPoint from, SchematicPoint to,
                    int lobe) {
        const double start = ScreenAngle(centre, from);
        double span = ScreenAngle(centre, to) - start;
        while (span <= 0)
            span += 360.0;
        SchematicShape shape;
        shape.Kind = SchematicShapeKind::Arc;
        shape.Centre = centre;
        shape.Radius = radius;
        shape.StartSixteenths = Pixel(start * 16);
        shape.SpanSixteenths = Pixel(span * 16);
        shape.Width = width_;
        shape.Lobe = lobe;
        shapes_.push_back(std::move(shape));
    }

  private:
    std::vector<SchematicShape>& shapes_;
    int width_;
};

// One wall: segments ending at points first+1 .. last; those ending between
// redFrom and redTo are flow-limited when the airway is. Runs of one colour
// make one polyline: the schematic is redrawn at every live trace point, and
// one stroke per run is much cheaper than one per segment.
void AddWall(ShapeList& list, const LobeBranchGeometry& branch, int first, int last, int redFrom,
             int redTo, int lobe, bool flagged) {
    const auto isRed = [&](int i) { return flagged && i >= redFrom && i <= redTo; };
    int runStart = first; // the point the current run starts from
    for (int i = first + 1; i <= last; ++i) {
        if (i < last && isRed(i + 1) == isRed(i)) continue;
        list.Polyline({branch.Points.begin() + runStart, branch.Points.begin() + i + 1}, lobe,
                      isRed(i));
        runStart = i;
    }
}

void AddOutline(ShapeList& list, const AirwayLayout& l,
                const std::array<LobeBranchGeometry, kLobeCount>& lobes) {
    const auto line = [&list](std::initializer_list<SchematicPoint> points) {
        list.Polyline(points, -1, false);
    };
    const auto wall1 = [&lobes](int j) { return lobes[j].Points[0]; };
    const auto wall2 = [&lobes](int j) { return lobes[j].Points[12]; };
    line({l.TracheaLeftTop, l.TracheaLeftBottom, l.RightOuter});
    line({l.TracheaRightTop, l.TracheaRightBottom, l.LeftOuter});
    line({l.LeftInner, l.Carina, l.RightInner});
    line({l.LeftOuter, wall1(0)});
    line({wall2(0), wall1(1)});
    line({wall2(1), l.LeftInner});
    line({l.RightOuter, wall2(2)});
    line({wall1(2), wall2(3)});
    line({wall1(3), wall2(4)});
    line({wall1(4), l.RightInner});
}

} // namespace

std::vector<SchematicShape> LobeBranchShapes(const LobeBranchGeometry& branch, int lobe,
                                             int penWidth, bool flowLimited) {
    std::vector<SchematicShape> shapes;
    ShapeList list(shapes, penWidth);
    // The flow-limited stretch is the collapsible segment: the walls' first
    // and last segments (the airway's mouth and its straight end) never are.
    AddWall(list, branch, 0, 11, 2, 10, lobe, flowLimited);
    AddWall(list, branch, 12, 23, 14, 22, lobe, flowLimited);
    list.ArcBetween(branch.Points[24], branch.BalloonRadius, branch.Points[23], branch.Points[11],
                    lobe);
    return shapes;
}

AirwaySchematic ComputeAirwaySchematic(int width, int height, int penWidth,
                                       const SchematicInputs& inputs) {
    AirwaySchematic schematic;
    if (width <= 0 || height <= 0) return schematic;
    schematic.Width = width;
    schematic.Height = height;
    schematic.FlowLimited = inputs.FlowLimited;

    const AirwayLayout layout = ComputeAirwayLayout(width, height, inputs);
    const double u = 0.8 * layout.Scale;
    std::array<LobeBranchGeometry, kLobeCount> lobes;
    for (int j = 0; j < kLobeCount; ++j) {
        const LobeBranchLayout& lobe = layout.Lobes[j];
        lobes[j] = LobeBranchPoints(penWidth, lobe.Base.X, lobe.Base.Y, kLobeAngle[j], u,
                                    lobe.BaseHalfWidth, lobe.EndHalfWidth, lobe.Constriction,
                                    lobe.BalloonSize);
        for (SchematicShape& shape : LobeBranchShapes(lobes[j], j, penWidth, inputs.FlowLimited[j]))
            schematic.Shapes.push_back(std::move(shape));
    }
    ShapeList outline(schematic.Shapes, penWidth);
    AddOutline(outline, layout, lobes);
    return schematic;
}

} // namespace breathlab
