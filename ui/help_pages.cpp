#include "help_pages.h"

#include "data_path.h"
#include "translated.h"

#include <algorithm>

namespace breathlab {

const std::array<ContextHelpControl, kContextHelpControlCount>& ContextHelpControls() {
    static const std::array<ContextHelpControl, kContextHelpControlCount> kControls = {{
        {"mainGroupPanel", &kMainAirwayHelpPage},
        {"MainCaption", &kMainAirwayHelpPage},
        {"MainTitle", &kMainAirwayHelpPage},
        {"MainScale50", &kMainAirwayHelpPage},
        {"MainScale100", &kMainAirwayHelpPage},
        {"MainScale200", &kMainAirwayHelpPage},
        {"MainScale400", &kMainAirwayHelpPage},
        {"MainScale800", &kMainAirwayHelpPage},
        {"hiddenGroupPanel", &kMainAirwayHelpPage},
        {"VDcTitle", &kMainAirwayHelpPage},
        {"VDcScale50", &kMainAirwayHelpPage},
        {"VDcScale100", &kMainAirwayHelpPage},
        {"VDcScale150", &kMainAirwayHelpPage},
        {"VDcScale200", &kMainAirwayHelpPage},
        {"VDcScale250", &kMainAirwayHelpPage},

        {"middleGroupPanel", &kMiddleAirwayHelpPage},
        {"MiddleCaption", &kMiddleAirwayHelpPage},
        {"StiffTitle", &kMiddleAirwayHelpPage},
        {"MiddleTitle", &kMiddleAirwayHelpPage},
        {"MiddleScale100", &kMiddleAirwayHelpPage},
        {"MiddleScale200", &kMiddleAirwayHelpPage},
        {"MiddleScale400", &kMiddleAirwayHelpPage},
        {"MiddleScale800", &kMiddleAirwayHelpPage},

        {"peripheralGroupPanel", &kPeripheralHelpPage},
        {"PeripheralCaption", &kPeripheralHelpPage},
        {"PeripheralTitle", &kPeripheralHelpPage},
        {"CCCTitle", &kPeripheralHelpPage},
        {"PeripheralScale50", &kPeripheralHelpPage},
        {"PeripheralScale100", &kPeripheralHelpPage},
        {"PeripheralScale200", &kPeripheralHelpPage},
        {"PeripheralScale400", &kPeripheralHelpPage},
        {"PeripheralScale800", &kPeripheralHelpPage},

        {"lungsGroupPanel", &kLungHelpPage},
        {"SizeTitle", &kLungHelpPage},
        {"CmTitle", &kLungHelpPage},
        {"LungScale50", &kLungHelpPage},
        {"LungScale75", &kLungHelpPage},
        {"LungScale100", &kLungHelpPage},
        {"LungScale125", &kLungHelpPage},
        {"LungScale150", &kLungHelpPage},

        {"indicesTable", &kIndicesHelpPage},

        // These share the handler but have no page of their own.
        {"flowVolumePlot", &kGeneralHelpPage},
        {"volumeTimePlot", &kGeneralHelpPage},
        {"startButton", &kGeneralHelpPage},
        {"MiddleScale1600", &kGeneralHelpPage},
        {"CCCScale50", &kGeneralHelpPage},
        {"CCCScale100", &kGeneralHelpPage},
        {"CCCScale150", &kGeneralHelpPage},
        {"CCCScale200", &kGeneralHelpPage},
        {"CCCScale250", &kGeneralHelpPage},
    }};
    return kControls;
}

QString ContextHelpPage(const QString& controlName) {
    const auto& controls = ContextHelpControls();
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const auto& control) {
        return controlName == QLatin1String(control.ControlName);
    });
    return found == controls.end() ? kGeneralHelpPage : *found->Page;
}

QString HelpFolder() {
    return Translated("HelpPages", "helpfiles/");
}

QString HelpPagePath(const QString& programFolder, const QString& page) {
    return ResolveDataPath(programFolder, HelpFolder() + page);
}

PictureHelp PictureHelpPage(const std::optional<QString>& regionCode) {
    if (!regionCode) return {true, {}, kGeneralHelpPage};
    bool isNumber = false;
    const int code = regionCode->trimmed().toInt(&isNumber);
    if (!isNumber) return {false, InvalidIntegerMessage(*regionCode), {}};
    switch (code) {
    case 1:
    case 2:
        return {true, {}, kMainAirwayHelpPage};
    case 3:
        return {true, {}, kMiddleAirwayHelpPage};
    case 4:
        return {true, {}, kPeripheralHelpPage};
    case 5:
        return {true, {}, kLungHelpPage};
    default:
        return {};
    }
}

QString CannotOpenFileMessage(const QString& path) {
    return Translated("HelpPages", "Cannot open file %1").arg(path);
}

QString InvalidIntegerMessage(const QString& text) {
    return Translated("HelpPages", "'%1' is not a valid integer value").arg(text);
}

} // namespace breathlab
