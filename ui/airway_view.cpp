#include "airway_view.h"

#include <QPen>
#include <QPoint>
#include <QRectF>

#include <vector>

namespace breathlab {

namespace {

QPen SolidPen(const SchematicShape& shape) {
    const QColor colour(shape.Colour.Red, shape.Colour.Green, shape.Colour.Blue);
    return QPen(colour, shape.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintShape(QPainter& painter, const SchematicShape& shape) {
    painter.setPen(SolidPen(shape));
    if (shape.Kind == SchematicShapeKind::Arc) {
        const double r = shape.Radius;
        const QRectF circle(shape.Centre.X - r, shape.Centre.Y - r, 2 * r, 2 * r);
        painter.drawArc(circle, shape.StartSixteenths, shape.SpanSixteenths);
        return;
    }
    std::vector<QPoint> points;
    points.reserve(shape.Points.size());
    for (const SchematicPoint& p : shape.Points)
        points.emplace_back(p.X, p.Y);
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

} // namespace

void PaintSchematic(QPainter& painter, const AirwaySchematic& schematic) {
    for (const SchematicShape& shape : schematic.Shapes)
        PaintShape(painter, shape);
}

void AirwayView(QPainter& canvas, int left, int top, const AirwaySchematic& schematic,
                const QImage& backgroundPicture, QImage& offscreenBitmap) {
    const int width = schematic.Width;
    const int height = schematic.Height;
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
    PaintSchematic(bitmap, schematic);
    bitmap.end();

    canvas.drawImage(QRect(left, top, width, height), offscreenBitmap);
}

} // namespace breathlab
