// Program entry: the main window, then the about and help windows, then the
// event loop; the program ends when the main window closes.
#include <QApplication>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

#include "about_box.h"
#include "app_language.h"
#include "display_check.h"
#include "display_refusal.h"
#include "help_window.h"
#include "main_window.h"
#include "program_arguments.h"
#include "program_font.h"
#include "program_icon.h"
#include "user_data_folder.h"

namespace {

void Complain(const QString& text) {
    std::fputs(qPrintable(QStringLiteral("breathlab: ") + text + '\n'), stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    if (const auto message =
            breathlab::MissingDisplayMessage(breathlab::CommandLineChoosesPlatform(argc, argv))) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 1;
    }
    breathlab::ReportRefusedDisplayInOneLine();
    QApplication app(argc, argv);
    app.setWindowIcon(breathlab::ProgramIcon());
    // Ties the window to its desktop entry (icon, name, the .spi file type).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.breathlab.breathlab"));
    breathlab::UseProgramFont();

    using namespace breathlab;
    const ProgramArguments arguments = ParseProgramArguments(app.arguments().mid(1));
    if (!arguments.Error.isEmpty()) {
        Complain(arguments.Error);
        std::fputs(qPrintable(ProgramUsage()), stderr);
        return 2;
    }
    QTranslator translator;
    const QString translations = RunningProgramDataFolders().Data + "translations";
    const QString language = ChooseLanguage(arguments.Language, KeptLanguageSetting(),
                                            QLocale::system(), TranslatedLanguages(translations));
    if (!InstallLanguage(language, translations, translator)) {
        Complain(QStringLiteral("no translation for language %1; English is shown").arg(language));
        if (!InstallLanguage(kProgramLanguage, translations, translator))
            Complain(QStringLiteral("no English translation either; the built-in texts are shown"));
    }

    MainWindow form1;
    // A start-up condition that ends the program has shown its message.
    if (!form1.StartupSucceeded()) return 1;
    AboutBox aboutBox(&form1);
    HelpWindow form4(&form1);
    form1.SetAboutBox(&aboutBox);
    form1.SetHelpWindow(&form4);
    if (arguments.Presentation) form1.SetPresentationMode(true);
    form1.showMaximized();
    // A file named on the command line opens once the window stands, so that
    // a message about it appears over the window.
    if (!arguments.File.isEmpty())
        QTimer::singleShot(0, &form1, [&] { form1.OpenFileFromCommandLine(arguments.File); });
    return app.exec();
}
