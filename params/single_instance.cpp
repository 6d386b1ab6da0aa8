#include "single_instance.h"

#include "translated.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace breathlab {

SingleInstanceLock::SingleInstanceLock(const QString& name, const QString& lockFolder) {
    const QString folder = lockFolder.isEmpty() ? DefaultLockFolder() : lockFolder;
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name + ".lock"));
    const int descriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0) return;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
        descriptor_ = descriptor;
        return;
    }
    anotherInstanceRuns_ = errno == EWOULDBLOCK;
    ::close(descriptor);
}

SingleInstanceLock::~SingleInstanceLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

QString SingleInstanceLock::DefaultLockFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString AlreadyRunningMessage() {
    return Translated("SingleInstance", "This program is already running.");
}

} // namespace breathlab
