#include "user_data_home.h"

#include <QDir>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace breathlab {

namespace {

bool IsAbsolute(const QString& path) { return path.startsWith(u'/'); }

QString PasswordDatabaseHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return QString::fromLocal8Bit(found->pw_dir);
}

} // namespace

QString UserDataHome(const QString& xdgDataHome, const QString& homeVariable,
                     const QString& passwordDatabaseHome) {
    if (IsAbsolute(xdgDataHome)) return QDir::cleanPath(xdgDataHome);
    const QString home = IsAbsolute(homeVariable) ? homeVariable : passwordDatabaseHome;
    if (!IsAbsolute(home)) return {};
    return QDir::cleanPath(home + QStringLiteral("/.local/share"));
}

QString RunningUserDataHome() {
    return UserDataHome(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"),
                        PasswordDatabaseHome());
}

} // namespace breathlab
