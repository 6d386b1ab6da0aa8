#include "illustration_geometry.h"

#include <QPolygonF>

#include <cmath>
#include <initializer_list>
#include <utility>

namespace breathlab {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Generations 1 to 3 (lobar, segmental, subsegmental bronchi) are the middle
// airways; the small airways beyond them, down to the terminal bronchioles, are
// the peripheral ones.
constexpr int kLastMiddleGeneration = 3;
constexpr int kLastGeneration = 7;

using PercentList = std::initializer_list<std::pair<double, double>>;

QPolygonF PercentPolygon(QSize size, PercentList points) {
    QPolygonF polygon;
    for (const auto& [x, y] : points)
        polygon << PercentPoint(size, x, y);
    return polygon;
}

std::vector<QPointF> PercentPolyline(QSize size, PercentList points) {
    const QPolygonF polygon = PercentPolygon(size, points);
    return {polygon.begin(), polygon.end()};
}

QPainterPath RightLungOutline(QSize size) {
    auto p = [size](double x, double y) { return PercentPoint(size, x, y); };
    QPainterPath path(p(33, 12));
    path.cubicTo(p(40, 12), p(44, 22), p(44, 34));
    path.cubicTo(p(44, 48), p(43, 64), p(46, 80));
    path.cubicTo(p(38, 76), p(22, 79), p(8, 87));
    path.cubicTo(p(5, 64), p(8, 34), p(20, 19));
    path.cubicTo(p(24, 14), p(28, 12), p(33, 12));
    return path;
}

// The left lung leaves room for the heart low on its inner side.
QPainterPath LeftLungOutline(QSize size) {
    auto p = [size](double x, double y) { return PercentPoint(size, x, y); };
    QPainterPath path(p(67, 12));
    path.cubicTo(p(60, 12), p(56, 22), p(56, 34));
    path.cubicTo(p(56, 46), p(57, 53), p(61, 59));
    path.cubicTo(p(65, 65), p(60, 75), p(57, 84));
    path.cubicTo(p(66, 80), p(80, 82), p(92, 89));
    path.cubicTo(p(95, 65), p(92, 35), p(80, 19));
    path.cubicTo(p(76, 14), p(72, 12), p(67, 12));
    return path;
}

QPainterPath LobeOf(const QPainterPath& lung, const QPolygonF& region) {
    QPainterPath regionPath;
    regionPath.addPolygon(region);
    regionPath.closeSubpath();
    return lung.intersected(regionPath);
}

void AddLobes(IllustrationGeometry& g) {
    const QSize s = g.Size;
    g.Lobes[1] = LobeOf(
        g.LeftLung,
        PercentPolygon(s, {{51, 0}, {100, 0}, {100, 34}, {93, 37}, {75, 46}, {60, 52}, {51, 52}}));
    g.Lobes[2] =
        LobeOf(g.LeftLung,
               PercentPolygon(
                   s, {{51, 52}, {60, 52}, {75, 46}, {93, 37}, {100, 34}, {100, 100}, {51, 100}}));
    g.Lobes[3] =
        LobeOf(g.RightLung,
               PercentPolygon(s, {{0, 0}, {49, 0}, {49, 51}, {40.5, 51}, {24, 47.5}, {0, 44.3}}));
    g.Lobes[4] = LobeOf(
        g.RightLung,
        PercentPolygon(
            s, {{0, 44.3}, {24, 47.5}, {40.5, 51}, {30, 68}, {21, 92}, {18, 100}, {0, 100}}));
    g.Lobes[5] =
        LobeOf(g.RightLung,
               PercentPolygon(s, {{40.5, 51}, {49, 51}, {49, 100}, {18, 100}, {21, 92}, {30, 68}}));
    g.Fissures = {PercentPolyline(s, {{5, 44.7}, {24, 47.5}, {40.5, 51}}),
                  PercentPolyline(s, {{40.5, 51}, {30, 68}, {21, 92}}),
                  PercentPolyline(s, {{60, 52}, {75, 46}, {95, 36}})};
}

struct TreeGrowth {
    IllustrationGeometry& Geometry;
    int Lobe;
    int NextTwigGroup;
};

// One airway and, below it, its two daughters; each generation is shorter and
// narrower, and the daughters part a little less at every division.
void GrowAirway(TreeGrowth& growth, QPointF start, double angleDegrees, double length, double width,
                int generation, int twigGroup) {
    const double angle = angleDegrees * kPi / 180.0;
    const QPointF end = start + QPointF(length * std::cos(angle), -length * std::sin(angle));
    const bool middle = generation <= kLastMiddleGeneration;
    growth.Geometry.Airways.push_back(
        {start, end, width, middle ? AirwayLevel::Middle : AirwayLevel::Peripheral, growth.Lobe,
         generation, generation == kLastGeneration, twigGroup});
    if (generation == kLastGeneration) return;
    if (generation == kLastMiddleGeneration) twigGroup = growth.NextTwigGroup++;
    const double spread = 34.0 - 2.5 * generation;
    const double tilt = generation % 2 == 0 ? 4.0 : -4.0;
    for (double side : {1.0, -1.0})
        GrowAirway(growth, end, angleDegrees + side * spread + tilt, length * 0.8, width * 0.68,
                   generation + 1, twigGroup);
}

struct LobarBronchus {
    int Lobe;
    bool LeftSide;
    double AngleDegrees; // 0 towards the viewer's right, counter-clockwise
    double LengthPercent;
};

// The lobar bronchi leave in the same directions as in the live schematic.
constexpr std::array<LobarBronchus, 5> kLobarBronchi = {{
    {1, true, 36.0, 8.5},
    {2, true, 308.0, 9.0},
    {3, false, 144.0, 8.5},
    {4, false, 203.0, 7.5},
    {5, false, 245.0, 9.0},
}};

void AddAirways(IllustrationGeometry& g) {
    const QSize s = g.Size;
    const double alpha = kPi / 3.0;
    const double dx = 12.0 * std::sin(alpha);
    const double dy = 12.0 * std::cos(alpha);
    g.TracheaHalfWidth = 0.035 * s.width();
    g.TracheaTop = PercentPoint(s, 50, 5);
    g.Carina = PercentPoint(s, 50, 42.5);
    const QPointF leftHilum = PercentPoint(s, 50 + dx, 42.5 + dy);
    const QPointF rightHilum = PercentPoint(s, 50 - dx, 42.5 + dy);
    const double mainWidth = 2.0 * g.TracheaHalfWidth;
    g.Airways.push_back({g.TracheaTop, g.Carina, mainWidth, AirwayLevel::Main, 0, 0, false, -1});
    g.Airways.push_back(
        {g.Carina, leftHilum, 0.72 * mainWidth, AirwayLevel::Main, 0, 0, false, -1});
    g.Airways.push_back(
        {g.Carina, rightHilum, 0.76 * mainWidth, AirwayLevel::Main, 0, 0, false, -1});
    int nextTwigGroup = 0;
    for (const LobarBronchus& bronchus : kLobarBronchi) {
        TreeGrowth growth{g, bronchus.Lobe, nextTwigGroup};
        GrowAirway(growth, bronchus.LeftSide ? leftHilum : rightHilum, bronchus.AngleDegrees,
                   bronchus.LengthPercent * s.width() / 100.0, 0.4 * mainWidth, 1, -1);
        nextTwigGroup = growth.NextTwigGroup;
    }
}

} // namespace

QPointF PercentPoint(QSize size, double xPercent, double yPercent) {
    return {xPercent * size.width() / 100.0, yPercent * size.height() / 100.0};
}

IllustrationGeometry MakeIllustrationGeometry(QSize size) {
    IllustrationGeometry g;
    g.Size = size;
    g.RightLung = RightLungOutline(size);
    g.LeftLung = LeftLungOutline(size);
    AddLobes(g);
    AddAirways(g);
    return g;
}

} // namespace breathlab
