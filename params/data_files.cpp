#include "data_files.h"

#include "data_file_limit.h"
#include "translated.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <array>
#include <utility>

namespace breathlab {

namespace {

QString WithTrailingSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

bool IsSameFile(const QString& first, const QString& second) {
    const QString canonical = QFileInfo(first).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath();
}

// A copy must be writable for its head to be turned round, whatever the
// permissions of the stored original were.
bool CopyOverTarget(const QString& source, const QString& target) {
    if (QFileInfo::exists(target) && !QFile::remove(target)) return false;
    if (!QFile::copy(source, target)) return false;
    return QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
}

bool ReverseHeadOfFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return false;
    QByteArray head = file.read(kReversedHeadLength);
    if (!ReverseHead(head)) return false;
    const bool written = file.seek(0) && file.write(head) == head.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace

QString ProgramFolder() {
    return WithTrailingSlash(QCoreApplication::applicationDirPath());
}

int MissingDataFilesNumber(const QString& programFolder) {
    static const std::array<std::pair<const char*, int>, 7> files = {{
        {"datfiles1/F000.dat", 1},
        {"datfiles1/F001.dat", 10},
        {"datfiles1/F002.dat", 100},
        {"datfiles1/F003.dat", 1000},
        {"datfiles1/F004.dat", 10000},
        {"datfiles1/F005.dat", 100000},
        {"datfiles1/standard.dat", 1000000},
    }};
    int number = 0;
    for (const auto& [name, digit] : files)
        if (!QFileInfo(ResolveDataPath(programFolder, name)).isFile()) number += digit;
    return number;
}

bool SimulationFolderWritable(const QString& programFolder) {
    // The probe gets a new file of its own name (created exclusively), so it
    // can never write through a link or over a file that someone put there.
    QTemporaryFile probe(ResolveDataPath(programFolder, "Simulations/") + "test-XXXXXX.dat");
    const bool written = probe.open() && probe.write("test") == 4 && probe.flush();
    probe.close();
    const bool closed = probe.error() == QFileDevice::NoError;
    // Remove the probe even after a failed write, so no stray file is left.
    const bool removed = probe.remove();
    return removed && written && closed;
}

std::optional<QString> CheckDataFiles(const QString& programFolder) {
    return CheckDataFiles(programFolder, programFolder);
}

std::optional<QString> CheckDataFiles(const QString& dataFolder, const QString& userFolder) {
    const int missing = MissingDataFilesNumber(dataFolder);
    if (missing != 0) return MissingDataFilesMessage(missing);
    if (!SimulationFolderWritable(userFolder)) return ReadOnlyDiskMessage();
    return std::nullopt;
}

QString MissingDataFilesMessage(int missingNumber) {
    return Translated("DataFiles", "One of the application files is missing or corrupted ") +
           QString::number(missingNumber);
}

QString ReadOnlyDiskMessage() {
    return Translated("DataFiles", "This application cannot work on the read only disk.");
}

bool RemoveScratchFile(const QString& programFolder) {
    const QString path = ResolveDataPath(programFolder, "datfiles1/temp.dat");
    return !QFileInfo::exists(path) || QFile::remove(path);
}

bool ReverseFileHead(const QString& source, const QString& target) {
    if (!QFileInfo(source).isFile()) return false;
    const bool inPlace = target == "*" || IsSameFile(source, target);
    if (!inPlace && !CopyOverTarget(source, target)) return false;
    return ReverseHeadOfFile(inPlace ? source : target);
}

std::optional<QByteArray> ReadDataFile(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + ": " + file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxDataFileBytes + 1);
    if (bytes.size() > kMaxDataFileBytes) {
        error = path + ": " + QString::fromStdString(DataFileTooLargeText());
        return std::nullopt;
    }
    return bytes;
}

bool ReverseHead(QByteArray& bytes) {
    if (bytes.size() < kReversedHeadLength) return false;
    std::reverse(bytes.begin(), bytes.begin() + kReversedHeadLength);
    return true;
}

} // namespace breathlab
