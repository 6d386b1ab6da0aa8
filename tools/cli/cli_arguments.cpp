#include "cli_arguments.h"

#include "setting_names.h"
#include "stored_percent.h"
#include "strict_number.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>

namespace breathlab {

namespace {

// Region r (-2..5) is kRegionNames[r + 2].
int RegionOfRow(std::size_t row) { return static_cast<int>(row) - 2; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A record keeps the percentage in single precision: what it cannot hold is
// refused here, not clamped or turned into 0 or infinity later.
std::optional<double> ParsePercent(const std::string& text) {
    const auto value = ParseStrictDouble(text);
    if (!value || !IsStorablePercent(*value)) return std::nullopt;
    return value;
}

// "RMain", "G3", ... into the setting's kind and index.
bool ParseName(std::string_view name, ParameterSetting& s) {
    for (std::size_t k = 0; k < kParameterNames.size(); ++k) {
        if (SameIgnoringCase(name, kParameterNames[k])) {
            s.Index = static_cast<int>(k) + 1;
            return true;
        }
    }
    if (name.size() >= 2 && (name[0] == 'G' || name[0] == 'g')) {
        if (auto entry = ParseBoundedCount(name.substr(1), 1, kGlobalParamCount)) {
            s.Global = true;
            s.Index = static_cast<int>(*entry);
            return true;
        }
    }
    return false;
}

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

std::optional<ParameterSetting> ParseSetting(const std::string& text, std::string& error) {
    const auto eq = text.find('=');
    if (eq == std::string::npos) {
        error = "bad setting '" + text + "': expected [REGION.]NAME=PERCENT";
        return std::nullopt;
    }
    ParameterSetting s;
    std::string_view name(text.data(), eq);
    const auto dot = name.find('.');
    if (dot != std::string_view::npos) {
        const std::string_view regionName = name.substr(0, dot);
        auto it = std::find_if(kRegionNames.begin(), kRegionNames.end(),
                               [&](std::string_view r) { return SameIgnoringCase(r, regionName); });
        if (it == kRegionNames.end()) {
            error = "bad setting '" + text + "': unknown region '" + std::string(regionName) + "'";
            return std::nullopt;
        }
        s.Region = RegionOfRow(static_cast<std::size_t>(it - kRegionNames.begin()));
        name = name.substr(dot + 1);
    }
    if (!ParseName(name, s) || (s.Global && dot != std::string_view::npos)) {
        error = "bad setting '" + text + "': unknown parameter '" + std::string(name) + "'";
        return std::nullopt;
    }
    auto percent = ParsePercent(text.substr(eq + 1));
    if (!percent) {
        error = "bad setting '" + text + "': the percentage must be " + StorablePercentRange();
        return std::nullopt;
    }
    s.Percent = *percent;
    return s;
}

std::string SettingName(const ParameterSetting& s) {
    if (s.Global) return "G" + std::to_string(s.Index);
    std::string name(kParameterNames[static_cast<std::size_t>(s.Index - 1)]);
    if (s.Region == kBothLungs) return name;
    return std::string(kRegionNames[static_cast<std::size_t>(s.Region + 2)]) + "." + name;
}

bool SameParameter(const ParameterSetting& a, const ParameterSetting& b) {
    return a.Global == b.Global && a.Index == b.Index && (a.Global || a.Region == b.Region);
}

void ApplySetting(const ParameterSetting& s, ParameterSet& p) {
    if (s.Global)
        p.GlobalParams[s.Index - 1] = s.Percent;
    else
        p.At(s.Region, s.Index) = s.Percent;
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
