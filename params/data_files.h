// The fixed data beside the program: where it lives, the check at start-up that
// it is complete and that saved simulations can be written, and the stored form
// of the region pictures.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "data_path.h"

namespace breathlab {

// Region pictures are stored with this many leading bytes in reverse order.
constexpr int kReversedHeadLength = 100;

// The folder of the program file, ending with "/". Needs a QCoreApplication.
QString ProgramFolder();

// Sum of 1 (F000.dat), 10 (F001.dat) ... 100000 (F005.dat) and 1000000
// (standard.dat) for every file of "datfiles1" that is missing; 0 when all exist.
int MissingDataFilesNumber(const QString& programFolder);

// Creates a new file "Simulations/test-XXXXXX.dat" (a unique name) holding
// "test" and deletes it again; false when any of this fails, the folder
// missing included. No existing file or link is opened.
bool SimulationFolderWritable(const QString& programFolder);

// The message that must end the program, or nothing when the data files are all
// there and the simulation folder can be written.
std::optional<QString> CheckDataFiles(const QString& programFolder);
// The same when the data are read from dataFolder and simulations are written
// under userFolder (an installed program).
std::optional<QString> CheckDataFiles(const QString& dataFolder, const QString& userFolder);

QString MissingDataFilesMessage(int missingNumber);
QString ReadOnlyDiskMessage();

// Deletes the scratch file "datfiles1/temp.dat" if one is there. Returns false
// only when one exists and cannot be removed.
bool RemoveScratchFile(const QString& programFolder);

// Swaps the order of the first kReversedHeadLength bytes of a file. With target
// "*" the source is changed in place; otherwise the source is copied over the
// target first and the copy is changed. Applying it twice restores the file.
// Returns false, changing nothing, when the source is missing, the copy fails or
// the file is shorter than kReversedHeadLength bytes.
bool ReverseFileHead(const QString& source, const QString& target);

// The same on bytes in memory; false, leaving them alone, when they are too short.
bool ReverseHead(QByteArray& bytes);

// The whole content of a data file, or nothing and the message to show: the
// path with the reason it cannot be opened, or that it is larger than a data
// file may be (data_file_limit.h).
std::optional<QByteArray> ReadDataFile(const QString& path, QString& error);

} // namespace breathlab
