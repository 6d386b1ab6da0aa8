#include "region_illustration.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>

namespace breathlab {

namespace {

constexpr int kMainRegion = 2;
constexpr int kMiddleRegion = 3;
constexpr int kPeripheralRegion = 4;
constexpr int kLungRegion = 5;

struct TissueColours {
    QColor Fill;
    QColor Line;
};

struct AirwayColours {
    QColor Wall;
    QColor Lumen;
    QColor Alveoli;
};

TissueColours LungColours(bool highlighted) {
    if (highlighted) return {QColor(0xf5, 0x9e, 0x86), QColor(0xb0, 0x40, 0x2c)};
    return {QColor(0xf4, 0xd6, 0xcf), QColor(0xc4, 0x8e, 0x86)};
}

AirwayColours AirwayColoursFor(bool highlighted) {
    if (highlighted)
        return {QColor(0xb0, 0x46, 0x00), QColor(0xff, 0xad, 0x55), QColor(0xf0, 0x84, 0x30)};
    return {QColor(0x8a, 0x77, 0x63), QColor(0xf3, 0xec, 0xe0), QColor(0xdf, 0xa9, 0x9f)};
}

const char* RegionCaption(int regionCode) {
    switch (regionCode) {
    case kMainRegion:
        return "main airways";
    case kMiddleRegion:
        return "middle airways";
    case kPeripheralRegion:
        return "peripheral airways";
    case kLungRegion:
        return "lungs";
    default:
        return "";
    }
}

QFont LabelFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void DrawLungs(QPainter& painter, const IllustrationGeometry& g, bool highlighted) {
    const TissueColours colours = LungColours(highlighted);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.Fill);
    painter.drawPath(g.RightLung);
    painter.drawPath(g.LeftLung);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.Line, highlighted ? 2.0 : 1.6, Qt::DashLine));
    for (const auto& fissure : g.Fissures) {
        painter.save();
        painter.setClipPath(g.RightLung.united(g.LeftLung));
        painter.drawPolyline(fissure.data(), static_cast<int>(fissure.size()));
        painter.restore();
    }
    painter.setPen(QPen(colours.Line, highlighted ? 3.0 : 2.0));
    painter.drawPath(g.RightLung);
    painter.drawPath(g.LeftLung);
}

// The small airways stay inside their own lobe; each terminal bronchiole ends in
// a cluster of alveoli.
void DrawPeripheralAirways(QPainter& painter, const IllustrationGeometry& g, bool highlighted) {
    const AirwayColours colours = AirwayColoursFor(highlighted);
    const QColor twig = highlighted ? colours.Wall : QColor(0xc0, 0x8c, 0x82);
    for (int lobe = 1; lobe <= 5; ++lobe) {
        painter.save();
        painter.setClipPath(g.Lobes[lobe]);
        for (const AirwaySegment& segment : g.Airways) {
            if (segment.Level != AirwayLevel::Peripheral || segment.Lobe != lobe) continue;
            const double width = highlighted ? segment.Width + 0.8 : segment.Width;
            painter.setPen(QPen(twig, width, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(segment.Start, segment.End);
            if (!segment.Terminal) continue;
            painter.setPen(Qt::NoPen);
            painter.setBrush(colours.Alveoli);
            painter.drawEllipse(segment.End, 2.6, 2.6);
            painter.setBrush(Qt::NoBrush);
        }
        painter.restore();
    }
}

// An airway is drawn as a tube: a dark wall first, the light lumen over it.
void DrawTubes(QPainter& painter, const IllustrationGeometry& g, AirwayLevel level,
               bool highlighted) {
    const AirwayColours colours = AirwayColoursFor(highlighted);
    const double wall = highlighted ? 3.6 : 2.6;
    for (const QColor& colour : {colours.Wall, colours.Lumen}) {
        const double extra = colour == colours.Wall ? wall : 0.0;
        for (const AirwaySegment& segment : g.Airways) {
            if (segment.Level != level) continue;
            painter.setPen(QPen(colour, segment.Width + extra, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(segment.Start, segment.End);
        }
    }
}

void DrawTrachealRings(QPainter& painter, const IllustrationGeometry& g, bool highlighted) {
    const AirwayColours colours = AirwayColoursFor(highlighted);
    painter.setPen(QPen(colours.Wall, 1.4, Qt::SolidLine, Qt::RoundCap));
    const double inset = 0.25 * g.TracheaHalfWidth;
    const double step = 0.03 * g.Size.height();
    for (double y = g.TracheaTop.y() + step; y < g.Carina.y() - step; y += step) {
        const QPointF left(g.Carina.x() - g.TracheaHalfWidth + inset, y);
        const QPointF right(g.Carina.x() + g.TracheaHalfWidth - inset, y);
        painter.drawLine(left, right);
    }
}

// "R" and "L" name the patient's sides, seen from the front.
void DrawLabels(QPainter& painter, const IllustrationGeometry& g, int regionCode) {
    const QSize s = g.Size;
    painter.setFont(LabelFont(15, true));
    painter.setPen(QColor(0x9a, 0x8f, 0x85));
    painter.drawText(QRectF(PercentPoint(s, 3, 2), PercentPoint(s, 15, 8)), Qt::AlignLeft, "R");
    painter.drawText(QRectF(PercentPoint(s, 85, 2), PercentPoint(s, 97, 8)), Qt::AlignRight, "L");
    if (regionCode == kFirstRegionCode) return;
    painter.setFont(LabelFont(17, true));
    painter.setPen(AirwayColoursFor(true).Wall);
    painter.drawText(QRectF(PercentPoint(s, 0, 91), PercentPoint(s, 100, 99)), Qt::AlignCenter,
                     RegionCaption(regionCode));
}

} // namespace

QImage DrawRegionPicture(const IllustrationGeometry& geometry, int regionCode) {
    QImage image(geometry.Size, QImage::Format_RGB32);
    image.fill(QColor(0xfb, 0xf8, 0xf3));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawLungs(painter, geometry, regionCode == kLungRegion);
    DrawPeripheralAirways(painter, geometry, regionCode == kPeripheralRegion);
    DrawTubes(painter, geometry, AirwayLevel::Middle, regionCode == kMiddleRegion);
    DrawTubes(painter, geometry, AirwayLevel::Main, regionCode == kMainRegion);
    DrawTrachealRings(painter, geometry, regionCode == kMainRegion);
    DrawLabels(painter, geometry, regionCode);
    return image;
}

} // namespace breathlab
