// The headless program's outside data: its command line (the input split at
// newlines into arguments) for a run and for a sweep, and sweep shard files
// to merge (the input split at the first NUL byte into two files).
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"
#include "fuzz_bytes.h"

#include "cli_arguments.h"
#include "stored_percent.h"
#include "sweep.h"

#include <sstream>

namespace breathlab {

namespace {

std::vector<std::string> Arguments(const std::string& text) {
    std::vector<std::string> arguments;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) arguments.push_back(line);
    return arguments;
}

void CheckSweepGrid(const SweepOptions& options) {
    const long patients = GridSize(options);
    FuzzCheck(patients >= 1 && patients <= 10'000'000, "an accepted sweep has a bounded grid");
    for (long patient : {0L, patients / 2, patients - 1})
        for (int axis = 0; axis < static_cast<int>(options.Axes.size()); ++axis) {
            const SweepAxis& a = options.Axes[axis];
            const double value = AxisValue(options, axis, patient);
            FuzzCheck(value >= std::min(a.From, a.To) * (1 - 1e-9) &&
                          value <= std::max(a.From, a.To) * (1 + 1e-9),
                      "a swept value lies between the axis's ends");
        }
    std::vector<const ParameterSetting*> settings;
    for (const SweepAxis& a : options.Axes) settings.push_back(&a.Setting);
    for (const auto& fixed : options.Fixed) settings.push_back(&fixed.second);
    for (std::size_t i = 0; i < settings.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            FuzzCheck(!SameParameter(*settings[i], *settings[j]),
                      "an accepted sweep labels each percentage once");
}

void MergeShards(const std::string& text) {
    const std::size_t split = std::min(text.find('\0'), text.size());
    const std::string first = text.substr(0, split);
    const std::string second = split < text.size() ? text.substr(split + 1) : std::string();
    const std::vector<std::string> files = {
        WriteScratchFile("shard1.csv", first.data(), first.size()).toStdString(),
        WriteScratchFile("shard2.csv", second.data(), second.size()).toStdString()};
    std::ostringstream merged;
    std::string error;
    if (!MergeSweepFiles(files, merged, error)) {
        FuzzCheck(!error.empty(), "a refused merge says why");
        return;
    }
    // A merged table is itself a whole, valid part of its sweep.
    const std::string table = merged.str();
    std::ostringstream again;
    FuzzCheck(MergeSweepFiles({WriteScratchFile("merged.csv", table.data(), table.size()).toStdString()},
                              again, error),
              "a merged table merges again");
    FuzzCheck(again.str() == table, "merging a merged table changes nothing");
}

} // namespace

void FuzzCliArguments(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> arguments = Arguments(text);
    std::string error;
    if (const auto run = ParseRunOptions(arguments, error)) {
        // The rule a share link follows too: a record must hold what is accepted.
        for (const ParameterSetting& setting : run->Settings)
            FuzzCheck(IsStorablePercent(setting.Percent), "an accepted --set percentage is storable");
    } else {
        FuzzCheck(!error.empty(), "a refused run says why");
    }
    error.clear();
    if (const auto sweep = ParseSweepOptions(arguments, error))
        CheckSweepGrid(*sweep);
    else
        FuzzCheck(!error.empty(), "a refused sweep says why");
    MergeShards(text);
}

} // namespace breathlab
