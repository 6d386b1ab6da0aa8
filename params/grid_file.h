// The hot-spot table and its text file: one grid row per line, fields separated
// by ";". The grid only ever grows while a file is read into it.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace breathlab {

// Cells of a string grid, addressed as (column, row) like the grid on screen.
class TextGrid {
  public:
    TextGrid(int columnCount = 5, int rowCount = 40);

    int ColumnCount() const { return columnCount_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Grows to at least the given size; never shrinks.
    void EnsureSize(int columnCount, int rowCount);

    // An empty text outside the grid.
    QString Cell(int column, int row) const;
    // Grows the grid as needed to hold the cell.
    void SetCell(int column, int row, const QString& text);

  private:
    int columnCount_;
    std::vector<QStringList> rows_;
};

// The fields of one line: a ";" ends a field, a ";" at the very end opens no
// empty field after it, and an empty line has no field.
QStringList SplitGridLine(const QString& line);

// The lines of a text, ending at "\r\n", "\n" or "\r"; a line end at the very
// end of the text opens no further line.
QStringList SplitTextLines(const QString& text);

// Line i fills row i, field j column j; cells not named by the file keep their
// text. On failure the grid is untouched and the message to show is returned.
std::optional<QString> LoadGridFromFile(const QString& path, TextGrid& grid);

// Writes every row, cells joined by ";" and rows by line ends (none after the
// last row). The old file stays as it was when the new one cannot be written
// whole; the message to show is returned then.
std::optional<QString> SaveGridToFile(const QString& path, const TextGrid& grid);

// The text SaveGridToFile writes.
QString GridFileText(const TextGrid& grid);

QString FileNotFoundMessage(const QString& path);
QString GridWriteFailedMessage(const QString& path);

} // namespace breathlab
