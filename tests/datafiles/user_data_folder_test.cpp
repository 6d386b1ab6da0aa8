// Where an installed program reads and writes, against one run in place.
#include "data_files.h"
#include "user_data_folder.h"
#include "user_data_home.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace breathlab {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A prefix laid out as the package installs it: PREFIX/bin for the programs,
// PREFIX/share/breathlab for the data, and a separate home for the user.
class InstalledLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        prefix = root.path() + "/usr/";
        home = root.path() + "/home/.local/share";
        ASSERT_TRUE(QDir().mkpath(prefix + "bin"));
        ASSERT_TRUE(QDir().mkpath(prefix + "share/breathlab/helpfiles"));
        ASSERT_TRUE(QDir().mkpath(prefix + "share/breathlab/datfiles1"));
        for (const char* name :
             {"F000.dat", "F001.dat", "F002.dat", "F003.dat", "F004.dat", "F005.dat", "tlo.dat"})
            ASSERT_TRUE(QFile::copy(QString(SHIPPED_DATA_FOLDER) + "/" + name,
                                    prefix + "share/breathlab/datfiles1/" + name));
        WriteFile(prefix + "share/breathlab/datfiles1/standard.dat", QByteArray(621360, '\0'));
    }

    QTemporaryDir root;
    QString prefix;
    QString home;
};

// Broken environments still give an absolute data home: a relative
// XDG_DATA_HOME is ignored, and without HOME the password database answers.
TEST(UserDataHomeTest, ComesFromAbsolutePathsOnly) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* database;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/x", "/home/u", "/home/db", "/data/x"},
        {"", "/home/u", "/home/db", "/home/u/.local/share"},
        {"relative/share", "/home/u", "/home/db", "/home/u/.local/share"},
        {"", "", "/home/db", "/home/db/.local/share"},
        {"", "u", "/home/db", "/home/db/.local/share"},
        {"", "", "", ""},
        {"/data/x/", "", "", "/data/x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UserDataHome(c.xdg, c.home, c.database), QString(c.expected))
            << c.xdg << " | " << c.home << " | " << c.database;
}

TEST(UserDataHomeTest, WithoutHomeTheRunningProcessAsksThePasswordDatabase) {
    const QByteArray home = qgetenv("HOME");
    const QByteArray xdg = qgetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    qputenv("XDG_DATA_HOME", "relative");
    const QString found = RunningUserDataHome();
    qputenv("HOME", home);
    if (xdg.isNull()) qunsetenv("XDG_DATA_HOME"); else qputenv("XDG_DATA_HOME", xdg);
    EXPECT_TRUE(found.startsWith('/')) << found.toStdString();
    EXPECT_FALSE(found.startsWith("//")) << found.toStdString();
    EXPECT_TRUE(found.endsWith("/.local/share")) << found.toStdString();
}

TEST_F(InstalledLayoutTest, DataComeFromShareAndWritesGoToTheUsersFolder) {
    const DataFolders folders = ChooseDataFolders(prefix + "bin/", home);
    EXPECT_TRUE(folders.Installed);
    EXPECT_EQ(folders.Data, QDir::cleanPath(prefix + "share/breathlab") + "/");
    EXPECT_EQ(folders.User, home + "/breathlab/");

    // First start: the user's folder and its simulations appear, the probe
    // passes there and nothing is left in the shared data.
    const QStringList sharedBefore = QDir(folders.Data + "datfiles1").entryList(QDir::Files);
    ASSERT_TRUE(PrepareUserFolder(folders));
    EXPECT_TRUE(QFileInfo(home + "/breathlab/simulations").isDir());
    EXPECT_EQ(CheckDataFiles(folders.Data, folders.User), std::nullopt);
    EXPECT_EQ(QDir(folders.Data + "datfiles1").entryList(QDir::Files), sharedBefore);
    EXPECT_FALSE(QFileInfo::exists(folders.Data + "simulations"));
}

TEST_F(InstalledLayoutTest, AUserFolderThatCannotBeMadeFailsTheWriteProbe) {
    const DataFolders folders = ChooseDataFolders(prefix + "bin", home);
    // The data stay where they are; a user folder that cannot be made (a
    // file in its way) is the one failure the write probe reports.
    ASSERT_TRUE(QDir().mkpath(home));
    WriteFile(home + "/breathlab", "in the way");
    EXPECT_FALSE(PrepareUserFolder(folders));
    EXPECT_EQ(CheckDataFiles(folders.Data, folders.User), ReadOnlyDiskMessage());
    // Missing shared data still come first, with their number.
    ASSERT_TRUE(QFile::remove(folders.Data + "datfiles1/F002.dat"));
    EXPECT_EQ(CheckDataFiles(folders.Data, folders.User), MissingDataFilesMessage(100));
}

TEST_F(InstalledLayoutTest, AnEditedHotSpotTableIsTheUsersCopy) {
    const DataFolders folders = ChooseDataFolders(prefix + "bin/", home);
    const QString shipped = folders.Data + "datfiles1/F000.dat";
    EXPECT_EQ(HotSpotTableToRead(folders), shipped);

    const QString written = HotSpotTableToWrite(folders);
    EXPECT_EQ(written, home + "/breathlab/datfiles1/F000.dat");
    EXPECT_TRUE(QFileInfo(home + "/breathlab/datfiles1").isDir());
    WriteFile(written, "no;x;y;region\n");
    EXPECT_EQ(HotSpotTableToRead(folders), written);
}

TEST(DataFoldersTest, AProgramWithItsDataBesideItReadsAndWritesThere) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString bin = root.path() + "/build/bin/";
    ASSERT_TRUE(QDir().mkpath(bin + "DatFiles1"));
    // Even with an installed copy next door, the folder beside the program wins.
    ASSERT_TRUE(QDir().mkpath(root.path() + "/build/share/breathlab/datfiles1"));
    const DataFolders folders = ChooseDataFolders(bin, root.path() + "/home");
    EXPECT_FALSE(folders.Installed);
    EXPECT_EQ(folders.Data, bin);
    EXPECT_EQ(folders.User, bin);
    EXPECT_TRUE(PrepareUserFolder(folders));
    EXPECT_FALSE(QFileInfo::exists(root.path() + "/home"));
    EXPECT_EQ(HotSpotTableToWrite(folders), bin + "DatFiles1/F000.dat");
}

TEST(DataFoldersTest, WithoutAnyDataTheProgramFolderIsKeptForTheMissingFilesMessage) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const DataFolders folders = ChooseDataFolders(root.path() + "/bin", root.path() + "/home");
    EXPECT_FALSE(folders.Installed);
    EXPECT_EQ(folders.Data, root.path() + "/bin/");
    EXPECT_EQ(CheckDataFiles(folders.Data, folders.User), MissingDataFilesMessage(1111111));
}

} // namespace
} // namespace breathlab
