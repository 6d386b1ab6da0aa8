// The hot-spot file goes into the window's grid in time proportional to its
// size; a table far beyond any hot-spot table is refused with a message and
// the window starts with the grid it had.
#include "hot_spot_grid.h"
#include "string_grid.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace breathlab {
namespace {

class HotSpotGrid : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes) {
        const QString path = folder_.filePath("F000.dat");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    // A first row of `columns` fields, then `rows` short rows.
    static QByteArray WideThenTall(int columns, int rows) {
        QByteArray text;
        for (int c = 0; c < columns; ++c) text += "x;";
        text += '\n';
        for (int r = 0; r < rows; ++r) text += "1;\n";
        return text;
    }
    QTemporaryDir folder_;
    StringGrid grid_{5, 40};
};

TEST_F(HotSpotGrid, AMalformedTableIsRefusedAndTheGridKeepsItsSize) {
    // 24 KB that once took seconds, and a megabyte that took hours.
    for (const auto& [columns, rows] : {std::pair{2000, 2000}, std::pair{200000, 300000}}) {
        const QString path = Write(WideThenTall(columns, rows));
        const auto failure = LoadHotSpotGrid(path, grid_);
        ASSERT_TRUE(failure.has_value()) << columns;
        EXPECT_EQ(*failure, HotSpotTableTooLargeMessage(path));
        EXPECT_EQ(grid_.ColCount(), 5);
        EXPECT_EQ(grid_.RowCount(), 40);
    }
    EXPECT_TRUE(LoadHotSpotGrid(Write(WideThenTall(kMaxHotSpotColumns + 1, 2)), grid_));
    EXPECT_TRUE(LoadHotSpotGrid(Write(WideThenTall(2, kMaxHotSpotRows)), grid_));
}

TEST_F(HotSpotGrid, ATableWithinTheBoundsFillsTheGridAsTheFileSays) {
    QByteArray text = "nr;x;y;region;note;extra\n";
    for (int r = 1; r < 60; ++r) text += QByteArray::number(r) + ";" + QByteArray::number(r % 100) + ";50;" +
                                         QByteArray::number(1 + r % 5) + ";n" + QByteArray::number(r) + ";\n";
    ASSERT_FALSE(LoadHotSpotGrid(Write(text), grid_));
    EXPECT_EQ(grid_.ColCount(), 6);
    EXPECT_EQ(grid_.RowCount(), 60);
    EXPECT_EQ(grid_.Cell(5, 0), "extra");
    EXPECT_EQ(grid_.Cell(4, 59), "n59");
    EXPECT_EQ(grid_.Cell(5, 59), "");
    const HotSpotTable rows = HotSpotRowsOf(grid_);
    ASSERT_EQ(rows.size(), 60);
    EXPECT_EQ(rows[59], QStringList({"59", "59", "50", "5"}));
    // The point of row 59 is found through the window's own rows.
    EXPECT_EQ(HotSpotAt(rows, 59, 50), 59);

    // A table at the bounds loads whole.
    ASSERT_FALSE(LoadHotSpotGrid(Write(WideThenTall(kMaxHotSpotColumns, kMaxHotSpotRows - 1)), grid_));
    EXPECT_EQ(grid_.ColCount(), kMaxHotSpotColumns);
    EXPECT_EQ(grid_.RowCount(), kMaxHotSpotRows);
    EXPECT_EQ(grid_.Cell(kMaxHotSpotColumns - 1, 0), "x");
}

TEST_F(HotSpotGrid, AMissingFileLeavesTheGridAlone) {
    const QString path = folder_.filePath("nothing.dat");
    EXPECT_EQ(LoadHotSpotGrid(path, grid_), "File not found:" + path);
    EXPECT_EQ(grid_.RowCount(), 40);
}

} // namespace
} // namespace breathlab
