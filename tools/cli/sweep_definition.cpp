#include "sweep_definition.h"

#include "run_report.h"
#include "strict_number.h"

#include <algorithm>

#ifndef BREATHLAB_MODEL_VERSION
#error "BREATHLAB_MODEL_VERSION must be defined by the build"
#endif

namespace breathlab {

namespace {

constexpr const char* kPatientsKey = "patients: ";
constexpr const char* kVaryKey = "vary: ";

// Every digit a double needs, so that equal texts mean equal grids.
std::string Exact(double value) { return NumberText(value, 17); }

// The STEPS of "vary: NAME=FROM:TO:STEPS".
std::optional<long> AxisSteps(const std::string& line) {
    const auto colon = line.rfind(':');
    if (colon == std::string::npos) return std::nullopt;
    return ParseBoundedCount(std::string_view(line).substr(colon + 1), 1, kMaxAxisSteps);
}

} // namespace

std::vector<std::string> GridDefinition(const SweepOptions& o) {
    std::vector<std::string> lines = {kSweepMark, "model: breathlab " BREATHLAB_MODEL_VERSION,
                                      kPatientsKey + std::to_string(GridSize(o)),
                                      std::string("scale: ") +
                                          (o.Scale == SweepScale::Log ? "log" : "linear")};
    for (const SweepAxis& a : o.Axes)
        lines.push_back(kVaryKey + a.Name + "=" + Exact(a.From) + ":" + Exact(a.To) + ":" +
                        std::to_string(a.Steps));
    for (const auto& [name, setting] : o.Fixed)
        lines.push_back("set: " + name + "=" + Exact(setting.Percent));
    return lines;
}

std::string GridDefinitionText(const SweepOptions& o) {
    std::string text;
    for (const std::string& line : GridDefinition(o)) text += "# " + line + "\n";
    return text;
}

std::optional<long> DefinedPatients(const std::vector<std::string>& definition, std::string& error) {
    if (definition.empty() || definition[0] != kSweepMark) {
        error = "it does not begin with the definition of a sweep's grid";
        return std::nullopt;
    }
    std::optional<long> declared;
    long product = 1;
    bool anyAxis = false;
    for (const std::string& line : definition) {
        if (line.starts_with(kPatientsKey)) {
            declared = ParseBoundedCount(std::string_view(line).substr(std::string(kPatientsKey).size()),
                                         1, kMaxGridPatients);
        } else if (line.starts_with(kVaryKey)) {
            const auto steps = AxisSteps(line);
            if (!steps) {
                error = "bad grid line '" + line + "'";
                return std::nullopt;
            }
            product = std::min(product * *steps, kMaxGridPatients + 1);
            anyAxis = true;
        }
    }
    if (!declared || !anyAxis || *declared != product) {
        error = "its grid definition gives no consistent number of patients";
        return std::nullopt;
    }
    return declared;
}

// Each line of the grid is the argument that made it: "vary: X" came from
// "--vary X", "set: X" from "--set X", "scale: S" from "--scale S".
std::optional<SweepOptions> GridFromDefinition(const std::vector<std::string>& definition,
                                               std::string& error) {
    std::vector<std::string> args;
    for (const std::string& line : definition)
        for (const char* key : {"vary: ", "set: ", "scale: "})
            if (line.starts_with(key)) {
                const std::string name(key);
                args.push_back("--" + name.substr(0, name.size() - 2));
                args.push_back(line.substr(name.size()));
            }
    auto grid = ParseSweepOptions(args, error);
    if (grid && GridDefinition(*grid) != definition) {
        error = "its grid definition is not one this program writes";
        return std::nullopt;
    }
    return grid;
}

} // namespace breathlab
