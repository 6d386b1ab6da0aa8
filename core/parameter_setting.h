// One setting of a patient as people write it: "[REGION.]NAME=PERCENT", the
// form of breathlab-cli's --set, of the case table and of share links.
#pragma once

#include "parameter_set.h"

#include <optional>
#include <string>

namespace breathlab {

// One "[REGION.]NAME=PERCENT" setting, parsed.
struct ParameterSetting {
    bool Global = false; // G1..G20
    int Region = kBothLungs;
    int Index = 0;       // parameter 1..8, or global entry 1..20
    double Percent = 100;
};

// Returns the setting, or an error message naming the bad argument. Names
// and regions are read in any letter case; the percentage must be a plain
// decimal number that a record's single precision holds.
std::optional<ParameterSetting> ParseSetting(const std::string& text, std::string& error);
void ApplySetting(const ParameterSetting& setting, ParameterSet& parameters);

// The setting's parameter as one name: "RMain", "LeftLung.Cm", "G3"; the
// region is left out for both lungs, letter case is the program's own.
std::string SettingName(const ParameterSetting& setting);

// Whether two settings change the same percentage.
bool SameParameter(const ParameterSetting& a, const ParameterSetting& b);

} // namespace breathlab
