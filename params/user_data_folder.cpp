#include "user_data_folder.h"

#include "data_files.h"
#include "user_data_home.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace breathlab {

namespace {

const QString kApplicationFolder = QStringLiteral("breathlab");
const QString kHotSpotTable = QStringLiteral("datfiles1/F000.dat");

QString WithTrailingSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

bool IsFolder(const QString& path) {
    return QFileInfo(path).isDir();
}

} // namespace

DataFolders ChooseDataFolders(const QString& programFolder, const QString& userDataHome) {
    const QString beside = WithTrailingSlash(programFolder);
    const QString shared = WithTrailingSlash(
        QDir::cleanPath(beside + QStringLiteral("../share/") + kApplicationFolder));
    const bool installed = !IsFolder(ResolveDataPath(beside, QStringLiteral("datfiles1"))) &&
                           IsFolder(shared + QStringLiteral("datfiles1"));
    if (!installed) return {beside, beside, false};
    return {shared, WithTrailingSlash(WithTrailingSlash(userDataHome) + kApplicationFolder), true};
}

DataFolders RunningProgramDataFolders() {
    return ChooseDataFolders(ProgramFolder(), RunningUserDataHome());
}

bool PrepareUserFolder(const DataFolders& folders) {
    if (!folders.Installed) return true;
    return QDir().mkpath(folders.User + QStringLiteral("simulations"));
}

QString HotSpotTableToRead(const DataFolders& folders) {
    if (folders.Installed) {
        const QString edited = folders.User + kHotSpotTable;
        if (QFileInfo(edited).isFile()) return edited;
    }
    return ResolveDataPath(folders.Data, kHotSpotTable);
}

QString HotSpotTableToWrite(const DataFolders& folders) {
    if (!folders.Installed) return ResolveDataPath(folders.Data, kHotSpotTable);
    QDir().mkpath(folders.User + QStringLiteral("datfiles1"));
    return folders.User + kHotSpotTable;
}

} // namespace breathlab
