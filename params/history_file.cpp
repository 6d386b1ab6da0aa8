#include "history_file.h"

#include "translated.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <memory>

namespace breathlab {

namespace {

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString JoinFolder(const QString& folder, const QString& relative) {
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + relative;
    return folder + u'/' + relative;
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

    // A history is too large for the stack, and a half-read one must never
    // reach the caller.
    auto buffer = std::make_unique<ResultHistory>();
    const qint64 got = ReadFully(file, reinterpret_cast<char*>(buffer.get()), kHistorySetBytes);
    if (got < 0)
        return FileOutcome::Failure(Translated("HistoryFile", "Cannot read file %1. %2")
                                        .arg(Shown(path), file.errorString()));
    if (got < kHistorySetBytes)
        return FileOutcome::Failure(
            Translated("HistoryFile",
                       "The file %1 is not a simulation file: it holds %2 bytes, not %3.")
                .arg(Shown(path))
                .arg(got)
                .arg(kHistorySetBytes));
    into = *buffer;
    return {};
}

FileOutcome WriteHistorySet(const QString& path, const ResultHistory& history) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileOutcome::Failure(Translated("HistoryFile", "Cannot create file %1. %2")
                                        .arg(Shown(path), file.errorString()));
    const qint64 written = file.write(reinterpret_cast<const char*>(&history), kHistorySetBytes);
    if (written != kHistorySetBytes || !file.commit())
        return FileOutcome::Failure(Translated("HistoryFile", "Cannot write file %1. %2")
                                        .arg(Shown(path), file.errorString()));
    return {};
}

bool IsSlotOccupied(const ResultRecord& record) {
    return record.SampleVolume[0] != 0.0f;
}

void CountRunsAfterOpen(RunHistory& history) {
    history.SelectedRun = -1;
    history.RunCount = 0;
    for (int slot = 1; slot < kHistorySlots; ++slot) {
        if (IsSlotOccupied(history.Slots[slot])) {
            history.RunCount = slot;
            history.SelectedRun = 1;
        }
    }
    history.RunCount = std::min(history.RunCount, kMaxListedRuns);
}

QString DataSourceLineForFile(const QString& path) {
    return Translated("HistoryFile", "Plik:  ") + QFileInfo(path).completeBaseName();
}

QString SimulationFolder(const QString& programFolder) {
    return JoinFolder(programFolder, kSimulationFolderName);
}

QString SavePath(const QString& programFolder, const QString& saveName) {
    return JoinFolder(SimulationFolder(programFolder), saveName);
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

void ReexpressRunsAgainstNormal(RunHistory& history) {
    constexpr int kRegionParameters = 8;
    constexpr int kReexpressedGlobals = 16; // entries 17..20 keep their meaning
    const ResultRecord& reference = history.Slots[0];
    const int listed = std::clamp(history.RunCount, 0, kHistorySlots - 1);
    for (int slot = 1; slot <= listed; ++slot) {
        ResultRecord& run = history.Slots[slot];
        for (int row = 0; row < kRegionRows; ++row)
            for (int k = 0; k < kRegionParameters; ++k)
                run.ParameterBlock[row][k] =
                    run.ParameterBlock[row][k] * reference.ParameterBlock[row][k] / 100.0f;
        for (int j = 0; j < kReexpressedGlobals; ++j)
            run.GlobalParamBlock[j] =
                run.GlobalParamBlock[j] * reference.GlobalParamBlock[j] / 100.0f;
    }
}

FileCommandResult RestoreDefaultReference(const QString& programFolder, RunHistory& history) {
    auto defaults = std::make_unique<ResultHistory>();
    FileCommandResult result{
        ReadHistorySet(JoinFolder(programFolder, kStandardHistoryFile), *defaults), {}, {}};
    if (!result.Outcome.Ok) return result;
    ReexpressRunsAgainstNormal(history);
    history.Slots[0] = (*defaults)[0];
    result.DataSourceLine = Translated("HistoryFile", kStandardDataSourceLine);
    return result;
}

} // namespace breathlab
