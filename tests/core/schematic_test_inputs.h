// Schematic inputs with every resistance, volume and coefficient at one
// value and every lobe flow-limited, shared by the geometry and painter tests.
#pragma once

#include "airway_schematic.h"

namespace breathlab {

inline SchematicInputs UniformInputs(double value) {
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

} // namespace breathlab
