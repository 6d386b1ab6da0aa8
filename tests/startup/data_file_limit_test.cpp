// Data files far larger than any the program ships are refused with a message,
// so a link to /dev/zero cannot exhaust memory; the write probe never writes
// through a link.
#include "data_files.h"
#include "description_file.h"
#include "grid_file.h"
#include "jpeg_picture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace breathlab {
namespace {

class DataFileLimit : public ::testing::Test {
protected:
    QString LinkToZero(const QString& name) {
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(QFile::link("/dev/zero", path));
        return path;
    }
    QString FileOf(const QString& name, qint64 size) {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.resize(size));
        return path;
    }
    QTemporaryDir folder_;
};

TEST_F(DataFileLimit, EndlessOrHugeFilesAreRefusedWithAMessage) {
    const QString background = LinkToZero("tlo.dat");
    const DecodedPicture picture = LoadJpegFile(background);
    EXPECT_FALSE(picture.Ok());
    EXPECT_EQ(picture.Error, background + ": the file is larger than 4 MB.");

    const DecodedPicture region = LoadRegionPicture(FileOf("F001.dat", 5 << 20));
    EXPECT_NE(region.Error.indexOf("larger than 4 MB"), -1) << region.Error.toStdString();

    const QString description = LinkToZero("pdp.txt");
    const DescriptionResult text = ReadDescription(description.toStdString(), 1);
    EXPECT_EQ(text.Error, description.toStdString() + ": the file is larger than 4 MB.");

    TextGrid grid;
    const QString table = FileOf("F000.dat", (4 << 20) + 1);
    EXPECT_EQ(LoadGridFromFile(table, grid), table + ": the file is larger than 4 MB.");
    EXPECT_EQ(grid.RowCount(), 40);

    // Exactly at the limit a file is still read.
    TextGrid full;
    EXPECT_FALSE(LoadGridFromFile(FileOf("F000.dat", 4 << 20), full));
}

TEST_F(DataFileLimit, TheWriteProbeNeverWritesThroughALink) {
    const QString folder = folder_.path() + "/";
    ASSERT_TRUE(QDir(folder).mkdir("simulations"));
    const QString precious = folder + "precious.txt";
    {
        QFile file(precious);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    ASSERT_TRUE(QFile::link(precious, folder + "simulations/test.dat"));
    EXPECT_TRUE(SimulationFolderWritable(folder));
    QFile file(precious);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "keep me");
    // The link stays, and the probe leaves nothing of its own behind.
    EXPECT_EQ(QDir(folder + "simulations").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList({"test.dat"}));
}

} // namespace
} // namespace breathlab
