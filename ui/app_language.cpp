#include "app_language.h"

#include <QCoreApplication>
#include <QDir>
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
                       const QLocale& locale, const QStringList& translated) {
    for (const QString& chosen : {commandLine, keptSetting}) {
        if (chosen.isEmpty()) continue;
        if (chosen == kBuiltInLanguage || chosen.compare("POSIX", Qt::CaseInsensitive) == 0)
            return kBuiltInLanguage;
        return LanguageCode(chosen);
    }
    // The C locale is no choice of language; it is where containers and
    // fresh machines start.
    const QString ofLocale = LanguageCode(QLocale::languageToCode(locale.language()));
    return translated.contains(ofLocale) ? ofLocale : QString::fromLatin1(kProgramLanguage);
}

QStringList TranslatedLanguages(const QString& folder) {
    QStringList languages;
    const QStringList files = QDir(folder).entryList({QStringLiteral("breathlab_*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(QStringLiteral("breathlab_").size()).chopped(3);
    return languages;
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
