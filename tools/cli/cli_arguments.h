// The command line of breathlab-cli.
#pragma once

#include "parameter_setting.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace breathlab {

// Exercise numbers are those a teacher reads out; the case library's
// exercise rounds use the same bound.
constexpr long kLargestExerciseNumber = 99999;

// Longest series of runs of one patient that `run --runs` accepts.
constexpr int kMaxRuns = 10000;

struct RunOptions {
    ParameterSet Parameters;
    std::optional<std::string> ReferenceFile;
    int Runs = 1;
    bool Json = false;
    std::optional<std::string> CsvPrefix;
    std::optional<std::string> SaveFile;
    // A patient of the case library; its settings come first, --set ones on top.
    std::optional<std::string> CaseName;
    // The patient of exercise number N, as the window's exercise mode and the
    // web page give it; --set values go on top.
    std::optional<long> ExerciseNumber;
    std::vector<ParameterSetting> Settings; // the --set values, in order
    std::optional<std::string> PlotFile;    // .svg, .png or .pdf
};

// True when `path` ends in `suffix` in any letter case and has a name before it.
bool HasSuffixIgnoringCase(std::string_view path, std::string_view suffix);

// Parses the arguments after "run"; on a bad argument returns nullopt with a
// one-line message.
std::optional<RunOptions> ParseRunOptions(const std::vector<std::string>& args, std::string& error);

} // namespace breathlab
