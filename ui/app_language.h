// The language of the window's texts. The texts in the code are the program's
// built-in ones (the "C" language); a translation replaces them when the user
// asks for it with --lang, in the kept setting "language", or by an English
// locale. Numbers keep the locale's decimal separator whatever the language.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;
class QTranslator;

namespace breathlab {

// "C" for the built-in texts, otherwise a language code such as "en". The
// command line wins over the kept setting, the setting over the locale.
QString ChooseLanguage(const QString& commandLine, const QString& keptSetting,
                       const QLocale& locale);

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
