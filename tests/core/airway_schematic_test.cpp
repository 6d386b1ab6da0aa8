#include "airway_schematic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <ostream>

namespace breathlab {

void PrintTo(const SchematicPoint& p, std::ostream* out) {
    *out << "(" << p.X << ", " << p.Y << ")";
}

namespace {

SchematicInputs UniformInputs(double value) {
    SchematicInputs in;
    in.LobeVolume.fill(value);
    in.PeripheralResistance.fill(value);
    in.SegmentResistance.fill(value);
    in.FlowLimited.fill(true);
    in.TrachealCoefficient = value;
    in.LeftBronchusResistance = value;
    in.RightBronchusResistance = value;
    return in;
}

// u = 0.8 (the reference size), pen width 2, an airway whose wall narrows
// towards a constriction and widens again to its end.
TEST(LobeBranchGeometry, PointsAtTheReferenceSize) {
    const LobeBranchGeometry b = LobeBranchPoints(2, 100, 100, 0.0, 0.8, 10, 5, 2.5, 40);
    const auto& p = b.Points;

    // Base half-width round(0.8*10) + 1, constriction line round(1 + 2) above the axis.
    EXPECT_EQ(p[0], SchematicPoint(100, 91));
    EXPECT_EQ(p[1], SchematicPoint(100, 91));
    const int wall1X[] = {100, 103, 105, 108, 111, 113, 116, 119, 121, 124};
    // 4.5 rounds to 4 (half to even) at E4; the bulge adds a pixel in the middle.
    const int wall1Y[] = {91, 94, 95, 96, 97, 98, 97, 97, 96, 95};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(p[i], SchematicPoint(wall1X[i - 1], wall1Y[i - 1])) << "E" << i;
        EXPECT_EQ(p[i + 12], SchematicPoint(wall1X[i - 1], 200 - wall1Y[i - 1])) << "E" << i + 12;
    }
    // Shaped length B = 24 and straight length C = 8.
    EXPECT_EQ(p[10].X - 100, 24);
    EXPECT_EQ(p[11], SchematicPoint(132, 95));
    EXPECT_EQ(p[12], SchematicPoint(100, 109));
    EXPECT_EQ(p[23], SchematicPoint(132, 105));
    EXPECT_EQ(b.BalloonRadius, 32);
    EXPECT_EQ(p[24], SchematicPoint(164, 100)); // 132 + round(sqrt(32^2 - 5^2))
}

TEST(LobeBranchGeometry, BalloonSmallerThanTheAirwayEndSitsOnTheEnd) {
    const LobeBranchGeometry b = LobeBranchPoints(2, 100, 100, 0.0, 0.8, 10, 5, 2.5, 2);
    EXPECT_EQ(b.BalloonRadius, 2);
    EXPECT_EQ(b.Points[24], SchematicPoint(132, 100));
}

TEST(LobeBranchGeometry, RotationTurnsTheAirwayAboutItsBase) {
    const LobeBranchGeometry b =
        LobeBranchPoints(2, 100, 100, std::numbers::pi / 2, 0.8, 10, 5, 2.5, 40);
    // A quarter turn counter-clockwise on the screen: the airway points up.
    EXPECT_EQ(b.Points[0], SchematicPoint(91, 100));
    EXPECT_EQ(b.Points[11], SchematicPoint(95, 68));
    EXPECT_EQ(b.Points[23], SchematicPoint(105, 68));
    EXPECT_EQ(b.Points[24], SchematicPoint(100, 36));
}

TEST(LobeBranchGeometry, ReferenceSizeHasUnitScale) {
    EXPECT_DOUBLE_EQ(SchematicScale(486, 277), 1.0);
    EXPECT_DOUBLE_EQ(SchematicScale(389, 402), 1.0);
    EXPECT_DOUBLE_EQ(SchematicScale(972, 554), 2.0);
}

TEST(AirwayLayout, TracheaCarinaAndBronchiFromTheCoefficients) {
    // Coefficients of 1 give a tracheal half-width of 1 % and bronchial
    // widths of 2/3 %.
    const AirwayLayout l = ComputeAirwayLayout(400, 300, UniformInputs(1.0));
    EXPECT_EQ(l.TracheaLeftTop, SchematicPoint(196, 15));
    EXPECT_EQ(l.TracheaLeftBottom, SchematicPoint(196, 128)); // 127.5 rounds to even
    EXPECT_EQ(l.TracheaRightBottom, SchematicPoint(204, 128));
    EXPECT_EQ(l.Carina, SchematicPoint(200, 128));
    EXPECT_EQ(l.LeftOuter, SchematicPoint(246, 146));
    EXPECT_EQ(l.LeftInner, SchematicPoint(242, 146));
    EXPECT_EQ(l.RightOuter, SchematicPoint(154, 146));
    EXPECT_EQ(l.RightInner, SchematicPoint(158, 146));
    EXPECT_NEAR(l.Lobes[0].BaseHalfWidth, 2.0 / 3, 1e-12);
    EXPECT_NEAR(l.Lobes[2].BaseHalfWidth, 4.0 / 9, 1e-12);
    EXPECT_NEAR(l.Lobes[0].EndHalfWidth, 2.5, 1e-12);
    EXPECT_NEAR(l.Lobes[0].Constriction, 5.0, 1e-12);
    EXPECT_NEAR(l.Lobes[0].BalloonSize, 50.0, 1e-12);
}

TEST(AirwayLayout, ImpossibleInputsAreHeldToAFiniteRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(BoundedSchematicInput(0.0), kSchematicInputFloor);
    EXPECT_EQ(BoundedSchematicInput(-3.0), kSchematicInputFloor);
    EXPECT_EQ(BoundedSchematicInput(nan), kSchematicInputFloor);
    EXPECT_EQ(BoundedSchematicInput(-inf), kSchematicInputFloor);
    EXPECT_EQ(BoundedSchematicInput(inf), kSchematicInputCeiling);
    EXPECT_EQ(BoundedSchematicInput(1e30), kSchematicInputCeiling);
    EXPECT_EQ(BoundedSchematicInput(0.3), 0.3);

    for (double value : {0.0, -1.0, nan, inf, -inf, 1e30, 1e-30}) {
        const AirwayLayout l = ComputeAirwayLayout(400, 300, UniformInputs(value));
        for (const LobeBranchLayout& lobe : l.Lobes) {
            EXPECT_TRUE(std::isfinite(lobe.BalloonSize) && std::isfinite(lobe.Constriction) &&
                        std::isfinite(lobe.EndHalfWidth) && std::isfinite(lobe.BaseHalfWidth));
            EXPECT_LT(std::abs(lobe.Base.X) + std::abs(lobe.Base.Y), 10000) << value;
        }
    }
}

TEST(SchematicInputs, StoredRunIsReadAtTheSample) {
    auto history = std::make_unique<ResultHistory>();
    ResultRecord& run = (*history)[2];
    run.LobeVolumeTrace[7][4] = 0.75f;
    run.LobePeripheralResistanceTrace[7][4] = 0.125f;
    run.LobeSegmentResistanceTrace[7][4] = 0.5f;
    run.LobeFlowLimitedTrace[7][4] = 1;
    run.TrachealTurbulentCoefficientAtLastSample = 0.25f;
    run.LeftBronchusResistanceAtLastSample = 0.375f;
    run.RightBronchusResistanceAtLastSample = 0.625f;

    auto model = std::make_unique<LungModel>();
    model->LobeVolume[4] = 1.5;
    model->FlowLimited[4] = 0;
    model->EffectiveLeftBronchusResistance = 0.01;

    const SchematicInputs stored = SchematicInputsForSlot(2, *model, *history, 7);
    EXPECT_EQ(stored.LobeVolume[4], 0.75);
    EXPECT_EQ(stored.PeripheralResistance[4], 0.125);
    EXPECT_EQ(stored.SegmentResistance[4], 0.5);
    EXPECT_TRUE(stored.FlowLimited[4]);
    EXPECT_FALSE(stored.FlowLimited[3]);
    EXPECT_EQ(stored.TrachealCoefficient, 0.25);
    EXPECT_EQ(stored.LeftBronchusResistance, 0.375);
    EXPECT_EQ(stored.RightBronchusResistance, 0.625);

    const SchematicInputs live = SchematicInputsForSlot(0, *model, *history, 7);
    EXPECT_EQ(live.LobeVolume[4], 1.5);
    EXPECT_FALSE(live.FlowLimited[4]);
    EXPECT_EQ(live.LeftBronchusResistance, 0.01);

    // A sample beyond the traces reads their last row instead of past the record.
    run.LobeVolumeTrace[kLobeTraceRows - 1][0] = 2.0f;
    EXPECT_EQ(SchematicInputsFromRecord(run, 99999).LobeVolume[0], 2.0);
}

// The shapes of one lobe in their order: wall 1, wall 2, balloon.
std::vector<SchematicShape> LobeShapes(const AirwaySchematic& s, int lobe) {
    std::vector<SchematicShape> shapes;
    for (const SchematicShape& shape : s.Shapes)
        if (shape.Lobe == lobe) shapes.push_back(shape);
    return shapes;
}

LobeBranchGeometry BranchOfLobe(int width, int height, const SchematicInputs& in, int j,
                                int penWidth = kSchematicPenWidth) {
    const AirwayLayout l = ComputeAirwayLayout(width, height, in);
    const LobeBranchLayout& lobe = l.Lobes[j];
    return LobeBranchPoints(penWidth, lobe.Base.X, lobe.Base.Y, kLobeAngle[j], 0.8 * l.Scale,
                            lobe.BaseHalfWidth, lobe.EndHalfWidth, lobe.Constriction,
                            lobe.BalloonSize);
}

std::vector<SchematicPoint> PointRange(const LobeBranchGeometry& b, int first, int last) {
    return {b.Points.begin() + first, b.Points.begin() + last + 1};
}

// A flow-limited airway: each wall is a black mouth segment, a red
// collapsible stretch and a black straight end; the balloon stays black.
TEST(AirwaySchematic, FlowLimitedAirwayIsRedBetweenItsMouthAndItsEnd) {
    SchematicInputs in = UniformInputs(0.5);
    in.FlowLimited = {false, false, true, false, false};
    const AirwaySchematic s = ComputeAirwaySchematic(486, 277, kSchematicPenWidth, in);
    const LobeBranchGeometry b = BranchOfLobe(486, 277, in, 2);
    const std::vector<SchematicShape> shapes = LobeShapes(s, 2);
    ASSERT_EQ(shapes.size(), 7u);
    const struct {
        int First, Last;
        bool Red;
    } runs[] = {{0, 1, false},   {1, 10, true},  {10, 11, false},
                {12, 13, false}, {13, 22, true}, {22, 23, false}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(shapes[i].Kind, SchematicShapeKind::Polyline);
        EXPECT_EQ(shapes[i].Points, PointRange(b, runs[i].First, runs[i].Last)) << i;
        EXPECT_EQ(shapes[i].FlowLimited, runs[i].Red) << i;
        EXPECT_EQ(shapes[i].Colour,
                  runs[i].Red ? kSchematicFlowLimitedColour : kSchematicWallColour)
            << i;
        EXPECT_EQ(shapes[i].Width, kSchematicPenWidth);
    }
    EXPECT_EQ(shapes[6].Kind, SchematicShapeKind::Arc);
    EXPECT_EQ(shapes[6].Colour, kSchematicWallColour);
    EXPECT_EQ(s.FlowLimited, in.FlowLimited);
}

// An airway that is not flow-limited is one black polyline per wall, and its
// balloon's arc runs round the far side from the airway's end.
TEST(AirwaySchematic, OpenAirwayIsOneBlackLinePerWallAndAnArcBehindItsEnd) {
    SchematicInputs in = UniformInputs(0.5);
    in.FlowLimited.fill(false);
    const AirwaySchematic s = ComputeAirwaySchematic(486, 277, kSchematicPenWidth, in);
    for (const SchematicShape& shape : s.Shapes) {
        EXPECT_EQ(shape.Colour, kSchematicWallColour);
        EXPECT_FALSE(shape.FlowLimited);
    }
    // The upper left airway points up and to the right (0.2 pi above the x
    // axis); its end's wall 2 point lies clockwise of wall 1's, so the arc
    // starts at wall 2's end and runs the long way round to wall 1's end.
    const LobeBranchGeometry b = BranchOfLobe(486, 277, in, 0);
    const std::vector<SchematicShape> shapes = LobeShapes(s, 0);
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[0].Points, PointRange(b, 0, 11));
    EXPECT_EQ(shapes[1].Points, PointRange(b, 12, 23));
    const SchematicShape& arc = shapes[2];
    EXPECT_EQ(arc.Centre, b.Points[24]);
    EXPECT_EQ(arc.Radius, b.BalloonRadius);
    const double start = std::atan2(arc.Centre.Y - b.Points[23].Y, b.Points[23].X - arc.Centre.X);
    EXPECT_NEAR(arc.StartSixteenths, start * 180 / std::numbers::pi * 16, 0.5);
    // More than half a turn: the gap is only the airway's end.
    EXPECT_GT(arc.SpanSixteenths, 180 * 16);
    EXPECT_LT(arc.SpanSixteenths, 360 * 16);
}

// After the five lobes come the trachea, the bronchi and the walls between the
// lobar airways: ten black polylines that meet each airway at its base.
TEST(AirwaySchematic, OutlineJoinsTheTracheaAndBronchiToEveryLobarAirway) {
    const SchematicInputs in = UniformInputs(1.0);
    const AirwaySchematic s = ComputeAirwaySchematic(400, 300, 3, in);
    EXPECT_EQ(s.Width, 400);
    EXPECT_EQ(s.Height, 300);
    ASSERT_GE(s.Shapes.size(), 10u);
    const std::vector<SchematicShape> outline(s.Shapes.end() - 10, s.Shapes.end());
    const AirwayLayout l = ComputeAirwayLayout(400, 300, in);
    EXPECT_EQ(outline[0].Points,
              (std::vector<SchematicPoint>{l.TracheaLeftTop, l.TracheaLeftBottom, l.RightOuter}));
    EXPECT_EQ(outline[2].Points,
              (std::vector<SchematicPoint>{l.LeftInner, l.Carina, l.RightInner}));
    const auto isEndOfOutline = [&outline](SchematicPoint p) {
        for (const SchematicShape& line : outline)
            if (line.Points.front() == p || line.Points.back() == p) return true;
        return false;
    };
    for (const SchematicShape& line : outline) {
        EXPECT_EQ(line.Lobe, -1);
        EXPECT_EQ(line.Width, 3);
        EXPECT_EQ(line.Colour, kSchematicWallColour);
    }
    for (int j = 0; j < kLobeCount; ++j) {
        const LobeBranchGeometry b = BranchOfLobe(400, 300, in, j, 3);
        EXPECT_TRUE(isEndOfOutline(b.Points[0])) << "wall 1 of lobe " << j;
        EXPECT_TRUE(isEndOfOutline(b.Points[12])) << "wall 2 of lobe " << j;
    }
}

TEST(AirwaySchematic, EmptyPictureHasNoShapes) {
    EXPECT_TRUE(ComputeAirwaySchematic(0, 50, 2, UniformInputs(0.5)).Shapes.empty());
    EXPECT_TRUE(ComputeAirwaySchematic(50, -4, 2, UniformInputs(0.5)).Shapes.empty());
}

} // namespace
} // namespace breathlab
