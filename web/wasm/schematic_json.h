// The airway schematic's shape list as the page's TypeScript reads it.
#pragma once

#include "airway_schematic.h"

#include <string>

namespace breathlab {

std::string SchematicJson(const AirwaySchematic& schematic);

} // namespace breathlab
