// Where a data file of the program lives. Letter case in the names of the data
// folders and files does not matter to the program ("Simulations" and
// "simulations" are one folder), so every data path is found through here.
#pragma once

#include <QString>

namespace breathlab {

// programFolder followed by relativeName ("/"-separated), where every component
// that already exists in some letter case is taken as it exists; components not
// found are kept as written, so a new file gets the name given here.
QString ResolveDataPath(const QString& programFolder, const QString& relativeName);

} // namespace breathlab
