// The window program's command line:
// `breathlab [--lang CODE] [--presentation] [FILE.spi]`.
// A file named there is opened right after start-up, as a double click on a
// simulation file in the file manager asks.
#pragma once

#include <QString>
#include <QStringList>

namespace breathlab {

struct ProgramArguments {
    QString Language; // "--lang": "en", "C", ...; empty when not given
    QString File;     // the simulation file to open; empty when none
    bool Presentation = false; // "--presentation": large texts for a projector
    QString Error;    // what was wrong with the command line; empty when nothing
};

// arguments: the command line without the program's name, after Qt has taken
// its own options (-platform, ...).
ProgramArguments ParseProgramArguments(const QStringList& arguments);

QString ProgramUsage();

} // namespace breathlab
