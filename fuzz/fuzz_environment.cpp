#include "fuzz_environment.h"

#include "fuzz_bytes.h"

#include <QFile>
#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

namespace breathlab {

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "breathlab-fuzz";
    static char* argv[] = {name, nullptr};
    // A widget application, as the window's own grid is a widget.
    static QApplication application(argc, argv);
}

QString WriteScratchFile(const QString& name, const void* data, std::size_t size) {
    static QTemporaryDir folder;
    FuzzCheck(folder.isValid(), "a scratch folder can be made");
    const QString path = folder.filePath(name);
    QFile file(path);
    FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file opens");
    const auto written = file.write(static_cast<const char*>(data), static_cast<qint64>(size));
    FuzzCheck(written == static_cast<qint64>(size), "the scratch file is written whole");
    return path;
}

} // namespace breathlab
