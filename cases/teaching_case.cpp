#include "teaching_case.h"

#include "text_excerpt.h"
#include "text_lines.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace breathlab {

namespace {

constexpr const char* kPatternKeys[] = {"normal", "obstructive", "restrictive", "mixed", "central"};
constexpr const char* kSiteKeys[] = {"none", "central", "middle", "peripheral", "tissue"};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void AppendSentence(std::string& paragraph, const std::string& text) {
    if (!paragraph.empty()) paragraph += ' ';
    paragraph += text;
}

std::optional<double> Number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// "RPeripheral=380:500": the setting at the low end, and the high end.
std::optional<FamilyRange> ParseRange(const std::string& text, std::string& error) {
    const auto colon = text.rfind(':');
    const auto eq = text.find('=');
    if (colon == std::string::npos || eq == std::string::npos || colon < eq) {
        error = "bad range '" + text + "': expected [REGION.]NAME=LOW:HIGH";
        return std::nullopt;
    }
    auto setting = ParseSetting(text.substr(0, colon), error);
    const auto high = Number(text.substr(colon + 1));
    if (!setting || !high || *high < setting->Percent) {
        if (setting)
            error = "bad range '" + text + "': the high end must be a number >= the low end";
        return std::nullopt;
    }
    return FamilyRange{text, *setting, setting->Percent, *high};
}

std::optional<Expectation> ParseExpectation(const std::string& text, std::string& error) {
    std::istringstream words(text);
    Expectation e;
    std::string op, limit;
    words >> e.Measure >> op >> limit;
    const auto value = Number(limit);
    std::string rest;
    if (e.Measure.empty() || (op != "<" && op != ">") || !value || (words >> rest)) {
        error = "bad expectation '" + text + "': expected MEASURE < NUMBER or MEASURE > NUMBER";
        return std::nullopt;
    }
    e.Below = op == "<";
    e.Limit = *value;
    return e;
}

// One "key value" line inside a case block.
bool ApplyLine(TeachingCase& c, const std::string& key, const std::string& value,
               std::string& error) {
    if (key == "title") {
        c.Title = value;
    } else if (key == "has") {
        AppendSentence(c.Condition, value);
    } else if (key == "look") {
        AppendSentence(c.LookFor, value);
    } else if (key == "pattern") {
        const auto pattern = PatternFromKey(value);
        if (!pattern)
            error = "unknown pattern '" + value + "'";
        else
            c.ExpectedPattern = *pattern;
    } else if (key == "site") {
        std::istringstream keys(value);
        for (std::string one; std::getline(keys, one, ',');) {
            const auto site = SiteFromKey(Trimmed(one));
            if (!site) {
                error = "unknown site '" + one + "'";
                break;
            }
            c.Sites.push_back(*site);
        }
    } else if (key == "exercise") {
        if (value != "yes" && value != "no") error = "exercise must be yes or no";
        c.InExercise = value == "yes";
    } else if (key == "set") {
        if (auto setting = ParseSetting(value, error)) {
            c.Settings.push_back(*setting);
            c.SettingTexts.push_back(value);
        }
    } else if (key == "vary") {
        if (auto range = ParseRange(value, error)) c.Family.push_back(*range);
    } else if (key == "expect") {
        if (auto e = ParseExpectation(value, error)) c.Expectations.push_back(*e);
    } else {
        error = "unknown key '" + key + "'";
    }
    return error.empty();
}

bool CompleteCase(const TeachingCase& c, std::string& error) {
    if (c.Title.empty() || c.Condition.empty() || c.LookFor.empty() || c.Sites.empty())
        error = "case '" + c.Name + "' needs a title, has, look and site";
    return error.empty();
}

// A whole-percent value in [low, high] from one draw of the generator; the
// generator's raw output is used so that the value does not depend on the
// standard library's distributions.
double DrawPercent(std::mt19937& random, double low, double high) {
    const double unit = static_cast<double>(random()) / 4294967296.0;
    return std::clamp(std::floor(low + unit * (high - low + 1)), low, high);
}

} // namespace

std::string Expectation::Text() const {
    std::ostringstream out;
    out << Measure << (Below ? " < " : " > ") << Limit;
    return out.str();
}

const char* PatternKey(Pattern pattern) {
    return kPatternKeys[static_cast<int>(pattern)];
}

const char* SiteKey(FaultSite site) {
    return kSiteKeys[static_cast<int>(site)];
}

std::optional<Pattern> PatternFromKey(const std::string& key) {
    for (Pattern p : kAllPatterns)
        if (key == PatternKey(p)) return p;
    return std::nullopt;
}

std::optional<FaultSite> SiteFromKey(const std::string& key) {
    for (FaultSite s : kAllSites)
        if (key == SiteKey(s)) return s;
    return std::nullopt;
}

ParameterSet TeachingCase::Parameters() const {
    ParameterSet p;
    for (const ParameterSetting& s : Settings)
        ApplySetting(s, p);
    return p;
}

ParameterSet TeachingCase::FamilyMember(std::uint32_t seed) const {
    std::mt19937 random(seed);
    ParameterSet p = Parameters();
    for (const FamilyRange& range : Family) {
        ParameterSetting s = range.Setting;
        s.Percent = DrawPercent(random, range.Low, range.High);
        ApplySetting(s, p);
    }
    return p;
}

ParameterSet TeachingCase::FamilyCorner(bool high) const {
    ParameterSet p = Parameters();
    for (const FamilyRange& range : Family) {
        ParameterSetting s = range.Setting;
        s.Percent = high ? range.High : range.Low;
        ApplySetting(s, p);
    }
    return p;
}

bool TeachingCase::HasSite(FaultSite site) const {
    return std::find(Sites.begin(), Sites.end(), site) != Sites.end();
}

std::optional<std::vector<TeachingCase>> ParseCaseTable(std::istream& in, std::string& error) {
    std::vector<TeachingCase> cases;
    std::optional<TeachingCase> open;
    int lineNumber = 0;
    auto fail = [&](const std::string& message) {
        error = "line " + std::to_string(lineNumber) + ": " + message;
        return std::nullopt;
    };
    for (std::string raw; std::getline(in, raw);) {
        ++lineNumber;
        const std::string line = Trimmed(raw);
        if (line.empty() || line[0] == '#') continue;
        const auto space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string value = space == std::string::npos ? "" : Trimmed(line.substr(space));
        if (key == "case") {
            if (open) return fail("case '" + open->Name + "' has no end");
            if (value.empty() || value.find_first_of("/\\. ") != std::string::npos)
                return fail("a case needs a plain name");
            if (FindCase(cases, value)) return fail("case '" + Excerpt(value) + "' appears twice");
            open = TeachingCase{};
            open->Name = value;
        } else if (!open) {
            return fail("'" + Excerpt(key) + "' outside a case");
        } else if (key == "end") {
            if (!CompleteCase(*open, error)) return fail(error);
            cases.push_back(std::move(*open));
            open.reset();
        } else if (!ApplyLine(*open, key, value, error)) {
            return fail(error);
        }
    }
    if (open) return fail("case '" + open->Name + "' has no end");
    return cases;
}

std::optional<std::vector<TeachingCase>> ReadCaseTable(const std::string& path,
                                                       std::string& error) {
    // The shipped table has a few kilobytes; its lines are short.
    constexpr TextLimits kCaseTableLimits{4096, 1024 * 1024};
    TextLineReader reader(path, kCaseTableLimits);
    std::string text;
    if (reader.Open())
        for (std::string line; reader.Next(line);) text += line + '\n';
    if (!reader.Error().empty()) {
        error = "the case table " + reader.Error();
        return std::nullopt;
    }
    std::istringstream in(text);
    auto cases = ParseCaseTable(in, error);
    if (!cases) error = path + ": " + error;
    if (cases && cases->empty()) {
        error = path + ": the case table holds no case";
        return std::nullopt;
    }
    return cases;
}

const TeachingCase* FindCase(const std::vector<TeachingCase>& cases, const std::string& name) {
    const std::string wanted = Lower(name);
    for (const TeachingCase& c : cases)
        if (Lower(c.Name) == wanted) return &c;
    return nullptr;
}

} // namespace breathlab
