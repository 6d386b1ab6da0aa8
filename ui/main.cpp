// Program entry: the main window, then the about and help windows, then the
// event loop; the program ends when the main window closes.
#include <QApplication>
#include <QFont>

#include "main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The window's face is a Windows bitmap font; Liberation Sans has the
    // metrics of the Windows sans-serif faces and keeps the labels' widths close.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");

    TForm1 form1;
    // The about window TAboutBox and then the help window TForm4 are created here.
    form1.showMaximized();
    return app.exec();
}
