#include "patient_run.h"

#include "data_folder.h"
#include "session.h"

#include <stdexcept>

namespace breathlab::python {

std::vector<ParameterSetting> ParseSettingTexts(const std::vector<std::string>& texts) {
    std::vector<ParameterSetting> settings;
    for (const std::string& text : texts) {
        std::string error;
        const auto setting = ParseSetting(text, error);
        if (!setting) throw std::invalid_argument(error);
        settings.push_back(*setting);
    }
    return settings;
}

ParameterSet ParseSettings(const std::vector<std::string>& texts) {
    ParameterSet parameters;
    for (const ParameterSetting& setting : ParseSettingTexts(texts)) ApplySetting(setting, parameters);
    return parameters;
}

PatientRun RunPatientOnce(const ParameterSet& patient, const ResultRecord* reference) {
    Session session(Data().Defaults.get());
    if (reference) session.UseReferencePercentages(*reference);
    session.Start(patient);
    PatientRun run;
    run.History = std::make_shared<ResultHistory>(session.History());
    run.ModelTime = session.Model().Time;
    run.Substeps = session.Model().SubstepsIntegrated;
    return run;
}

} // namespace breathlab::python
