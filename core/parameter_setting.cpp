#include "parameter_setting.h"

#include "letter_case.h"
#include "setting_names.h"
#include "stored_percent.h"
#include "strict_number.h"

#include <algorithm>
#include <string_view>

namespace breathlab {

namespace {

// Region r (-2..5) is kRegionNames[r + 2].
int RegionOfRow(std::size_t row) { return static_cast<int>(row) - 2; }

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

} // namespace breathlab
