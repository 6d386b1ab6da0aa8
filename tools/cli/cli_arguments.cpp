#include "cli_arguments.h"

#include "letter_case.h"
#include "strict_number.h"

#include <string_view>

namespace breathlab {

namespace {

bool HasPlotSuffix(const std::string& path) {
    for (std::string_view suffix : {".svg", ".png", ".pdf"})
        if (HasSuffixIgnoringCase(path, suffix)) return true;
    return false;
}

// The prefix names the two files "PREFIX-volume-time.csv" and
// "PREFIX-flow-volume.csv"; a bare folder would give "dir/-flow-volume.csv".
bool NamesFiles(const std::string& prefix) {
    const std::string_view last = std::string_view(prefix).substr(prefix.rfind('/') + 1);
    return !last.empty() && last != "." && last != "..";
}

} // namespace

bool HasSuffixIgnoringCase(std::string_view path, std::string_view suffix) {
    return path.size() > suffix.size() &&
           SameIgnoringCase(path.substr(path.size() - suffix.size()), suffix);
}

std::optional<RunOptions> ParseRunOptions(const std::vector<std::string>& args, std::string& error) {
    RunOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        if (arg == "--json") {
            options.Json = true;
        } else if (arg == "--set" || arg == "--reference" || arg == "--runs" || arg == "--csv" ||
                   arg == "--save" || arg == "--case" || arg == "--plot" || arg == "--exercise") {
            const std::string* v = value();
            if (!v) return std::nullopt;
            if (arg == "--set") {
                auto setting = ParseSetting(*v, error);
                if (!setting) return std::nullopt;
                ApplySetting(*setting, options.Parameters);
                options.Settings.push_back(*setting);
            } else if (arg == "--case") {
                options.CaseName = *v;
            } else if (arg == "--exercise") {
                options.ExerciseNumber = ParseBoundedCount(*v, 1, kLargestExerciseNumber);
                if (!options.ExerciseNumber) {
                    error = "bad --exercise '" + *v + "': expected a whole number from 1 to " +
                            std::to_string(kLargestExerciseNumber);
                    return std::nullopt;
                }
            } else if (arg == "--plot") {
                if (!HasPlotSuffix(*v)) {
                    error = "bad --plot '" + *v + "': the file must end in .svg, .png or .pdf";
                    return std::nullopt;
                }
                options.PlotFile = *v;
            } else if (arg == "--reference") {
                options.ReferenceFile = *v;
            } else if (arg == "--runs") {
                auto runs = ParseBoundedCount(*v, 1, kMaxRuns);
                if (!runs) {
                    error = "bad --runs '" + *v + "': expected a whole number from 1 to " +
                            std::to_string(kMaxRuns);
                    return std::nullopt;
                }
                options.Runs = static_cast<int>(*runs);
            } else if (arg == "--csv") {
                if (!NamesFiles(*v)) {
                    error = "bad --csv '" + *v +
                            "': PREFIX starts the names of the two files, e.g. " + *v +
                            (v->ends_with('/') ? "" : "/") + "run for " + *v +
                            (v->ends_with('/') ? "" : "/") + "run-volume-time.csv";
                    return std::nullopt;
                }
                options.CsvPrefix = *v;
            } else {
                options.SaveFile = *v;
            }
        } else {
            error = "unknown argument '" + arg + "'";
            return std::nullopt;
        }
    }
    if (options.CaseName && options.ExerciseNumber) {
        error = "--case and --exercise each choose the patient: give one of them";
        return std::nullopt;
    }
    return options;
}

} // namespace breathlab
