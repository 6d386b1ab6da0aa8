#include "history_file.h"

#include "data_path.h"
#include "parameter_record.h"
#include "translated.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <string>

namespace breathlab {

namespace {

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString WriteFailureMessage(const QString& path, const std::string& reason) {
    return Translated("HistoryFile", "Cannot write file %1. %2")
        .arg(Shown(path), QString::fromStdString(reason));
}

// The session writes its own history, as it reads it on Open.
FileOutcome SaveSession(const QString& path, const Session& session) {
    std::string error;
    if (session.Save(QFile::encodeName(path).toStdString(), error)) return {};
    return FileOutcome::Failure(WriteFailureMessage(path, error));
}

} // namespace

// The core reads and checks the file (never waiting on a FIFO, refusing
// anything but a usable history set) and writes it atomically; Qt only gives
// the message its window form.
QString OpenFailureMessage(const QString& path, const std::string& reason) {
    return Translated("HistoryFile", "Cannot open file %1. %2")
        .arg(Shown(path), QString::fromStdString(reason));
}

FileOutcome ReadHistorySet(const QString& path, ResultHistory& into) {
    std::string error;
    if (ReadHistorySet(QFile::encodeName(path).toStdString(), into, error)) return {};
    return FileOutcome::Failure(OpenFailureMessage(path, error));
}

FileOutcome WriteHistorySet(const QString& path, const ResultHistory& history) {
    std::string error;
    if (WriteHistorySet(QFile::encodeName(path).toStdString(), history, error)) return {};
    return FileOutcome::Failure(WriteFailureMessage(path, error));
}

QString DataSourceLineForFile(const QString& path) {
    return Translated("HistoryFile", "Plik:  ") + QFileInfo(path).completeBaseName();
}

QString SimulationFolder(const QString& programFolder) {
    return ResolveDataPath(programFolder, kSimulationFolderName);
}

QString SavePath(const QString& programFolder, const QString& saveName) {
    return ResolveDataPath(programFolder, kSimulationFolderName + u'/' + saveName);
}

bool IsReservedSaveName(const QString& chosenPath) {
    return QFileInfo(chosenPath).fileName().toUpper() == kReservedSaveName;
}

QString ChooseSaveAsPath(const std::function<QString()>& askForPath) {
    for (;;) {
        const QString chosen = askForPath();
        if (chosen.isEmpty() || !IsReservedSaveName(chosen)) return chosen;
    }
}

FileCommandResult OpenHistoryFile(const QString& path, Session& session) {
    std::string error;
    if (!session.Open(QFile::encodeName(path).toStdString(), error))
        return {FileOutcome::Failure(OpenFailureMessage(path, error)), {}, {}};
    return {{}, DataSourceLineForFile(path), {}};
}

FileCommandResult SaveHistoryFile(const QString& programFolder, const QString& saveName,
                                  const Session& session) {
    const QString path = SavePath(programFolder, saveName);
    FileCommandResult result{SaveSession(path, session), {}, {}};
    if (!result.Outcome.Ok) return result;
    result.DataSourceLine = DataSourceLineForFile(saveName);
    // The translation may bring its own trailing space; exactly one separates the folder.
    result.Notice = Translated("HistoryFile", "File saved in").trimmed() + u' ' + Shown(path);
    return result;
}

FileCommandResult SaveHistoryFileAs(const QString& chosenPath, QString& saveName,
                                    const Session& session) {
    FileCommandResult result{SaveSession(chosenPath, session), {}, {}};
    if (!result.Outcome.Ok) return result;
    saveName = QFileInfo(chosenPath).fileName();
    result.DataSourceLine = DataSourceLineForFile(chosenPath);
    return result;
}

FileCommandResult ReadDefaultReference(const QString& programFolder, ResultRecord& reference) {
    auto defaults = std::make_unique<ResultHistory>();
    FileCommandResult result{
        ReadHistorySet(ResolveDataPath(programFolder, kStandardHistoryFile), *defaults), {}, {}};
    if (!result.Outcome.Ok) return result;
    reference = (*defaults)[0];
    result.DataSourceLine = Translated("HistoryFile", kStandardDataSourceLine);
    return result;
}

} // namespace breathlab
