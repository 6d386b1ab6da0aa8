// The airway schematic as a list of shapes: trachea, main bronchi and the five
// lobar airways with their lobes as balloons, for the live model or a stored
// run at one sample. Airway widths follow the airway resistances (a fourth
// root, as a tube's resistance goes with the fourth power of its radius),
// balloon sizes follow the lobe volumes (a cube root), and the walls of
// flow-limited lobar airways turn red. Every front end paints the same list:
// the window with QPainter, the web page on a canvas.
#pragma once

#include "lung_model.h"
#include "result_record.h"

#include <array>
#include <vector>

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

// A pixel position; y grows downwards as on a screen.
struct SchematicPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const SchematicPoint&) const = default;
};

struct SchematicColour {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    bool operator==(const SchematicColour&) const = default;
};

constexpr SchematicColour kSchematicWallColour{0, 0, 0};
constexpr SchematicColour kSchematicFlowLimitedColour{255, 0, 0};
// The window draws the schematic with lines two pixels wide.
constexpr int kSchematicPenWidth = 2;

// The 25 points of one lobar airway after rotation: 0..11 wall 1 (0 its base,
// 11 its end), 12..23 wall 2, 24 the balloon centre; and the balloon radius.
struct LobeBranchGeometry {
    std::array<SchematicPoint, 25> Points;
    int BalloonRadius = 0;
};

LobeBranchGeometry LobeBranchPoints(int penWidth, int X0, int Y0, double theta, double u, double g,
                                    double fP, double fS, double e);

// Scale of the schematic against the reference picture, whose diagonal is
// sqrt(312925), about 559.4 pixels.
double SchematicScale(int width, int height);

// Per lobe: base point and the widths LobeBranchPoints takes.
struct LobeBranchLayout {
    SchematicPoint Base;
    double BaseHalfWidth = 0; // g
    double EndHalfWidth = 0;  // fP
    double Constriction = 0;  // fS
    double BalloonSize = 0;   // e
};

// Pixel geometry of the schematic in a width x height picture.
struct AirwayLayout {
    double Scale = 1; // s
    SchematicPoint TracheaLeftTop, TracheaLeftBottom, TracheaRightTop, TracheaRightBottom;
    SchematicPoint Carina;
    SchematicPoint LeftOuter,
        LeftInner; // AO, AI: the left main bronchus, drawn to the viewer's right
    SchematicPoint RightOuter, RightInner; // BO, BI
    std::array<LobeBranchLayout, kLobeCount> Lobes;
};

AirwayLayout ComputeAirwayLayout(int width, int height, const SchematicInputs& inputs);

// One stroke of the drawing: an open polyline through Points, or the arc of
// the circle of Radius around Centre that starts at StartSixteenths and runs
// SpanSixteenths counter-clockwise as seen on the screen, both in sixteenths
// of a degree from the positive x axis. Strokes have round caps and joins.
enum class SchematicShapeKind { Polyline, Arc };

struct SchematicShape {
    SchematicShapeKind Kind = SchematicShapeKind::Polyline;
    std::vector<SchematicPoint> Points;
    SchematicPoint Centre;
    int Radius = 0;
    int StartSixteenths = 0;
    int SpanSixteenths = 0;
    int Width = kSchematicPenWidth;
    SchematicColour Colour = kSchematicWallColour;
    int Lobe = -1; // the lobar airway or balloon it belongs to; -1 for trachea and bronchi
    bool FlowLimited = false; // a stretch of collapsible wall that limits the flow
};

// The whole drawing, shapes in painting order (they overlap where walls join).
struct AirwaySchematic {
    int Width = 0;
    int Height = 0;
    std::vector<SchematicShape> Shapes;
    std::array<bool, kLobeCount> FlowLimited{};
};

// One lobar airway's shapes: each wall as runs of one colour, then the
// balloon's arc. A flow-limited airway's collapsible stretch is red.
std::vector<SchematicShape> LobeBranchShapes(const LobeBranchGeometry& branch, int lobe,
                                             int penWidth, bool flowLimited);

// Nothing for an empty picture.
AirwaySchematic ComputeAirwaySchematic(int width, int height, int penWidth,
                                       const SchematicInputs& inputs);

} // namespace breathlab
