#include "schematic_json.h"

#include "page_json.h"

namespace breathlab {

namespace {

void AppendPoint(std::string& out, const SchematicPoint& p) {
    out += std::to_string(p.X) + ',' + std::to_string(p.Y);
}

void AppendShape(std::string& out, const SchematicShape& shape) {
    out += shape.Kind == SchematicShapeKind::Arc ? "{\"Arc\":true" : "{\"Arc\":false";
    out += ",\"Points\":[";
    for (std::size_t i = 0; i < shape.Points.size(); ++i) {
        if (i > 0) out += ',';
        AppendPoint(out, shape.Points[i]);
    }
    out += "],\"Centre\":[";
    AppendPoint(out, shape.Centre);
    out += "],\"Radius\":" + std::to_string(shape.Radius) +
           ",\"Start\":" + std::to_string(shape.StartSixteenths) +
           ",\"Span\":" + std::to_string(shape.SpanSixteenths) +
           ",\"Width\":" + std::to_string(shape.Width) + ",\"Colour\":[" +
           std::to_string(shape.Colour.Red) + ',' + std::to_string(shape.Colour.Green) + ',' +
           std::to_string(shape.Colour.Blue) + "],\"Lobe\":" + std::to_string(shape.Lobe) +
           (shape.FlowLimited ? ",\"FlowLimited\":true}" : ",\"FlowLimited\":false}");
}

} // namespace

std::string SchematicJson(const AirwaySchematic& schematic) {
    std::string out = "{\"Width\":" + std::to_string(schematic.Width) +
                      ",\"Height\":" + std::to_string(schematic.Height) + ",\"Shapes\":";
    AppendArray(out, static_cast<int>(schematic.Shapes.size()),
                [&](int i) { AppendShape(out, schematic.Shapes[static_cast<std::size_t>(i)]); });
    out += '}';
    return out;
}

} // namespace breathlab
