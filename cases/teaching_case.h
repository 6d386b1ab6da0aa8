// The case library: ready patients that show the classic spirometric
// patterns, each with its teaching note, read from one text table so that the
// stored simulation files can be regenerated from the same settings.
#pragma once

#include "parameter_setting.h"
#include "parameter_set.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace breathlab {

// What the curves and indices show, as a spirometry report names it.
enum class Pattern { Normal, Obstructive, Restrictive, Mixed, CentralObstruction };
// Where the fault sits.
enum class FaultSite { None, CentralAirways, MiddleAirways, PeripheralAirways, LungTissue };

constexpr Pattern kAllPatterns[] = {Pattern::Normal, Pattern::Obstructive, Pattern::Restrictive,
                                    Pattern::Mixed, Pattern::CentralObstruction};
constexpr FaultSite kAllSites[] = {FaultSite::None, FaultSite::CentralAirways,
                                   FaultSite::MiddleAirways, FaultSite::PeripheralAirways,
                                   FaultSite::LungTissue};

// The table's words for them: "normal", "obstructive", ...; "none", "central", ...
const char* PatternKey(Pattern pattern);
const char* SiteKey(FaultSite site);
std::optional<Pattern> PatternFromKey(const std::string& key);
std::optional<FaultSite> SiteFromKey(const std::string& key);

// A range of one parameter within which a random patient of the case's
// family keeps the case's pattern.
struct FamilyRange {
    std::string Text; // as written, e.g. "RPeripheral=380:500"
    ParameterSetting Setting;
    double Low = 100;
    double High = 100;
};

// "MEASURE < LIMIT" or "MEASURE > LIMIT" that a run of the case must satisfy;
// the measures are those of CaseMeasure.
struct Expectation {
    std::string Measure;
    bool Below = true;
    double Limit = 0;
    std::string Text() const;
};

struct TeachingCase {
    std::string Name; // file name without extension, and the --case name
    std::string Title;
    std::string Condition; // what the patient has
    std::string LookFor;   // what to look for in the curves and indices
    Pattern ExpectedPattern = Pattern::Normal;
    std::vector<FaultSite> Sites; // every site that counts as the right answer
    bool InExercise = false;
    std::vector<std::string> SettingTexts; // as written, e.g. "LeftLung.RMain=800"
    std::vector<ParameterSetting> Settings;
    std::vector<FamilyRange> Family;
    std::vector<Expectation> Expectations;

    // The percentages of the case: 100 everywhere but the case's settings.
    ParameterSet Parameters() const;
    // A member of the case's family: the case's settings with each family
    // range drawn at random (whole percentages) from the seed. The same seed
    // gives the same patient on every machine.
    ParameterSet FamilyMember(std::uint32_t seed) const;
    // One family corner: every range at its low (or high) end.
    ParameterSet FamilyCorner(bool high) const;
    bool HasSite(FaultSite site) const;
};

// Reads the table; on a bad line returns nullopt with a message naming the line.
std::optional<std::vector<TeachingCase>> ParseCaseTable(std::istream& in, std::string& error);
std::optional<std::vector<TeachingCase>> ReadCaseTable(const std::string& path, std::string& error);

// The case of that name, ignoring letter case; null when there is none.
const TeachingCase* FindCase(const std::vector<TeachingCase>& cases, const std::string& name);

// Where the library lies in a data folder: the table and the stored runs.
constexpr const char* kCaseTablePath = "cases/case_table.txt";
constexpr const char* kCaseFileSuffix = ".spi";

} // namespace breathlab
