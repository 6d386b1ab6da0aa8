// The user's data home by the XDG rules, robust against a broken environment:
// a relative $XDG_DATA_HOME is ignored (the rules say so: it would depend on
// the current folder), and without a usable $HOME the home comes from the
// password database, never "/" plus a relative remainder.
#pragma once

#include <QString>

namespace breathlab {

// From the three sources, any of which may be empty: $XDG_DATA_HOME when it
// is absolute, else HOME/.local/share with HOME the environment's when it is
// absolute, else the password database's. Empty when none is usable.
QString UserDataHome(const QString& xdgDataHome, const QString& homeVariable,
                     const QString& passwordDatabaseHome);

// The same for the running process.
QString RunningUserDataHome();

} // namespace breathlab
