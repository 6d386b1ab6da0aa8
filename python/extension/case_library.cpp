#include "case_library.h"

#include "case_commands.h"
#include "cli_arguments.h"
#include "data_folder.h"
#include "patient_run.h"

#include <stdexcept>

namespace breathlab::python {

ParameterSet CasePatient(const std::string& name, const std::vector<std::string>& settingTexts) {
    RunOptions options;
    options.CaseName = name;
    options.Settings = ParseSettingTexts(settingTexts);
    std::string error;
    CaseDescription description;
    switch (ApplyCase(options, Data().CaseTablePath, description, error)) {
    case CaseChoice::Applied: break;
    case CaseChoice::UnknownCase: throw std::invalid_argument(error);
    case CaseChoice::TableUnreadable: throw std::runtime_error(error);
    }
    return options.Parameters;
}

ExerciseRound ExerciseRoundFor(long seed) {
    if (seed < 1 || seed > static_cast<long>(kLargestExerciseSeed))
        throw std::invalid_argument("bad exercise number '" + std::to_string(seed) +
                                    "': expected a whole number from 1 to " +
                                    std::to_string(kLargestExerciseSeed));
    const ExerciseSession session(Data().Cases, 0);
    ExerciseRound round = session.RoundForSeed(static_cast<std::uint32_t>(seed));
    if (!round.Case) throw std::invalid_argument("the case library has no exercise cases");
    return round;
}

} // namespace breathlab::python
