#include "airway_view.h"

#include "rounding.h"

#include <QPen>
#include <QPolygon>
#include <QRectF>

#include <algorithm>
#include <cmath>
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

QPoint Rotated(QPoint p, QPoint centre, double cosTheta, double sinTheta) {
    const double x = p.x() - centre.x();
    const double y = p.y() - centre.y();
    return {centre.x() + Pixel(x * cosTheta + y * sinTheta),
            centre.y() + Pixel(y * cosTheta - x * sinTheta)};
}

QPoint Offset(QPoint from, double distance, double theta) {
    return {Pixel(from.x() + distance * std::cos(theta)),
            Pixel(from.y() + distance * std::sin(theta))};
}

QPen SolidPen(const QColor& colour, int width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Screen angle of `p` seen from `centre`, in degrees, counter-clockwise as seen
// on the screen (whose y axis points down).
double ScreenAngle(QPoint centre, QPoint p) {
    return std::atan2(double(centre.y() - p.y()), double(p.x() - centre.x())) * 180.0 / kPi;
}

// The arc of the circle around `centre` that runs counter-clockwise from the ray
// through `from` to the ray through `to`.
void DrawArcBetween(QPainter& canvas, QPoint centre, int radius, QPoint from, QPoint to) {
    const double start = ScreenAngle(centre, from);
    double span = ScreenAngle(centre, to) - start;
    while (span <= 0)
        span += 360.0;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);
    canvas.drawArc(circle, Pixel(start * 16), Pixel(span * 16));
}

// One wall: segments ending at points first+1 .. last; those ending between
// redFrom and redTo are red when flagged.
// Runs of one colour go out as one polyline: the schematic is redrawn at every
// live trace point, and one stroke per run is much cheaper than one per segment.
void DrawWall(QPainter& canvas, const LobeBranchGeometry& branch, int first, int last, int redFrom,
              int redTo, int penWidth, bool flagged) {
    const auto isRed = [&](int i) { return flagged && i >= redFrom && i <= redTo; };
    int runStart = first; // the point the current run starts from
    for (int i = first + 1; i <= last; ++i) {
        if (i < last && isRed(i + 1) == isRed(i)) continue;
        canvas.setPen(SolidPen(isRed(i) ? QColor(255, 0, 0) : QColor(Qt::black), penWidth));
        canvas.drawPolyline(&branch.Points[runStart], i - runStart + 1);
        runStart = i;
    }
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

    std::array<QPoint, 25> p;
    p[0] = {X0, wallBase};
    for (int i = 1; i <= 10; ++i)
        p[i].setX(X0 + Pixel((i - 1) * B / 9.0));
    for (int i = 1; i <= 5; ++i)
        p[i].setY(wallBase + Pixel((i - 1) * (yc - wallBase) / 4.0) +
                  Pixel(std::sin((i - 1) * kPi / 4) * A));
    for (int i = 5; i <= 10; ++i)
        p[i].setY(yc + Pixel((i - 5) * (wallEnd - yc) / 5.0) +
                  Pixel(std::sin((i - 5) * kPi / 5) * A));
    p[11] = {X0 + B + C, wallEnd};
    p[12] = {X0, Y0 + D};
    for (int i = 13; i <= 22; ++i)
        p[i] = {p[i - 12].x(), 2 * Y0 - p[i - 12].y()};
    p[23] = {X0 + B + C, Y0 + v};
    const double reach = double(R) * R - double(v) * v;
    p[24] = {X0 + B + C + (reach < 0 ? 0 : Pixel(std::sqrt(reach))), Y0};

    const QPoint base(X0, Y0);
    const double cosTheta = std::cos(theta);
    const double sinTheta = std::sin(theta);
    LobeBranchGeometry geometry;
    for (int i = 0; i < 25; ++i)
        geometry.Points[i] = Rotated(p[i], base, cosTheta, sinTheta);
    geometry.BalloonRadius = R;
    return geometry;
}

LobeBranchBases DrawLobeBranch(QPainter& canvas, int penWidth, int X0, int Y0, double theta,
                               double u, double g, double fP, double fS, double e, bool flagged) {
    const LobeBranchGeometry branch = LobeBranchPoints(penWidth, X0, Y0, theta, u, g, fP, fS, e);
    // The flow-limited stretch is the collapsible segment: the walls' first and
    // last segments (the airway's mouth and its straight end) stay black.
    DrawWall(canvas, branch, 0, 11, 2, 10, penWidth, flagged);
    DrawWall(canvas, branch, 12, 23, 14, 22, penWidth, flagged);
    canvas.setPen(SolidPen(Qt::black, penWidth));
    DrawArcBetween(canvas, branch.Points[24], branch.BalloonRadius, branch.Points[23],
                   branch.Points[11]);
    return {branch.Points[0], branch.Points[12]};
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
    const QPoint bronchus(Pixel(12 * sinA * width / 100), Pixel(12 * cosA * height / 100));

    AirwayLayout l;
    l.Scale = SchematicScale(width, height);
    l.TracheaLeftTop = {px(50 - tw), py(5)};
    l.TracheaLeftBottom = {px(50 - tw), py(42.5)};
    l.TracheaRightTop = {px(50 + tw), py(5)};
    l.TracheaRightBottom = {px(50 + tw), py(42.5)};
    l.Carina = {px(50 + 2 * (wR - wL) * cosA),
                py(42.5 - tw / std::tan(kBronchusAngle) + (wR + wL) * cosA)};
    l.LeftOuter = l.TracheaRightBottom + bronchus;
    l.LeftInner = l.Carina + bronchus;
    l.RightOuter = l.TracheaLeftBottom + QPoint(-bronchus.x(), bronchus.y());
    l.RightInner = l.Carina + QPoint(-bronchus.x(), bronchus.y());

    const double gL = wL;
    const double gR = 2 * wR / 3;
    const auto angle = [](int j) { return double(kLobeAngle[j]); };
    l.Lobes[0].Base = Offset(l.LeftOuter, gL, angle(0));
    l.Lobes[1].Base = Offset(l.LeftInner, gL, angle(1));
    l.Lobes[2].Base = Offset(l.RightOuter, gR, angle(2));
    l.Lobes[4].Base = Offset(l.RightInner, gR, angle(4));
    // The middle lobe branches halfway between the upper and lower right airways.
    const QPoint upper = Offset(l.RightOuter, 2 * gR, angle(2));
    const QPoint lower = Offset(l.RightInner, -2 * gR, angle(4));
    l.Lobes[3].Base = {Pixel((upper.x() + lower.x()) / 2.0), Pixel((upper.y() + lower.y()) / 2.0)};

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

void DrawOutline(QPainter& canvas, const AirwayLayout& l,
                 const std::array<LobeBranchBases, kLobeCount>& lobes) {
    const auto line = [&canvas](std::initializer_list<QPoint> points) {
        canvas.drawPolyline(QPolygon(QList<QPoint>(points)));
    };
    line({l.TracheaLeftTop, l.TracheaLeftBottom, l.RightOuter});
    line({l.TracheaRightTop, l.TracheaRightBottom, l.LeftOuter});
    line({l.LeftInner, l.Carina, l.RightInner});
    line({l.LeftOuter, lobes[0].Wall1});
    line({lobes[0].Wall2, lobes[1].Wall1});
    line({lobes[1].Wall2, l.LeftInner});
    line({l.RightOuter, lobes[2].Wall2});
    line({lobes[2].Wall1, lobes[3].Wall2});
    line({lobes[3].Wall1, lobes[4].Wall2});
    line({lobes[4].Wall1, l.RightInner});
}

} // namespace

void AirwayView(QPainter& canvas, int left, int top, int width, int height, int penWidth,
                const QColor& penColour, const SchematicInputs& inputs,
                const QImage& backgroundPicture, QImage& offscreenBitmap) {
    if (width <= 0 || height <= 0) return;
    // Composed at the canvas's resolution (twice the pixels on a HiDPI screen).
    const qreal ratio = canvas.device() ? canvas.device()->devicePixelRatioF() : 1.0;
    if (offscreenBitmap.deviceIndependentSize() != QSizeF(width, height) ||
        offscreenBitmap.devicePixelRatio() != ratio) {
        offscreenBitmap = QImage(QSize(width, height) * ratio, QImage::Format_RGB32);
        offscreenBitmap.setDevicePixelRatio(ratio);
    }
    if (offscreenBitmap.isNull()) return;

    const QRect whole(0, 0, width, height);
    QPainter bitmap(&offscreenBitmap);
    if (backgroundPicture.isNull())
        bitmap.fillRect(whole, Qt::white);
    else
        bitmap.drawImage(whole, backgroundPicture);

    // Smooth walls on the same geometry: the painter aims at pixel centres.
    bitmap.setRenderHint(QPainter::Antialiasing, true);
    bitmap.translate(0.5, 0.5);
    const AirwayLayout layout = ComputeAirwayLayout(width, height, inputs);
    const double u = 0.8 * layout.Scale;
    std::array<LobeBranchBases, kLobeCount> lobes;
    for (int j = 0; j < kLobeCount; ++j) {
        const LobeBranchLayout& lobe = layout.Lobes[j];
        lobes[j] = DrawLobeBranch(bitmap, penWidth, lobe.Base.x(), lobe.Base.y(), kLobeAngle[j], u,
                                  lobe.BaseHalfWidth, lobe.EndHalfWidth, lobe.Constriction,
                                  lobe.BalloonSize, inputs.FlowLimited[j]);
    }
    bitmap.setPen(SolidPen(penColour, penWidth));
    DrawOutline(bitmap, layout, lobes);
    bitmap.end();

    canvas.drawImage(QRect(left, top, width, height), offscreenBitmap);
}

} // namespace breathlab
