#include "grid_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace breathlab {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(GridLineSplitting, SemicolonsEndFieldsWithoutOpeningAnEmptyOneAtTheEnd) {
    EXPECT_EQ(SplitGridLine("1;40;60;2"), QStringList({"1", "40", "60", "2"}));
    EXPECT_EQ(SplitGridLine("12;34;"), QStringList({"12", "34"}));
    EXPECT_EQ(SplitGridLine("a;;b"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitGridLine(";x"), QStringList({"", "x"}));
    EXPECT_EQ(SplitGridLine("a;b;;"), QStringList({"a", "b", ""}));
    EXPECT_EQ(SplitGridLine(";"), QStringList({""}));
    EXPECT_TRUE(SplitGridLine("").isEmpty());
}

TEST(GridLineSplitting, AnyLineEndEndsALineAndAFinalOneOpensNoFurtherLine) {
    EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines("a\n\nb\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitTextLines("a\r\n"), QStringList({"a"}));
    EXPECT_TRUE(SplitTextLines("").isEmpty());
}

class GridFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(temporary.isValid()); }
    QString Path(const QString& name) const { return temporary.filePath(name); }
    QTemporaryDir temporary;
};

TEST_F(GridFileTest, LinesFillRowsAndTheGridGrowsButNeverShrinks) {
    TextGrid grid;
    grid.SetCell(4, 2, "kept");
    grid.SetCell(1, 3, "old");
    QByteArray text = "nr;x;y;region\n1;40;60;2\n\n2;30;20;\n3;1;2;3;4;5;6";
    for (int row = 5; row < 45; ++row)
        text += "\n" + QByteArray::number(row);
    WriteFile(Path("table.dat"), text);

    ASSERT_EQ(LoadGridFromFile(Path("table.dat"), grid), std::nullopt);
    EXPECT_EQ(grid.RowCount(), 45);
    EXPECT_EQ(grid.ColumnCount(), 7);
    EXPECT_EQ(grid.Cell(3, 0), "region");
    EXPECT_EQ(grid.Cell(0, 1), "1");
    EXPECT_EQ(grid.Cell(3, 1), "2");
    EXPECT_EQ(grid.Cell(4, 2), "kept"); // an empty line sets no cell
    EXPECT_EQ(grid.Cell(1, 3), "30");
    EXPECT_EQ(grid.Cell(3, 3), "");
    EXPECT_EQ(grid.Cell(6, 4), "6");
    EXPECT_EQ(grid.Cell(0, 44), "44");

    WriteFile(Path("small.dat"), "a;b\n");
    ASSERT_EQ(LoadGridFromFile(Path("small.dat"), grid), std::nullopt);
    EXPECT_EQ(grid.RowCount(), 45);
    EXPECT_EQ(grid.ColumnCount(), 7);
    EXPECT_EQ(grid.Cell(2, 0), "y"); // beyond the line's fields the old text stays
}

TEST_F(GridFileTest, MissingFileLeavesTheGridAsItWas) {
    TextGrid grid(2, 2);
    grid.SetCell(1, 1, "x");
    const QString path = Path("nothing.dat");
    EXPECT_EQ(LoadGridFromFile(path, grid), QString("File not found:") + path);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(1, 1), "x");
}

TEST_F(GridFileTest, SavedTextJoinsCellsAndRowsWithNoLineEndAfterTheLast) {
    TextGrid grid(3, 2);
    grid.SetCell(0, 0, "a");
    grid.SetCell(2, 0, "c");
    grid.SetCell(1, 1, "e");
    ASSERT_EQ(SaveGridToFile(Path("out.dat"), grid), std::nullopt);
    EXPECT_EQ(ReadFile(Path("out.dat")), QByteArray("a;;c\n;e;"));
}

TEST_F(GridFileTest, RoundTripKeepsEveryCellButNotTrailingEmptyColumns) {
    TextGrid original(5, 4);
    original.SetCell(0, 0, "nr");
    original.SetCell(1, 0, "x %");
    for (int row = 1; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            original.SetCell(column, row, QString::number(10 * row + column));
    original.SetCell(1, 2, "");
    ASSERT_EQ(SaveGridToFile(Path("table.dat"), original), std::nullopt);

    TextGrid loaded(1, 1);
    ASSERT_EQ(LoadGridFromFile(Path("table.dat"), loaded), std::nullopt);
    EXPECT_EQ(loaded.RowCount(), 4);
    EXPECT_EQ(loaded.ColumnCount(), 4); // column 4 was empty in every row
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(loaded.Cell(column, row), original.Cell(column, row)) << row << column;
}

TEST_F(GridFileTest, FailedSaveReportsThePathAndKeepsTheOldFile) {
    ASSERT_TRUE(QDir(temporary.path()).mkdir("folder.dat"));
    const QString folderPath = Path("folder.dat");
    EXPECT_EQ(SaveGridToFile(folderPath, TextGrid()),
              QString("Could not write the parameter table.") + folderPath);
    EXPECT_TRUE(QFileInfo(folderPath).isDir());

    const QString nowhere = Path("missing/table.dat");
    EXPECT_EQ(SaveGridToFile(nowhere, TextGrid()), GridWriteFailedMessage(nowhere));
}

TEST_F(GridFileTest, SaveIntoAReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_TRUE(QDir(temporary.path()).mkdir("locked"));
    const QString path = Path("locked/F000.dat");
    WriteFile(path, "old;table");
    ASSERT_TRUE(
        QFile::setPermissions(Path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(SaveGridToFile(path, TextGrid()), GridWriteFailedMessage(path));
    EXPECT_EQ(ReadFile(path), QByteArray("old;table"));
    QFile::setPermissions(Path("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace
} // namespace breathlab
