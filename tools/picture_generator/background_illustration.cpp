#include "background_illustration.h"

#include <QColor>
#include <QPainter>
#include <QPen>

namespace breathlab {

namespace {

QPainterPath ChestOutline(QSize s, bool viewerLeft) {
    // Drawn for the viewer's left side and mirrored for the other.
    auto p = [s, viewerLeft](double x, double y) {
        return PercentPoint(s, viewerLeft ? x : 100.0 - x, y);
    };
    QPainterPath path(p(43, 0));
    path.cubicTo(p(43, 5), p(40, 8), p(30, 10));
    path.cubicTo(p(18, 12), p(8, 14), p(5, 22));
    path.cubicTo(p(3, 45), p(3, 70), p(9, 92));
    return path;
}

QPainterPath Rib(QSize s, bool viewerLeft, double y) {
    auto p = [s, viewerLeft](double x, double py) {
        return PercentPoint(s, viewerLeft ? x : 100.0 - x, py);
    };
    QPainterPath path(p(44, y));
    path.cubicTo(p(30, y - 6), p(12, y - 4), p(8, y + 6));
    return path;
}

QPainterPath Diaphragm(QSize s) {
    auto p = [s](double x, double y) { return PercentPoint(s, x, y); };
    QPainterPath path(p(7, 90));
    path.cubicTo(p(18, 76), p(38, 74), p(50, 80));
    path.cubicTo(p(62, 76), p(82, 78), p(93, 91));
    return path;
}

} // namespace

QImage DrawBackgroundPicture(const IllustrationGeometry& geometry) {
    const QSize s = geometry.Size;
    QImage image(s, QImage::Format_RGB32);
    image.fill(QColor(0xf1, 0xf5, 0xf8));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe4, 0xec, 0xf2));
    painter.drawPath(geometry.RightLung);
    painter.drawPath(geometry.LeftLung);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xdc, 0xe5, 0xec), 5.0, Qt::SolidLine, Qt::RoundCap));
    for (bool viewerLeft : {true, false})
        for (double y : {24.0, 36.0, 48.0, 60.0, 72.0})
            painter.drawPath(Rib(s, viewerLeft, y));
    painter.setPen(QPen(QColor(0xc3, 0xd1, 0xdb), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(ChestOutline(s, true));
    painter.drawPath(ChestOutline(s, false));
    painter.drawPath(Diaphragm(s));
    return image;
}

} // namespace breathlab
