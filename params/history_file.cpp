#include "history_file.h"

#include "data_path.h"
#include "parameter_record.h"
#include "translated.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <string>

namespace breathlab {

namespace {

constexpr qint64 kSetBytes = static_cast<qint64>(kHistorySetBytes);

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Reads up to `size` bytes; a regular file may still deliver them in pieces.
qint64 ReadFully(QFile& file, char* buffer, qint64 size) {
    qint64 total = 0;
    while (total < size) {
        const qint64 got = file.read(buffer + total, size - total);
        if (got < 0) return -1;
        if (got == 0) break;
        total += got;
    }
    return total;
}

} // namespace

FileOutcome ReadHistorySet(const QString& path, ResultHistory& into) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileOutcome::Failure(Translated("HistoryFile", "Cannot open file %1. %2")
                                        .arg(Shown(path), file.errorString()));

    // Qt reads the file (its paths and error texts); the core knows the format.
    QByteArray bytes(kSetBytes, Qt::Uninitialized);
    const qint64 got = ReadFully(file, bytes.data(), kSetBytes);
    if (got < 0)
        return FileOutcome::Failure(
            Translated("HistoryFile", "Cannot read file %1. %2").arg(Shown(path), file.errorString()));
    std::string error;
    if (!HistorySetFromBytes(bytes.constData(), static_cast<std::size_t>(got), into, error))
        return FileOutcome::Failure(
            Translated("HistoryFile",
                       "The file %1 is not a simulation file: it holds %2 bytes, not %3.")
                .arg(Shown(path))
                .arg(got)
                .arg(kSetBytes));
    return {};
}

FileOutcome WriteHistorySet(const QString& path, const ResultHistory& history) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileOutcome::Failure(
            Translated("HistoryFile", "Cannot create file %1. %2").arg(Shown(path), file.errorString()));
    const qint64 written =
        file.write(reinterpret_cast<const char*>(HistorySetBytes(history)), kSetBytes);
    if (written != kSetBytes || !file.commit())
        return FileOutcome::Failure(
            Translated("HistoryFile", "Cannot write file %1. %2").arg(Shown(path), file.errorString()));
    return {};
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

FileCommandResult OpenHistoryFile(const QString& path, RunHistory& history) {
    FileCommandResult result{ReadHistorySet(path, history.Slots), {}, {}};
    if (!result.Outcome.Ok) return result;
    CountRunsAfterOpen(history);
    result.DataSourceLine = DataSourceLineForFile(path);
    return result;
}

FileCommandResult SaveHistoryFile(const QString& programFolder, const QString& saveName,
                                  const ResultHistory& history) {
    const QString path = SavePath(programFolder, saveName);
    FileCommandResult result{WriteHistorySet(path, history), {}, {}};
    if (!result.Outcome.Ok) return result;
    result.DataSourceLine = DataSourceLineForFile(saveName);
    result.Notice = Translated("HistoryFile", "File saved in") + Shown(path);
    return result;
}

FileCommandResult SaveHistoryFileAs(const QString& chosenPath, QString& saveName,
                                    const ResultHistory& history) {
    FileCommandResult result{WriteHistorySet(chosenPath, history), {}, {}};
    if (!result.Outcome.Ok) return result;
    saveName = QFileInfo(chosenPath).fileName();
    result.DataSourceLine = DataSourceLineForFile(chosenPath);
    return result;
}

FileCommandResult RestoreDefaultReference(const QString& programFolder, RunHistory& history) {
    auto defaults = std::make_unique<ResultHistory>();
    FileCommandResult result{
        ReadHistorySet(ResolveDataPath(programFolder, kStandardHistoryFile), *defaults), {}, {}};
    if (!result.Outcome.Ok) return result;
    RestoreDefaultReference(history, (*defaults)[0]);
    result.DataSourceLine = Translated("HistoryFile", kStandardDataSourceLine);
    return result;
}

} // namespace breathlab
