#include "case_runs.h"

#include "session.h"
#include "history_set_io.h"

#include <filesystem>

namespace breathlab {

std::unique_ptr<ResultHistory> RunPatient(const ParameterSet& patient,
                                          const ResultHistory* defaults) {
    Session session(defaults);
    session.Start(patient);
    return std::make_unique<ResultHistory>(session.History());
}

bool WriteCaseFiles(const std::vector<TeachingCase>& cases, const ResultHistory* defaults,
                    const std::string& folder, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const TeachingCase& c : cases) {
        const auto history = RunPatient(c.Parameters(), defaults);
        const std::string path =
            (std::filesystem::path(folder) / (c.Name + kCaseFileSuffix)).string();
        if (!WriteHistorySet(path, *history, error)) return false;
    }
    return true;
}

} // namespace breathlab
