#include "airway_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

namespace breathlab {
namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

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

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QColor ColourAt(const QImage& image, QPoint p) {
    return QColor(image.pixel(p));
}

QPoint Midpoint(QPoint a, QPoint b) {
    return {(a.x() + b.x()) / 2, (a.y() + b.y()) / 2};
}

// u = 0.8 (the reference size), pen width 2, an airway whose wall narrows
// towards a constriction and widens again to its end.
TEST(LobeBranchGeometry, PointsAtTheReferenceSize) {
    const LobeBranchGeometry b = LobeBranchPoints(2, 100, 100, 0.0, 0.8, 10, 5, 2.5, 40);
    const auto& p = b.Points;

    // Base half-width round(0.8*10) + 1, constriction line round(1 + 2) above the axis.
    EXPECT_EQ(p[0], QPoint(100, 91));
    EXPECT_EQ(p[1], QPoint(100, 91));
    const int wall1X[] = {100, 103, 105, 108, 111, 113, 116, 119, 121, 124};
    // 4.5 rounds to 4 (half to even) at E4; the bulge adds a pixel in the middle.
    const int wall1Y[] = {91, 94, 95, 96, 97, 98, 97, 97, 96, 95};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(p[i], QPoint(wall1X[i - 1], wall1Y[i - 1])) << "E" << i;
        EXPECT_EQ(p[i + 12], QPoint(wall1X[i - 1], 200 - wall1Y[i - 1])) << "E" << i + 12;
    }
    // Shaped length B = 24 and straight length C = 8.
    EXPECT_EQ(p[10].x() - 100, 24);
    EXPECT_EQ(p[11], QPoint(132, 95));
    EXPECT_EQ(p[12], QPoint(100, 109));
    EXPECT_EQ(p[23], QPoint(132, 105));
    EXPECT_EQ(b.BalloonRadius, 32);
    EXPECT_EQ(p[24], QPoint(164, 100)); // 132 + round(sqrt(32^2 - 5^2))
}

TEST(LobeBranchGeometry, BalloonSmallerThanTheAirwayEndSitsOnTheEnd) {
    const LobeBranchGeometry b = LobeBranchPoints(2, 100, 100, 0.0, 0.8, 10, 5, 2.5, 2);
    EXPECT_EQ(b.BalloonRadius, 2);
    EXPECT_EQ(b.Points[24], QPoint(132, 100));
}

TEST(LobeBranchGeometry, RotationTurnsTheAirwayAboutItsBase) {
    const LobeBranchGeometry b =
        LobeBranchPoints(2, 100, 100, std::numbers::pi / 2, 0.8, 10, 5, 2.5, 40);
    // A quarter turn counter-clockwise on the screen: the airway points up.
    EXPECT_EQ(b.Points[0], QPoint(91, 100));
    EXPECT_EQ(b.Points[11], QPoint(95, 68));
    EXPECT_EQ(b.Points[23], QPoint(105, 68));
    EXPECT_EQ(b.Points[24], QPoint(100, 36));
}

TEST(LobeBranchGeometry, ReferenceSizeHasUnitScale) {
    EXPECT_DOUBLE_EQ(SchematicScale(486, 277), 1.0);
    EXPECT_DOUBLE_EQ(SchematicScale(389, 402), 1.0);
    EXPECT_DOUBLE_EQ(SchematicScale(972, 554), 2.0);
}

struct DrawnBranch {
    QImage image = WhiteImage(500, 300);
    LobeBranchGeometry geometry;
    LobeBranchBases bases;

    explicit DrawnBranch(bool flagged) {
        QPainter painter(&image);
        geometry = LobeBranchPoints(2, 50, 150, 0.0, 3, 10, 5, 2.5, 40);
        bases = DrawLobeBranch(painter, 2, 50, 150, 0.0, 3, 10, 5, 2.5, 40, flagged);
    }

    QColor SegmentColour(int endPoint) const {
        const auto& p = geometry.Points;
        return ColourAt(image, Midpoint(p[endPoint - 1], p[endPoint]));
    }
};

TEST(DrawLobeBranch, FlaggedAirwayIsRedExceptAtItsEnds) {
    const DrawnBranch drawn(true);
    for (int i = 2; i <= 10; ++i) {
        EXPECT_EQ(drawn.SegmentColour(i), kRed) << "wall 1 segment to E" << i;
        EXPECT_EQ(drawn.SegmentColour(i + 12), kRed) << "wall 2 segment to E" << i + 12;
    }
    EXPECT_EQ(drawn.SegmentColour(11), kBlack);
    EXPECT_EQ(drawn.SegmentColour(23), kBlack);
    // The balloon stays black: its point furthest out on the axis.
    const QPoint centre = drawn.geometry.Points[24];
    EXPECT_EQ(ColourAt(drawn.image, centre + QPoint(drawn.geometry.BalloonRadius, 0)), kBlack);
    EXPECT_EQ(drawn.bases.Wall1, drawn.geometry.Points[0]);
    EXPECT_EQ(drawn.bases.Wall2, drawn.geometry.Points[12]);
}

TEST(DrawLobeBranch, UnflaggedAirwayIsBlackAndTheBalloonClosesBehindTheEnd) {
    const DrawnBranch drawn(false);
    int black = 0;
    for (int y = 0; y < drawn.image.height(); ++y)
        for (int x = 0; x < drawn.image.width(); ++x) {
            const QColor c = ColourAt(drawn.image, {x, y});
            ASSERT_NE(c, kRed) << x << "," << y;
            black += c == kBlack;
        }
    EXPECT_GT(black, 0);
    EXPECT_EQ(drawn.SegmentColour(6), kBlack);
    // The arc runs round the far side from the airway's end: above, below and
    // beyond the centre, but not across the airway between its two ends.
    const QPoint c = drawn.geometry.Points[24];
    const int r = drawn.geometry.BalloonRadius;
    EXPECT_EQ(ColourAt(drawn.image, c + QPoint(0, -r)), kBlack);
    EXPECT_EQ(ColourAt(drawn.image, c + QPoint(0, r)), kBlack);
    EXPECT_NE(ColourAt(drawn.image, c + QPoint(-r, 0)), kBlack);
}

TEST(AirwayLayout, TracheaCarinaAndBronchiFromTheCoefficients) {
    // Coefficients of 1 give a tracheal half-width of 1 % and bronchial
    // widths of 2/3 %.
    const AirwayLayout l = ComputeAirwayLayout(400, 300, UniformInputs(1.0));
    EXPECT_EQ(l.TracheaLeftTop, QPoint(196, 15));
    EXPECT_EQ(l.TracheaLeftBottom, QPoint(196, 128)); // 127.5 rounds to even
    EXPECT_EQ(l.TracheaRightBottom, QPoint(204, 128));
    EXPECT_EQ(l.Carina, QPoint(200, 128));
    EXPECT_EQ(l.LeftOuter, QPoint(246, 146));
    EXPECT_EQ(l.LeftInner, QPoint(242, 146));
    EXPECT_EQ(l.RightOuter, QPoint(154, 146));
    EXPECT_EQ(l.RightInner, QPoint(158, 146));
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
            EXPECT_LT(std::abs(lobe.Base.x()) + std::abs(lobe.Base.y()), 10000) << value;
        }
    }
}

TEST(AirwayView, DrawsEveryExtremeInputWithoutFailing) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QImage offscreen;
    for (double value : {0.0, -1.0, nan, inf, -inf, 1e30, 1e-30, 0.5}) {
        QImage window = WhiteImage(486, 277);
        QPainter painter(&window);
        AirwayView(painter, 0, 0, 486, 277, 2, Qt::black, UniformInputs(value), QImage(),
                   offscreen);
        painter.end();
        EXPECT_EQ(offscreen.size(), QSize(486, 277));
        EXPECT_EQ(window, offscreen) << value;
        EXPECT_NE(window, WhiteImage(486, 277)) << "nothing drawn for " << value;
    }
}

TEST(AirwayView, ComposesOverTheBackgroundAndCopiesToTheTargetRectangle) {
    QImage background(10, 10, QImage::Format_RGB32);
    background.fill(QColor(0, 0, 255));
    QImage window = WhiteImage(300, 250);
    QImage offscreen;
    QPainter painter(&window);
    AirwayView(painter, 20, 30, 200, 150, 2, Qt::black, UniformInputs(0.5), background, offscreen);
    painter.end();

    EXPECT_EQ(offscreen.size(), QSize(200, 150));
    EXPECT_EQ(ColourAt(window, {20, 30}), QColor(0, 0, 255)); // stretched background corner
    EXPECT_EQ(ColourAt(window, {219, 179}), QColor(0, 0, 255));
    EXPECT_EQ(ColourAt(window, {19, 30}), QColor(Qt::white)); // outside stays as it was
    EXPECT_EQ(ColourAt(window, {220, 180}), QColor(Qt::white));
    EXPECT_EQ(window.copy(20, 30, 200, 150), offscreen);
}

// The walls and balloons are smoothed: besides pure black and red the
// schematic has edge pixels between them and the white ground.
TEST(AirwayView, WallsAreDrawnSmooth) {
    QImage window = WhiteImage(486, 277);
    QImage offscreen;
    QPainter painter(&window);
    AirwayView(painter, 0, 0, 486, 277, 2, Qt::black, UniformInputs(0.5), QImage(), offscreen);
    painter.end();
    int edges = 0;
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            const QColor c = ColourAt(window, {x, y});
            const bool grey = c.red() == c.green() && c.green() == c.blue();
            const bool pink = c.red() == 255 && c.green() == c.blue();
            if ((grey || pink) && c.green() > 40 && c.green() < 215) ++edges;
        }
    }
    EXPECT_GT(edges, 200);
}

TEST(AirwayView, EmptyRectangleDrawsNothing) {
    QImage window = WhiteImage(50, 50);
    QImage offscreen;
    QPainter painter(&window);
    AirwayView(painter, 0, 0, 0, 50, 2, Qt::black, UniformInputs(0.5), QImage(), offscreen);
    AirwayView(painter, 0, 0, 50, -4, 2, Qt::black, UniformInputs(0.5), QImage(), offscreen);
    painter.end();
    EXPECT_EQ(window, WhiteImage(50, 50));
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

} // namespace
} // namespace breathlab
