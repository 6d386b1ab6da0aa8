#include "plot_command.h"

#include "figure_export.h"

#include <QGuiApplication>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace breathlab {

namespace {

QtMessageHandler defaultMessageHandler = nullptr;

// Without a desktop session Qt warns that the runtime folder is missing; the
// figures do not need it, and a researcher's terminal need not see it.
void QuietMissingRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths:"))) return;
    defaultMessageHandler(type, context, message);
}

// Fonts and painting need a GUI application; the offscreen platform gives one
// on machines without a display, and the program never shows a window.
void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultMessageHandler = qInstallMessageHandler(QuietMissingRuntimeFolder);
    static int argc = 1;
    static char name[] = "breathlab-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

} // namespace

void UseEnglishFigureTexts(const std::string& englishTranslation) {
    EnsureGuiApplication();
    static QTranslator english;
    if (english.load(QString::fromStdString(englishTranslation)))
        QCoreApplication::installTranslator(&english);
}

bool WritePlotFile(const std::string& path, const ResultHistory& history, int runs,
                   const PlotSource& source, std::string& error) {
    EnsureGuiApplication();
    auto shown = std::make_unique<RunHistory>();
    shown->Slots = history;
    shown->RunCount = std::clamp(runs, 0, kMaxListedRuns);
    shown->SelectedRun = shown->RunCount > 0 ? 1 : -1;
    ReportInfo info;
    info.Source = QString::fromStdString(source.Source);
    info.CaseTitle = QString::fromStdString(source.CaseTitle);
    info.CaseNote = QString::fromStdString(source.CaseNote);
    QString message;
    if (WriteFigureFile(QString::fromStdString(path), *shown, FigureSizes{}, info, message))
        return true;
    error = message.toStdString();
    return false;
}

} // namespace breathlab
