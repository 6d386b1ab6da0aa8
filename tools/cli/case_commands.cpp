#include "case_commands.h"

#include "case_runs.h"
#include "teaching_case.h"

namespace breathlab {

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
    options.Parameters = c->Parameters();
    for (const ParameterSetting& s : options.Settings)
        ApplySetting(s, options.Parameters);
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

bool MakeCaseFiles(const std::string& tableFile, const std::string& folder,
                   const ResultHistory* defaults, std::string& error) {
    const auto cases = ReadCaseTable(tableFile, error);
    return cases && WriteCaseFiles(*cases, defaults, folder, error);
}

} // namespace breathlab
