// Simulation files: the whole result history as one history set on disk, and
// the file commands of the main menu without their dialogs and redrawing.
//
// A history set is the five result records back to back, exactly as they lie
// in memory, 621360 bytes with no header. The same format holds the default
// history "datfiles1/standard.dat" and every ".spi" file the user saves.
#pragma once

#include "history_set_io.h"
#include "result_record.h"
#include "session.h"
#include "translated.h"

#include <QString>

#include <functional>
#include <string>
#include <utility>

namespace breathlab {

inline const QString kDefaultSaveName = QStringLiteral("data_default.spi");
inline const QString kSimulationFolderName = QStringLiteral("simulations");
inline const QString kStandardHistoryFile = QStringLiteral("datfiles1/standard.dat");
// Save as may not overwrite the name of the shipped default history.
inline const QString kReservedSaveName = QStringLiteral("STANDARD.SPI");

// What the file dialogs offer.
inline const QString kSpirometryFilesFilter =
    QStringLiteral(QT_TRANSLATE_NOOP("HistoryFile", "Spirometry files (*.spi)"));
inline const QString kSpirometryFileSuffix = QStringLiteral("spi");

inline const QString kStandardDataSourceLine =
    QStringLiteral(QT_TRANSLATE_NOOP("HistoryFile", "Data from file:  Standard"));

// Outcome of a file operation. On failure `Message` says what went wrong, for
// the error box; nothing the caller owns has been changed.
struct FileOutcome {
    bool Ok = true;
    QString Message;

    static FileOutcome Failure(QString message) { return {false, std::move(message)}; }
};

// "Cannot open file PATH. REASON", REASON as the core's reader gives it.
QString OpenFailureMessage(const QString& path, const std::string& reason);

// Reads the first 621360 bytes of a file into `into`. The file is read into a
// buffer of its own first, so a missing, unreadable or short file leaves
// `into` exactly as it was. Bytes beyond one history set are ignored.
FileOutcome ReadHistorySet(const QString& path, ResultHistory& into);

// Writes the five records as one history set. The data go to a temporary file
// that replaces the target only once it is complete, so a failed write (full
// disk, read-only file or folder, missing folder) leaves any earlier file whole.
FileOutcome WriteHistorySet(const QString& path, const ResultHistory& history);

// "Plik:  " and the file's name without folder and without its last extension.
QString DataSourceLineForFile(const QString& path);

// The program's folder followed by "simulations"; also where the dialogs open.
QString SimulationFolder(const QString& programFolder);

// Where "Save" writes: always the simulation folder, under `saveName`.
QString SavePath(const QString& programFolder, const QString& saveName);

// True for a chosen path whose file name is "standard.spi" in any letter case.
bool IsReservedSaveName(const QString& chosenPath);

// Asks for a target with `askForPath` (an empty answer means the user
// cancelled) until the answer is not the reserved name; empty on cancel.
QString ChooseSaveAsPath(const std::function<QString()>& askForPath);

// What a file command changed, for the window to show.
struct FileCommandResult {
    FileOutcome Outcome;
    QString DataSourceLine; // new text of dataSourceLine on success
    QString Notice;         // a message to show on success, or empty
};

// "Open": the session takes the file's history, recounts the listed runs and
// selects the newest. On failure the session is untouched.
FileCommandResult OpenHistoryFile(const QString& path, Session& session);

// "Save": the session writes its history into the simulation folder under
// `saveName`; reports "File saved in" with the full path.
FileCommandResult SaveHistoryFile(const QString& programFolder, const QString& saveName,
                                  const Session& session);

// "Save as" once the dialog has given a path that is not the reserved name:
// the session writes there and, only when that succeeded, the file's name
// becomes the target of later "Save" commands.
FileCommandResult SaveHistoryFileAs(const QString& chosenPath, QString& saveName,
                                    const Session& session);

// "ref.Default", its file: the reference (slot 0) of the program's
// "datfiles1/standard.dat", which the session then makes its reference. If the
// file cannot be read `reference` is untouched.
FileCommandResult ReadDefaultReference(const QString& programFolder, ResultRecord& reference);

} // namespace breathlab
