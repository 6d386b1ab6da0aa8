// Where the program reads its fixed data and where it writes.
//
// Run from its build folder (or any folder that carries "datfiles1"), the
// program reads and writes beside its executable. Installed, the executable
// lies in PREFIX/bin and the read-only data in PREFIX/share/breathlab; what the
// user makes (saved simulations, the start-up write probe, an edited hot-spot
// table) then goes to the user's own data folder, $XDG_DATA_HOME/breathlab, and
// nothing is ever written under PREFIX.
#pragma once

#include <QString>

namespace breathlab {

struct DataFolders {
    QString Data; // the fixed data: datfiles1/, helpfiles/; ends with "/"
    QString User; // simulations/ and anything else written; ends with "/"
    bool Installed = false;
};

// The folders for a program in programFolder. userDataHome is the user's data
// home ($XDG_DATA_HOME, or ~/.local/share when that is unset). The program
// counts as installed when its own folder has no "datfiles1" (in any letter
// case) and "../share/breathlab/datfiles1" beside it exists.
DataFolders ChooseDataFolders(const QString& programFolder, const QString& userDataHome);

// The folders of the running program, from its executable's place and the
// user's environment. Needs a QCoreApplication.
DataFolders RunningProgramDataFolders();

// Creates the user folder and its "simulations" inside when the program is
// installed (for a program run in place both already belong to its folder).
// False when the folder cannot be made; the write probe then reports it.
bool PrepareUserFolder(const DataFolders& folders);

// The hot-spot table to read: the user's edited copy when an installed program
// has one, otherwise the shipped table.
QString HotSpotTableToRead(const DataFolders& folders);

// Where the hot-spot table is written back: the shipped table for a program run
// in place, the user's copy (its folder made first) for an installed one.
QString HotSpotTableToWrite(const DataFolders& folders);

} // namespace breathlab
