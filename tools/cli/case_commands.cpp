#include "case_commands.h"

#include "case_runs.h"
#include "teaching_case.h"

namespace breathlab {

bool ApplyCase(RunOptions& options, const std::filesystem::path& tableFile, std::string& error) {
    const auto cases = ReadCaseTable(tableFile.string(), error);
    if (!cases) return false;
    const TeachingCase* c = FindCase(*cases, *options.CaseName);
    if (!c) {
        error = "no case '" + *options.CaseName + "'; the cases are:";
        for (const TeachingCase& one : *cases)
            error += " " + one.Name;
        return false;
    }
    options.Parameters = c->Parameters();
    for (const ParameterSetting& s : options.Settings)
        ApplySetting(s, options.Parameters);
    return true;
}

bool MakeCaseFiles(const std::string& tableFile, const std::string& folder,
                   const ResultHistory* defaults, std::string& error) {
    const auto cases = ReadCaseTable(tableFile, error);
    return cases && WriteCaseFiles(*cases, defaults, folder, error);
}

} // namespace breathlab
