#include "display_refusal.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace breathlab {

namespace {

QtMessageHandler gPrevious = nullptr;

// The platform plugin's own lines on the way to its fatal message; the one
// line below replaces them.
bool IsPlatformStartupNoise(const QMessageLogContext& context) {
    const QByteArray category(context.category ? context.category : "");
    return category == "qt.qpa.xcb" || category == "qt.qpa.plugin";
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && message.contains(QStringLiteral("platform plugin"))) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr,
                     "breathlab: the display %s refused the connection (check DISPLAY and "
                     "XAUTHORITY); the window needs a graphical desktop\n",
                     display.isEmpty() ? "(none)" : display.constData());
        std::fflush(stderr);
        ::_exit(1);
    }
    if (type == QtWarningMsg && IsPlatformStartupNoise(context)) return;
    if (gPrevious) gPrevious(type, context, message);
    else std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

void ReportRefusedDisplayInOneLine() { gPrevious = qInstallMessageHandler(Handle); }

} // namespace breathlab
