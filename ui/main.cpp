// Program entry: the main window, then the about and help windows, then the
// event loop; the program ends when the main window closes.
#include <QApplication>
#include <QFont>

#include <cstdio>

#include "about_box.h"
#include "display_check.h"
#include "help_window.h"
#include "main_window.h"
#include "program_icon.h"

int main(int argc, char* argv[]) {
    if (const auto message = breathlab::MissingDisplayMessage(
            breathlab::CommandLineChoosesPlatform(argc, argv))) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 1;
    }
    QApplication app(argc, argv);
    app.setWindowIcon(breathlab::ProgramIcon());
    // The window's faces are Windows fonts; Liberation Sans and Serif have the
    // metrics of the Windows faces and keep the labels' widths close.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("MS Serif", "Liberation Serif");
    QFont::insertSubstitution("Arial", "Liberation Sans");

    TForm1 form1;
    // A start-up condition that ends the program has shown its message.
    if (!form1.StartupSucceeded()) return 1;
    TAboutBox aboutBox(&form1);
    TForm4 form4(&form1);
    form1.SetAboutBox(&aboutBox);
    form1.SetHelpWindow(&form4);
    form1.showMaximized();
    return app.exec();
}
