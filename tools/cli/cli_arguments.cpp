#include "cli_arguments.h"

#include "strict_number.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>

namespace breathlab {

namespace {

constexpr std::array<std::string_view, kParameterCount> kParameterNames = {
    "RMain", "VDc", "RMiddle", "StiffMiddle", "RPeripheral", "CCC", "Size", "Cm"};

struct RegionName {
    std::string_view name;
    int region;
};
constexpr std::array<RegionName, 8> kRegionNames = {{{"LeftLung", -2},
                                                     {"RightLung", -1},
                                                     {"BothLungs", 0},
                                                     {"UpperLeftLobe", 1},
                                                     {"LowerLeftLobe", 2},
                                                     {"UpperRightLobe", 3},
                                                     {"MiddleRightLobe", 4},
                                                     {"LowerRightLobe", 5}}};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<double> ParsePercent(const std::string& text) {
    const auto value = ParseStrictDouble(text);
    if (!value || *value <= 0) return std::nullopt;
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
        if (path.size() > suffix.size() &&
            SameIgnoringCase(std::string_view(path).substr(path.size() - suffix.size()), suffix))
            return true;
    return false;
}

} // namespace

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
                               [&](const RegionName& r) { return SameIgnoringCase(r.name, regionName); });
        if (it == kRegionNames.end()) {
            error = "bad setting '" + text + "': unknown region '" + std::string(regionName) + "'";
            return std::nullopt;
        }
        s.Region = it->region;
        name = name.substr(dot + 1);
    }
    if (!ParseName(name, s) || (s.Global && dot != std::string_view::npos)) {
        error = "bad setting '" + text + "': unknown parameter '" + std::string(name) + "'";
        return std::nullopt;
    }
    auto percent = ParsePercent(text.substr(eq + 1));
    if (!percent) {
        error = "bad setting '" + text + "': the percentage must be a finite number above 0";
        return std::nullopt;
    }
    s.Percent = *percent;
    return s;
}

std::string SettingName(const ParameterSetting& s) {
    if (s.Global) return "G" + std::to_string(s.Index);
    std::string name(kParameterNames[static_cast<std::size_t>(s.Index - 1)]);
    if (s.Region == kBothLungs) return name;
    auto it = std::find_if(kRegionNames.begin(), kRegionNames.end(),
                           [&](const RegionName& r) { return r.region == s.Region; });
    return std::string(it->name) + "." + name;
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
