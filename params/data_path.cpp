#include "data_path.h"

#include <QDir>
#include <QFileInfo>

namespace breathlab {

namespace {

QString WithTrailingSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

// The name of the entry of folder that matches name ignoring letter case; the
// exact spelling wins when it exists, otherwise the first match in name order,
// and name itself when nothing matches.
QString EntryNameIgnoringCase(const QString& folder, const QString& name) {
    if (name == "." || name == ".." || QFileInfo::exists(folder + name)) return name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return name;
}

} // namespace

QString ResolveDataPath(const QString& programFolder, const QString& relativeName) {
    QString path = WithTrailingSlash(programFolder);
    const QStringList parts = relativeName.split('/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        path += EntryNameIgnoringCase(path, parts[i]);
        if (i + 1 < parts.size() || relativeName.endsWith('/')) path += '/';
    }
    return path;
}

} // namespace breathlab
