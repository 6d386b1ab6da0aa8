#include "case_commands.h"

#include "case_runs.h"
#include "exercise_session.h"
#include "teaching_case.h"

namespace breathlab {

static_assert(kLargestExerciseNumber == kLargestExerciseSeed,
              "every exercise number the window hands out is one the command line takes");

namespace {

// The run's patient: the given percentages with the --set values on top.
void SetPatient(RunOptions& options, const ParameterSet& patient) {
    options.Parameters = patient;
    for (const ParameterSetting& s : options.Settings)
        ApplySetting(s, options.Parameters);
}

} // namespace

CaseChoice ApplyCase(RunOptions& options, const std::filesystem::path& tableFile,
                     CaseDescription& description, std::string& error) {
    const auto cases = ReadCaseTable(tableFile.string(), error);
    if (!cases) return CaseChoice::TableUnreadable;
    const TeachingCase* c = FindCase(*cases, *options.CaseName);
    if (!c) {
        error = "no case '" + *options.CaseName + "' (breathlab-cli cases lists them); the cases are:";
        for (const TeachingCase& one : *cases)
            error += " " + one.Name;
        return CaseChoice::UnknownCase;
    }
    SetPatient(options, c->Parameters());
    description = {c->Title, c->Condition + " " + c->LookFor};
    return CaseChoice::Applied;
}

bool ListCases(const std::filesystem::path& tableFile, std::ostream& out, std::string& error) {
    const auto cases = ReadCaseTable(tableFile.string(), error);
    if (!cases) return false;
    for (const TeachingCase& c : *cases)
        out << c.Name << '\t' << c.Title << '\n';
    return true;
}

bool ApplyExercise(RunOptions& options, const std::filesystem::path& tableFile, std::string& error) {
    const auto cases = ReadCaseTable(tableFile.string(), error);
    if (!cases) return false;
    const ExerciseSession session(*cases, 0);
    if (!session.HasCases()) {
        error = "the case table marks no case for the exercise";
        return false;
    }
    SetPatient(options, session.RoundForSeed(static_cast<std::uint32_t>(*options.ExerciseNumber)).Patient);
    return true;
}

bool MakeCaseFiles(const std::string& tableFile, const std::string& folder,
                   const ResultHistory* defaults, std::string& error) {
    const auto cases = ReadCaseTable(tableFile, error);
    return cases && WriteCaseFiles(*cases, defaults, folder, error);
}

} // namespace breathlab
