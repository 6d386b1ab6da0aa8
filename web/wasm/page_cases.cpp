#include "page_cases.h"

#include "page_json.h"

#include <sstream>

namespace breathlab {

bool PageCases::Load(const std::string& table, std::string& error) {
    error.clear(); // the table's reader adds to a message only when it is empty
    std::istringstream in(table);
    auto cases = ParseCaseTable(in, error);
    if (!cases) return false;
    cases_ = std::move(*cases);
    return true;
}

std::string PageCases::CasesJson() const {
    std::string out;
    AppendArray(out, static_cast<int>(cases_.size()), [&](int i) {
        const TeachingCase& c = cases_[static_cast<std::size_t>(i)];
        out += "{\"Name\":";
        AppendString(out, c.Name);
        out += ",\"Title\":";
        AppendString(out, c.Title);
        out += ",\"Condition\":";
        AppendString(out, c.Condition);
        out += ",\"LookFor\":";
        AppendString(out, c.LookFor);
        out += ",\"Pattern\":";
        AppendString(out, PatternKey(c.ExpectedPattern));
        out += ",\"Sites\":";
        AppendArray(out, static_cast<int>(c.Sites.size()),
                    [&](int s) { AppendString(out, SiteKey(c.Sites[static_cast<std::size_t>(s)])); });
        out += c.InExercise ? ",\"InExercise\":true," : ",\"InExercise\":false,";
        AppendParameters(out, c.Parameters());
        out += '}';
    });
    return out;
}

ExerciseRound PageCases::Round(std::uint32_t number) const {
    return ExerciseSession(cases_, 0).RoundForSeed(number);
}

std::string PageCases::RoundJson(const ExerciseRound& round) const {
    if (!round.Case) return "null";
    std::string out = "{\"Number\":" + std::to_string(round.Seed) +
                      ",\"Case\":" + std::to_string(round.Case - cases_.data()) +
                      (round.RandomPatient ? ",\"RandomPatient\":true," : ",\"RandomPatient\":false,");
    AppendParameters(out, round.Patient);
    out += '}';
    return out;
}

} // namespace breathlab
