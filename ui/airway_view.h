// The airway schematic: trachea, main bronchi and the five lobar airways with
// their lobes as balloons, drawn from the model or from a stored run. Airway
// widths follow the airway resistances (a fourth root, as a tube's resistance
// goes with the fourth power of its radius), balloon sizes follow the lobe
// volumes (a cube root), and the walls of flow-limited lobar airways turn red.
#pragma once

#include "lung_model.h"
#include "result_record.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>

#include <array>

namespace breathlab {

// What one drawing of the schematic reads. Lobes in the model's order.
struct SchematicInputs {
    std::array<double, kLobeCount> LobeVolume{};
    std::array<double, kLobeCount> PeripheralResistance{};
    std::array<double, kLobeCount> SegmentResistance{}; // effective collapsible segment
    std::array<bool, kLobeCount> FlowLimited{};
    double TrachealCoefficient = 0; // turbulent coefficient of the trachea
    double LeftBronchusResistance = 0;
    double RightBronchusResistance = 0;
};

// The live state of a running model.
SchematicInputs SchematicInputsFromModel(const LungModel& model);

// A stored run at row `sample` of its lobe traces (0..1500; outside values are
// held to that range).
SchematicInputs SchematicInputsFromRecord(const ResultRecord& run, int sample);

// Slot 0 stands for the live model (the run in progress); slots 1..4 for the
// stored runs of the history, read at `sample`.
SchematicInputs SchematicInputsForSlot(int slot, const LungModel& model,
                                       const ResultHistory& history, int sample);

// Values a stored file or a failed run may hold (zero, negative, not finite,
// absurdly large) are held to [kSchematicInputFloor, kSchematicInputCeiling]
// before the roots are taken, so the drawing stays finite and bounded.
constexpr double kSchematicInputFloor = 1e-4;
constexpr double kSchematicInputCeiling = 1e4;
double BoundedSchematicInput(double value);

// Directions of the lobar airways (radians), stored in single precision:
// UpperLeftLobe, LowerLeftLobe, UpperRightLobe, MiddleRightLobe, LowerRightLobe.
extern const std::array<float, kLobeCount> kLobeAngle;

// The 25 points of one lobar airway after rotation: 0..11 wall 1 (0 its base,
// 11 its end), 12..23 wall 2, 24 the balloon centre; and the balloon radius.
struct LobeBranchGeometry {
    std::array<QPoint, 25> Points;
    int BalloonRadius = 0;
};

LobeBranchGeometry LobeBranchPoints(int penWidth, int X0, int Y0, double theta, double u, double g,
                                    double fP, double fS, double e);

struct LobeBranchBases {
    QPoint Wall1; // L1
    QPoint Wall2; // L2
};

// Draws one lobar airway with its balloon in black; when flagged, the inner
// segments of both walls are red. Returns the base points of the two walls.
LobeBranchBases DrawLobeBranch(QPainter& canvas, int penWidth, int X0, int Y0, double theta,
                               double u, double g, double fP, double fS, double e, bool flagged);

// Scale of the schematic against the reference picture, whose diagonal is
// sqrt(312925), about 559.4 pixels.
double SchematicScale(int width, int height);

// Per lobe: base point and the widths DrawLobeBranch takes.
struct LobeBranchLayout {
    QPoint Base;
    double BaseHalfWidth = 0; // g
    double EndHalfWidth = 0;  // fP
    double Constriction = 0;  // fS
    double BalloonSize = 0;   // e
};

// Pixel geometry of the schematic in a width x height picture.
struct AirwayLayout {
    double Scale = 1; // s
    QPoint TracheaLeftTop, TracheaLeftBottom, TracheaRightTop, TracheaRightBottom;
    QPoint Carina;
    QPoint LeftOuter, LeftInner;   // AO, AI: the left main bronchus, drawn to the viewer's right
    QPoint RightOuter, RightInner; // BO, BI
    std::array<LobeBranchLayout, kLobeCount> Lobes;
};

AirwayLayout ComputeAirwayLayout(int width, int height, const SchematicInputs& inputs);

// Composes the schematic in `offscreenBitmap` (made width x height when it is
// not) over `backgroundPicture` stretched to the whole bitmap, then copies it
// in one operation to the rectangle (left, top, width, height) of `canvas`.
// A background that is null leaves a white ground. Nothing is drawn for an
// empty rectangle.
void AirwayView(QPainter& canvas, int left, int top, int width, int height, int penWidth,
                const QColor& penColour, const SchematicInputs& inputs,
                const QImage& backgroundPicture, QImage& offscreenBitmap);

} // namespace breathlab
