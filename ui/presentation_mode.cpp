#include "presentation_mode.h"

#include <QSettings>

#include <algorithm>

namespace breathlab {

namespace {

const QString kPresentationKey = QStringLiteral("presentation");

QSettings ProgramSettings() {
    return QSettings(QStringLiteral("breathlab"), QStringLiteral("breathlab"));
}

} // namespace

int PresentationTextPx(int screenHeight) {
    // Rounded up: "at least" 20 pixels at 1080 lines.
    return std::max(1, (kPresentationTextPx * screenHeight + kPresentationScreenHeight - 1) /
                           kPresentationScreenHeight);
}

bool KeptPresentationSetting() {
    return ProgramSettings().value(kPresentationKey, false).toBool();
}

void KeepPresentationSetting(bool on) {
    ProgramSettings().setValue(kPresentationKey, on);
}

} // namespace breathlab
