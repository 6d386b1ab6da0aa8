// A hot-spot table file with one very wide row and many short ones: the grid
// must hold what the file holds, not every row padded to the widest.
#include "fuzz_environment.h"

#include "grid_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>

namespace breathlab {
namespace {

// Resident memory of this process, from the kernel's own count.
long ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

TEST(GridFileRegression, WideRowDoesNotPadEveryRow) {
    constexpr int kSide = 5000; // 5000 fields in row 0, then 5000 rows of 4
    std::string text(kSide, ';');
    text += "wide end";
    for (int row = 1; row <= kSide; ++row) text += "\n1;2;3;4";
    const QString path = WriteScratchFile("wide_table.dat", text.data(), text.size());

    const long before = ResidentMegabytes();
    TextGrid grid;
    ASSERT_FALSE(LoadGridFromFile(path, grid));
    // Padded, 25 million empty cells would take some 600 MB for a 40 KB file.
    EXPECT_LT(ResidentMegabytes() - before, 100);

    EXPECT_EQ(grid.RowCount(), kSide + 1);
    EXPECT_EQ(grid.ColumnCount(), kSide + 1);
    EXPECT_EQ(grid.Cell(kSide, 0), "wide end");
    EXPECT_EQ(grid.Cell(3, kSide), "4");
    EXPECT_EQ(grid.Cell(kSide, kSide), "");
    EXPECT_EQ(grid.Cell(4, 1), "");
}

} // namespace
} // namespace breathlab
