// The definition of a sweep's grid, written at the head of each CSV part as
// "# " lines: the model's version, the number of patients, the scale, every
// axis with its range and steps and every fixed setting. Parts of one sweep
// carry the same definition; merge compares them line by line.
#pragma once

#include "sweep.h"

#include <optional>
#include <string>
#include <vector>

namespace breathlab {

// The first line of every definition.
inline constexpr const char* kSweepMark = "breathlab sweep";

// The definition's lines, without the "# " in front.
std::vector<std::string> GridDefinition(const SweepOptions& options);

// The definition as it stands in the file, each line "# " and a line end.
std::string GridDefinitionText(const SweepOptions& options);

// The number of patients a definition read from a file declares, checked
// against the product of its axes' steps; nothing, with the reason, when the
// definition is not one this program writes.
std::optional<long> DefinedPatients(const std::vector<std::string>& definition, std::string& error);

// The grid a definition read from a file describes, as the sweep that wrote
// it was given it; nothing, with the reason, when its lines say otherwise.
std::optional<SweepOptions> GridFromDefinition(const std::vector<std::string>& definition,
                                               std::string& error);

} // namespace breathlab
