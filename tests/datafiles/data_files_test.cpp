#include "data_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace breathlab {
namespace {

constexpr qint64 kHistorySetBytes = 621360;

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray CountingBytes(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

// A program folder as installed: the shipped pictures and table, a stand-in
// default history of the right size and an empty simulation folder.
class ProgramFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temporary.isValid());
        folder = temporary.path() + "/";
        ASSERT_TRUE(QDir(folder).mkpath("datfiles1"));
        ASSERT_TRUE(QDir(folder).mkpath("simulations"));
        for (const char* name :
             {"F000.dat", "F001.dat", "F002.dat", "F003.dat", "F004.dat", "F005.dat", "tlo.dat"})
            ASSERT_TRUE(QFile::copy(QString(SHIPPED_DATA_FOLDER) + "/" + name,
                                    folder + "datfiles1/" + name));
        WriteFile(folder + "datfiles1/standard.dat", QByteArray(kHistorySetBytes, '\0'));
    }
    QString Data(const QString& name) const { return folder + "datfiles1/" + name; }

    QTemporaryDir temporary;
    QString folder;
};

TEST_F(ProgramFolderTest, CompleteFolderPassesTheCheckAndLeavesNoProbeBehind) {
    EXPECT_EQ(MissingDataFilesNumber(folder), 0);
    EXPECT_EQ(CheckDataFiles(folder), std::nullopt);
    EXPECT_FALSE(QFile::exists(folder + "simulations/test.dat"));
}

TEST_F(ProgramFolderTest, EachMissingFileSetsItsOwnDigit) {
    ASSERT_TRUE(QFile::remove(Data("F001.dat")));
    ASSERT_TRUE(QFile::remove(Data("standard.dat")));
    EXPECT_EQ(MissingDataFilesNumber(folder), 1000010);
    EXPECT_EQ(CheckDataFiles(folder),
              QString("One of the application files is missing or corrupted 1000010"));

    ASSERT_TRUE(QFile::remove(Data("F000.dat")));
    ASSERT_TRUE(QFile::remove(Data("F005.dat")));
    EXPECT_EQ(MissingDataFilesNumber(folder), 1100011);
    // The background picture is not part of the check.
    ASSERT_TRUE(QFile::remove(Data("tlo.dat")));
    EXPECT_EQ(MissingDataFilesNumber(folder), 1100011);
}

TEST_F(ProgramFolderTest, AFolderInPlaceOfADataFileCountsAsMissing) {
    ASSERT_TRUE(QFile::remove(Data("F002.dat")));
    ASSERT_TRUE(QDir(folder).mkpath("datfiles1/F002.dat"));
    EXPECT_EQ(MissingDataFilesNumber(folder), 100);
}

TEST_F(ProgramFolderTest, MissingFilesAreReportedBeforeTheWriteProbe) {
    ASSERT_TRUE(QDir(folder + "simulations").removeRecursively());
    ASSERT_TRUE(QFile::remove(Data("F003.dat")));
    EXPECT_EQ(CheckDataFiles(folder),
              QString("One of the application files is missing or corrupted 1000"));
}

TEST_F(ProgramFolderTest, MissingSimulationFolderFailsTheWriteProbe) {
    ASSERT_TRUE(QDir(folder + "simulations").removeRecursively());
    EXPECT_FALSE(SimulationFolderWritable(folder));
    EXPECT_EQ(CheckDataFiles(folder),
              QString("This application cannot work on the read only disk."));
}

TEST_F(ProgramFolderTest, ReadOnlySimulationFolderFailsTheWriteProbe) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_TRUE(QFile::setPermissions(folder + "simulations",
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(CheckDataFiles(folder), ReadOnlyDiskMessage());
    QFile::setPermissions(folder + "simulations",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(ProgramFolderTest, LetterCaseOfDataPathsDoesNotMatter) {
    EXPECT_EQ(ResolveDataPath(folder, "Simulations/test.dat"), folder + "simulations/test.dat");
    EXPECT_EQ(ResolveDataPath(folder, "DATFILES1/f001.DAT"), folder + "datfiles1/F001.dat");
    // A file that does not exist yet keeps the name as written.
    EXPECT_EQ(ResolveDataPath(folder, "SIMULATIONS/My Run.spi"), folder + "simulations/My Run.spi");
    EXPECT_EQ(ResolveDataPath(folder, "helpfiles/pdp.txt"), folder + "helpfiles/pdp.txt");

    ASSERT_TRUE(QDir(folder).rename("datfiles1", "DatFiles1"));
    EXPECT_EQ(MissingDataFilesNumber(folder), 0);
    ASSERT_TRUE(QDir(folder).rename("simulations", "SIMULATIONS"));
    EXPECT_TRUE(SimulationFolderWritable(folder));
    EXPECT_FALSE(QFile::exists(folder + "SIMULATIONS/test.dat"));
}

TEST_F(ProgramFolderTest, ExactSpellingWinsOverOtherCases) {
    ASSERT_TRUE(QDir(folder).mkpath("Simulations"));
    EXPECT_EQ(ResolveDataPath(folder, "Simulations/x.spi"), folder + "Simulations/x.spi");
    EXPECT_EQ(ResolveDataPath(folder, "simulations/x.spi"), folder + "simulations/x.spi");
}

TEST_F(ProgramFolderTest, ScratchFileIsRemoved) {
    WriteFile(Data("temp.dat"), "scratch");
    EXPECT_TRUE(RemoveScratchFile(folder));
    EXPECT_FALSE(QFile::exists(Data("temp.dat")));
    EXPECT_TRUE(RemoveScratchFile(folder));
}

class ReverseFileHeadTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(temporary.isValid()); }
    QString Path(const QString& name) const { return temporary.filePath(name); }
    QTemporaryDir temporary;
};

TEST_F(ReverseFileHeadTest, InPlaceTurnsTheHeadAndIsItsOwnInverse) {
    const QByteArray original = CountingBytes(150);
    WriteFile(Path("a.dat"), original);
    ASSERT_TRUE(ReverseFileHead(Path("a.dat"), "*"));
    const QByteArray once = ReadFile(Path("a.dat"));
    ASSERT_EQ(once.size(), 150);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(once[i], original[99 - i]) << i;
    EXPECT_EQ(once.mid(100), original.mid(100));

    ASSERT_TRUE(ReverseFileHead(Path("a.dat"), "*"));
    EXPECT_EQ(ReadFile(Path("a.dat")), original);
}

TEST_F(ReverseFileHeadTest, CopyReplacesTheTargetAndLeavesTheSourceAlone) {
    const QByteArray original = CountingBytes(120);
    WriteFile(Path("source.dat"), original);
    WriteFile(Path("temp.dat"), "an older scratch file that is longer than the source........"
                                "..............................................................");
    ASSERT_TRUE(ReverseFileHead(Path("source.dat"), Path("temp.dat")));
    EXPECT_EQ(ReadFile(Path("source.dat")), original);
    QByteArray turnedBack = ReadFile(Path("temp.dat"));
    ASSERT_TRUE(ReverseHead(turnedBack));
    EXPECT_EQ(turnedBack, original);
}

TEST_F(ReverseFileHeadTest, ReadOnlySourceStillGivesAWorkableCopy) {
    WriteFile(Path("source.dat"), CountingBytes(100));
    ASSERT_TRUE(QFile::setPermissions(Path("source.dat"), QFileDevice::ReadOwner));
    EXPECT_TRUE(ReverseFileHead(Path("source.dat"), Path("copy.dat")));
    EXPECT_EQ(ReadFile(Path("copy.dat"))[0], char(99));
}

TEST_F(ReverseFileHeadTest, TargetNamingTheSourceWorksInPlaceInsteadOfLosingIt) {
    const QByteArray original = CountingBytes(130);
    WriteFile(Path("a.dat"), original);
    ASSERT_TRUE(ReverseFileHead(Path("a.dat"), temporary.path() + "/./a.dat"));
    QByteArray turnedBack = ReadFile(Path("a.dat"));
    ASSERT_TRUE(ReverseHead(turnedBack));
    EXPECT_EQ(turnedBack, original);
}

TEST_F(ReverseFileHeadTest, MissingOrShortSourceChangesNothing) {
    EXPECT_FALSE(ReverseFileHead(Path("none.dat"), Path("target.dat")));
    EXPECT_FALSE(QFile::exists(Path("target.dat")));

    const QByteArray shortFile = CountingBytes(99);
    WriteFile(Path("short.dat"), shortFile);
    EXPECT_FALSE(ReverseFileHead(Path("short.dat"), "*"));
    EXPECT_EQ(ReadFile(Path("short.dat")), shortFile);

    QByteArray bytes = shortFile;
    EXPECT_FALSE(ReverseHead(bytes));
    EXPECT_EQ(bytes, shortFile);
}

} // namespace
} // namespace breathlab
