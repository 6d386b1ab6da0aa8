#include "airway_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <limits>

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

QPoint Midpoint(SchematicPoint a, SchematicPoint b) {
    return {(a.X + b.X) / 2, (a.Y + b.Y) / 2};
}

QPoint Pixel(SchematicPoint p) {
    return {p.X, p.Y};
}

AirwaySchematic Schematic(int width, int height, const SchematicInputs& inputs) {
    return ComputeAirwaySchematic(width, height, kSchematicPenWidth, inputs);
}

// One lobar airway, large (u = 3), painted alone without smoothing.
struct DrawnBranch {
    QImage image = WhiteImage(500, 300);
    LobeBranchGeometry geometry = LobeBranchPoints(2, 50, 150, 0.0, 3, 10, 5, 2.5, 40);

    explicit DrawnBranch(bool flagged) {
        AirwaySchematic branch;
        branch.Shapes = LobeBranchShapes(geometry, 0, 2, flagged);
        QPainter painter(&image);
        PaintSchematic(painter, branch);
    }

    QColor SegmentColour(int endPoint) const {
        const auto& p = geometry.Points;
        return ColourAt(image, Midpoint(p[endPoint - 1], p[endPoint]));
    }
};

TEST(PaintSchematic, FlaggedAirwayIsRedExceptAtItsEnds) {
    const DrawnBranch drawn(true);
    for (int i = 2; i <= 10; ++i) {
        EXPECT_EQ(drawn.SegmentColour(i), kRed) << "wall 1 segment to E" << i;
        EXPECT_EQ(drawn.SegmentColour(i + 12), kRed) << "wall 2 segment to E" << i + 12;
    }
    EXPECT_EQ(drawn.SegmentColour(11), kBlack);
    EXPECT_EQ(drawn.SegmentColour(23), kBlack);
    // The balloon stays black: its point furthest out on the axis.
    const QPoint centre = Pixel(drawn.geometry.Points[24]);
    EXPECT_EQ(ColourAt(drawn.image, centre + QPoint(drawn.geometry.BalloonRadius, 0)), kBlack);
}

TEST(PaintSchematic, UnflaggedAirwayIsBlackAndTheBalloonClosesBehindTheEnd) {
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
    const QPoint c = Pixel(drawn.geometry.Points[24]);
    const int r = drawn.geometry.BalloonRadius;
    EXPECT_EQ(ColourAt(drawn.image, c + QPoint(0, -r)), kBlack);
    EXPECT_EQ(ColourAt(drawn.image, c + QPoint(0, r)), kBlack);
    EXPECT_NE(ColourAt(drawn.image, c + QPoint(-r, 0)), kBlack);
}

TEST(AirwayView, DrawsEveryExtremeInputWithoutFailing) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QImage offscreen;
    for (double value : {0.0, -1.0, nan, inf, -inf, 1e30, 1e-30, 0.5}) {
        QImage window = WhiteImage(486, 277);
        QPainter painter(&window);
        AirwayView(painter, 0, 0, Schematic(486, 277, UniformInputs(value)), QImage(), offscreen);
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
    AirwayView(painter, 20, 30, Schematic(200, 150, UniformInputs(0.5)), background, offscreen);
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
    AirwayView(painter, 0, 0, Schematic(486, 277, UniformInputs(0.5)), QImage(), offscreen);
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
    AirwayView(painter, 0, 0, Schematic(0, 50, UniformInputs(0.5)), QImage(), offscreen);
    AirwayView(painter, 0, 0, Schematic(50, -4, UniformInputs(0.5)), QImage(), offscreen);
    painter.end();
    EXPECT_EQ(window, WhiteImage(50, 50));
}

} // namespace
} // namespace breathlab
