#include "grid_file.h"

#include "data_files.h"
#include "output_file.h"
#include "translated.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace breathlab {

TextGrid::TextGrid(int columnCount, int rowCount) : columnCount_(0) {
    EnsureSize(columnCount, rowCount);
}

// A row stores its cells only up to the last one that was set: padding every
// row to the widest would let one long line of a small file take gigabytes.
void TextGrid::EnsureSize(int columnCount, int rowCount) {
    columnCount_ = std::max(columnCount_, columnCount);
    if (rowCount > RowCount()) rows_.resize(static_cast<size_t>(rowCount));
}

QString TextGrid::Cell(int column, int row) const {
    if (column < 0 || row < 0 || column >= columnCount_ || row >= RowCount()) return {};
    return rows_[static_cast<size_t>(row)].value(column);
}

void TextGrid::SetCell(int column, int row, const QString& text) {
    if (column < 0 || row < 0) return;
    EnsureSize(column + 1, row + 1);
    QStringList& cells = rows_[static_cast<size_t>(row)];
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
}

QStringList SplitGridLine(const QString& line) {
    QStringList fields = line.split(';');
    // The piece after the last ";" is a field only when it has text.
    if (fields.last().isEmpty()) fields.removeLast();
    return fields;
}

QStringList SplitTextLines(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace('\r', '\n');
    QStringList lines = normalised.split('\n');
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

std::optional<QString> LoadGridFromFile(const QString& path, TextGrid& grid) {
    if (!QFileInfo(path).isFile()) return FileNotFoundMessage(path);
    QString error;
    const std::optional<QByteArray> bytes = ReadDataFile(path, error);
    if (!bytes) return error;
    const QStringList lines = SplitTextLines(QString::fromUtf8(*bytes));
    for (qsizetype row = 0; row < lines.size(); ++row) {
        grid.EnsureSize(0, static_cast<int>(row) + 1);
        const QStringList fields = SplitGridLine(lines[row]);
        for (qsizetype column = 0; column < fields.size(); ++column)
            grid.SetCell(static_cast<int>(column), static_cast<int>(row), fields[column]);
    }
    return std::nullopt;
}

QString GridFileText(const TextGrid& grid) {
    QStringList lines;
    for (int row = 0; row < grid.RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.ColumnCount(); ++column)
            cells.append(grid.Cell(column, row));
        lines.append(cells.join(';'));
    }
    return lines.join('\n');
}

std::optional<QString> SaveGridToFile(const QString& path, const TextGrid& grid) {
    const QByteArray bytes = GridFileText(grid).toUtf8();
    std::string error;
    if (!WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes.constData(),
                             static_cast<std::size_t>(bytes.size()), error))
        return GridWriteFailedMessage(path);
    return std::nullopt;
}

QString FileNotFoundMessage(const QString& path) {
    return Translated("GridFile", "File not found:") + path;
}

QString GridWriteFailedMessage(const QString& path) {
    return Translated("GridFile", "Could not write the parameter table.") + path;
}

} // namespace breathlab
