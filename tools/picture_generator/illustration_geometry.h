// Where things stand in the airway illustration: the lungs and their five lobes,
// the trachea with both main bronchi, and the branching trees of the middle and
// peripheral airways. All positions are pixels of a picture of the given size;
// the trachea and the main bronchi follow the live airway schematic, so the
// illustration and the schematic line up in the same rectangle.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QSize>

#include <array>
#include <vector>

namespace breathlab {

enum class AirwayLevel { Main, Middle, Peripheral };

struct AirwaySegment {
    QPointF Start;
    QPointF End;
    double Width;
    AirwayLevel Level;
    int Lobe;       // 1..5 as the model numbers them; 0 for trachea and main bronchi
    int Generation; // 0 for trachea and main bronchi, 1 for the lobar bronchi
    bool Terminal;  // the last generation, ending in alveoli
    int TwigGroup;  // peripheral segments: index of the group fed by one middle airway
};

struct IllustrationGeometry {
    QSize Size;
    QPainterPath RightLung; // on the viewer's left
    QPainterPath LeftLung;
    std::array<QPainterPath, 6> Lobes;          // index 1..5
    std::vector<std::vector<QPointF>> Fissures; // polylines
    std::vector<AirwaySegment> Airways;         // main, then middle, then peripheral
    double TracheaHalfWidth;
    QPointF TracheaTop;
    QPointF Carina;
};

IllustrationGeometry MakeIllustrationGeometry(QSize size);

// Pixel position of a point given in percent of the picture's width and height.
QPointF PercentPoint(QSize size, double xPercent, double yPercent);

} // namespace breathlab
