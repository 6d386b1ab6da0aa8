#include "app_language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace breathlab {

namespace {

const QString kBuiltInLanguage = QStringLiteral("C");

// "en_GB", "en-US" and "EN" all name English.
QString LanguageCode(const QString& name) {
    return name.section('_', 0, 0).section('-', 0, 0).section('.', 0, 0).toLower();
}

} // namespace

QString ChooseLanguage(const QString& commandLine, const QString& keptSetting,
                       const QLocale& locale) {
    for (const QString& chosen : {commandLine, keptSetting}) {
        if (chosen.isEmpty()) continue;
        if (chosen == kBuiltInLanguage || chosen.compare("POSIX", Qt::CaseInsensitive) == 0)
            return kBuiltInLanguage;
        return LanguageCode(chosen);
    }
    return locale.language() == QLocale::English ? QStringLiteral("en") : kBuiltInLanguage;
}

QString KeptLanguageSetting() {
    const QSettings settings(QStringLiteral("breathlab"), QStringLiteral("breathlab"));
    return settings.value(QStringLiteral("language")).toString().trimmed();
}

QString TranslationFile(const QString& folder, const QString& language) {
    const QString separated = folder.endsWith('/') ? folder : folder + '/';
    return separated + QStringLiteral("breathlab_") + language + QStringLiteral(".qm");
}

bool InstallLanguage(const QString& language, const QString& folder, QTranslator& translator) {
    if (language == kBuiltInLanguage) return true;
    if (!translator.load(TranslationFile(folder, language))) return false;
    return QCoreApplication::installTranslator(&translator);
}

} // namespace breathlab
