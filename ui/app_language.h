// The language of the window's texts. English is the program's language: a
// translation replaces the texts in the code, which are the program's built-in
// ones (the "C" language). The built-in texts are shown only when asked for
// with --lang C or the kept setting language=C; a locale with a translation
// of its own gets that one, and every other locale (C, C.UTF-8, de_DE.UTF-8,
// ...) English. Numbers keep the locale's decimal separator whatever the
// language.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace breathlab {

inline constexpr const char* kProgramLanguage = "en";

// "C" for the built-in texts, otherwise a language code such as "en". The
// command line wins over the kept setting, the setting over the locale; the
// locale counts only when `translated` (language codes) holds its language.
QString ChooseLanguage(const QString& commandLine, const QString& keptSetting,
                       const QLocale& locale, const QStringList& translated);

// The languages with a translation file in folder.
QStringList TranslatedLanguages(const QString& folder);

// The kept setting: "language" in the program's settings file
// (~/.config/breathlab/breathlab.conf); empty when unset.
QString KeptLanguageSetting();

// The translation file of a language in folder: "breathlab_<language>.qm".
QString TranslationFile(const QString& folder, const QString& language);

// Loads the language's translation from folder into translator and installs it
// in the application. "C" installs nothing. False when the language has no
// translation there; the built-in texts then stay.
bool InstallLanguage(const QString& language, const QString& folder, QTranslator& translator);

} // namespace breathlab
