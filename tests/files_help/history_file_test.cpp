#include "history_file.h"
#include "bad_history_sets.h"
#include "history_commands.h"
#include "settings_table.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <limits>
#include <memory>
#include <random>
#include <sys/resource.h>
#include <vector>

using namespace breathlab;

namespace {

std::unique_ptr<RunHistory> NewHistory() {
    return std::make_unique<RunHistory>();
}

// Open needs no settled model: a session that never started is enough.
std::unique_ptr<Session> NewSession() {
    return std::make_unique<Session>(Session::Unstarted{});
}

// A session that has opened a usable set with runs in slots 1 and 2, and
// shows the second.
std::unique_ptr<Session> SessionWithTwoRuns(const QString& path, unsigned seed);

// A session holding exactly these five records, as after opening their file.
std::unique_ptr<Session> SessionHolding(const ResultHistory& set) {
    auto session = NewSession();
    std::string error;
    EXPECT_TRUE(session->OpenBytes(&set, sizeof set, error)) << error;
    return session;
}

// Every byte of the five records, reserved areas included, gets a value.
void FillWithPattern(ResultHistory& set, unsigned seed) { FillWithUsablePattern(set, seed); }

bool SameBytes(const ResultHistory& a, const ResultHistory& b) {
    return std::memcmp(&a, &b, sizeof(ResultHistory)) == 0;
}

void WriteBytes(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(data), data.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray AsBytes(const ResultHistory& set) {
    return QByteArray(reinterpret_cast<const char*>(&set), sizeof(set));
}

void MarkOccupied(ResultHistory& set, const std::vector<int>& occupied) {
    for (auto& record : set)
        record.SampleVolume[0] = 0.0f;
    for (int slot : occupied)
        set[slot].SampleVolume[0] = 2.5f;
}

std::unique_ptr<Session> SessionWithTwoRuns(const QString& path, unsigned seed) {
    auto file = NewHistory();
    FillWithPattern(file->Slots, seed);
    MarkOccupied(file->Slots, {1, 2});
    EXPECT_TRUE(WriteHistorySet(path, file->Slots).Ok);
    auto session = NewSession();
    EXPECT_TRUE(OpenHistoryFile(path, *session).Outcome.Ok);
    EXPECT_TRUE(session->SelectRun(2));
    return session;
}

// ref.Default as the window runs it: the program's default reference read,
// then made the reference of the runs.
FileCommandResult RestoreDefaultReference(const QString& programFolder, RunHistory& history) {
    auto reference = std::make_unique<ResultRecord>();
    FileCommandResult result = ReadDefaultReference(programFolder, *reference);
    if (result.Outcome.Ok) breathlab::RestoreDefaultReference(history, *reference);
    return result;
}

struct ProgramFolder {
    QTemporaryDir dir;
    QString path;
    ProgramFolder() : path(dir.path() + "/") {
        QDir(dir.path()).mkpath("simulations");
        QDir(dir.path()).mkpath("datfiles1");
    }
};

} // namespace

TEST(HistoryFile, RoundTripKeepsEveryByteOfAllFiveSlots) {
    QTemporaryDir dir;
    const QString path = dir.filePath("round.spi");
    auto saved = NewHistory();
    FillWithPattern(saved->Slots, 7);

    ASSERT_TRUE(WriteHistorySet(path, saved->Slots).Ok);
    EXPECT_EQ(QFileInfo(path).size(), 621360);

    auto loaded = NewSession();
    const FileCommandResult opened = OpenHistoryFile(path, *loaded);
    ASSERT_TRUE(opened.Outcome.Ok) << opened.Outcome.Message.toStdString();
    EXPECT_TRUE(SameBytes(saved->Slots, loaded->History()));
    EXPECT_EQ(opened.DataSourceLine, "Plik:  round");
}

TEST(HistoryFile, OpenCountsRunsUpToTheLastOccupiedSlot) {
    QTemporaryDir dir;
    const QString path = dir.filePath("runs.spi");
    struct Case {
        std::vector<int> occupied;
        int runCount;
        int selectedRun;
    };
    const std::vector<Case> cases = {{{}, 0, -1},    {{1}, 1, 1}, {{2}, 2, 1},
                                     {{2, 4}, 3, 1}, {{4}, 3, 1}, {{1, 2, 3, 4}, 3, 1}};
    for (const Case& c : cases) {
        auto file = NewHistory();
        MakeUsable(file->Slots);
        MarkOccupied(file->Slots, c.occupied);
        file->Slots[0].SampleVolume[0] = 0.0f; // the reference never counts
        ASSERT_TRUE(WriteHistorySet(path, file->Slots).Ok);

        auto session = SessionWithTwoRuns(dir.filePath("before.spi"), 3);
        ASSERT_TRUE(OpenHistoryFile(path, *session).Outcome.Ok);
        EXPECT_EQ(session->Runs().RunCount, c.runCount);
        EXPECT_EQ(session->Runs().SelectedRun, c.selectedRun);
    }
}

TEST(HistoryFile, ShortOrMissingFileLeavesHistoryUntouched) {
    QTemporaryDir dir;
    auto session = SessionWithTwoRuns(dir.filePath("before.spi"), 3);
    auto before = NewHistory();
    *before = session->Runs();

    const QString shortFile = dir.filePath("short.spi");
    WriteBytes(shortFile, QByteArray(621359, 'x'));
    const FileCommandResult result = OpenHistoryFile(shortFile, *session);
    EXPECT_FALSE(result.Outcome.Ok);
    EXPECT_TRUE(result.Outcome.Message.contains("short.spi"));
    EXPECT_TRUE(result.Outcome.Message.contains("621359"));
    EXPECT_TRUE(result.DataSourceLine.isEmpty());

    EXPECT_FALSE(OpenHistoryFile(dir.filePath("missing.spi"), *session).Outcome.Ok);
    EXPECT_FALSE(OpenHistoryFile(dir.path(), *session).Outcome.Ok); // a folder

    EXPECT_TRUE(SameBytes(before->Slots, session->History()));
    EXPECT_EQ(session->Runs().RunCount, 2);
    EXPECT_EQ(session->Runs().SelectedRun, 2);
}

// A file longer than one set is not one this program wrote: refused whole.
TEST(HistoryFile, BytesBeyondOneHistorySetAreRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath("long.spi");
    auto file = NewHistory();
    FillWithPattern(file->Slots, 11);
    WriteBytes(path, AsBytes(file->Slots) + QByteArray(1, '\x7f'));

    auto history = NewHistory();
    const auto before = NewHistory();
    const FileOutcome read = ReadHistorySet(path, history->Slots);
    EXPECT_FALSE(read.Ok);
    EXPECT_TRUE(read.Message.contains("621361")) << read.Message.toStdString();
    EXPECT_TRUE(SameBytes(before->Slots, history->Slots));
}

// Such numbers never come from a file (the reader refuses them), but the views
// must still cope with them in memory.
TEST(HistoryFile, OddNumbersAreRefusedInFilesAndHandledWithoutHarmInMemory) {
    QTemporaryDir dir;
    const QString path = dir.filePath("odd.spi");
    const std::vector<float> odd = {std::numeric_limits<float>::quiet_NaN(),
                                    std::numeric_limits<float>::infinity(),
                                    -std::numeric_limits<float>::infinity(),
                                    3.0e38f,
                                    -5.0f,
                                    0.0f};
    auto file = NewHistory();
    auto* floats = reinterpret_cast<float*>(&file->Slots);
    for (std::size_t i = 0; i < sizeof(ResultHistory) / sizeof(float); ++i)
        floats[i] = odd[i % odd.size()];
    ASSERT_TRUE(WriteHistorySet(path, file->Slots).Ok);

    EXPECT_FALSE(OpenHistoryFile(path, *NewSession()).Outcome.Ok);
    auto history = NewHistory();
    history->Slots = file->Slots;
    CountRunsAfterOpen(*history);
    EXPECT_GE(history->RunCount, 0);
    EXPECT_LE(history->RunCount, 3);
    history->SelectedRun = history->RunCount;
    EXPECT_FALSE(SettingsTableCells(*history)[1][1].isEmpty());

    ProgramFolder program;
    auto standard = NewHistory();
    FillWithPattern(standard->Slots, 5);
    ASSERT_TRUE(WriteHistorySet(program.path + "datfiles1/standard.dat", standard->Slots).Ok);
    EXPECT_TRUE(RestoreDefaultReference(program.path, *history).Outcome.Ok);
}

// The window's Open (and `breathlab FILE.spi`) meets the same table of bad
// sets as breathlab-cli and the page; a FIFO must not freeze it.
TEST(HistoryFile, BadHistorySetsAreRefusedByNameAndChangeNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.spi");
    auto session = SessionWithTwoRuns(dir.filePath("before.spi"), 3);
    const auto before = std::make_unique<RunHistory>(session->Runs());
    auto bad = NewHistory();
    for (const BadHistorySet& spoiled : BadHistoryContents()) {
        SCOPED_TRACE(spoiled.Name);
        FillWithPattern(bad->Slots, 8);
        spoiled.Spoil(bad->Slots);
        WriteBytes(path, AsBytes(bad->Slots));
        const FileCommandResult opened = OpenHistoryFile(path, *session);
        EXPECT_FALSE(opened.Outcome.Ok);
        EXPECT_TRUE(opened.Outcome.Message.contains(QString::fromStdString(spoiled.Named)))
            << opened.Outcome.Message.toStdString();
        EXPECT_TRUE(opened.DataSourceLine.isEmpty());
        EXPECT_TRUE(SameBytes(before->Slots, session->History()));
        EXPECT_EQ(session->Runs().RunCount, before->RunCount);
        EXPECT_EQ(session->Runs().SelectedRun, before->SelectedRun);
    }
    const QString fifo = dir.filePath("fifo.spi");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(OpenHistoryFile(fifo, *session).Outcome.Message.contains("not a regular file"));
}

TEST(HistoryFile, SaveAsRefusesTheDefaultHistoryNameInAnyCase) {
    for (const char* name : {"standard.spi", "/tmp/STANDARD.SPI", "sub/Standard.Spi"})
        EXPECT_TRUE(IsReservedSaveName(name)) << name;
    for (const char* name : {"standard.spi.bak", "my_standard.spi", "standard.dat", "standard"})
        EXPECT_FALSE(IsReservedSaveName(name)) << name;

    QStringList answers = {"/a/standard.spi", "/b/STANDARD.SPI", "/c/run.spi", "/d/never.spi"};
    int asked = 0;
    const auto ask = [&] { return answers.at(asked++); };
    EXPECT_EQ(ChooseSaveAsPath(ask), "/c/run.spi");
    EXPECT_EQ(asked, 3);

    QStringList cancel = {"/a/Standard.spi", ""};
    int askedAgain = 0;
    EXPECT_TRUE(ChooseSaveAsPath([&] { return cancel.at(askedAgain++); }).isEmpty());
    EXPECT_EQ(askedAgain, 2);
}

TEST(HistoryFile, SaveWritesSaveNameIntoTheSimulationFolder) {
    ProgramFolder program;
    auto history = NewHistory();
    FillWithPattern(history->Slots, 13);
    const auto session = SessionHolding(history->Slots);

    QString saveName = kDefaultSaveName;
    const QString defaultPath = program.path + "simulations/data_default.spi";
    FileCommandResult saved = SaveHistoryFile(program.path, saveName, *session);
    ASSERT_TRUE(saved.Outcome.Ok) << saved.Outcome.Message.toStdString();
    EXPECT_EQ(ReadBytes(defaultPath), AsBytes(history->Slots));
    EXPECT_EQ(saved.Notice, "File saved in " + QDir::toNativeSeparators(defaultPath));
    EXPECT_EQ(saved.DataSourceLine, "Plik:  data_default");

    // "Save as" elsewhere, then "Save": the name follows, the folder does not.
    QTemporaryDir elsewhere;
    const FileCommandResult savedAs =
        SaveHistoryFileAs(elsewhere.filePath("Patient.A.spi"), saveName, *session);
    ASSERT_TRUE(savedAs.Outcome.Ok);
    EXPECT_EQ(saveName, "Patient.A.spi");
    EXPECT_EQ(savedAs.DataSourceLine, "Plik:  Patient.A");
    EXPECT_TRUE(savedAs.Notice.isEmpty());
    EXPECT_EQ(ReadBytes(elsewhere.filePath("Patient.A.spi")), AsBytes(history->Slots));

    saved = SaveHistoryFile(program.path, saveName, *session);
    ASSERT_TRUE(saved.Outcome.Ok);
    EXPECT_TRUE(QFile::exists(program.path + "simulations/Patient.A.spi"));
}

TEST(HistoryFile, FailedSaveAsKeepsTheSaveName) {
    QTemporaryDir dir;
    auto history = NewHistory();
    QString saveName = kDefaultSaveName;
    const FileCommandResult result =
        SaveHistoryFileAs(dir.filePath("no/such/folder/x.spi"), saveName, *NewSession());
    EXPECT_FALSE(result.Outcome.Ok);
    EXPECT_FALSE(result.Outcome.Message.isEmpty());
    EXPECT_TRUE(result.Outcome.Message.startsWith("Cannot write file " +
                                                  QDir::toNativeSeparators(dir.filePath("no"))))
        << result.Outcome.Message.toStdString();
    EXPECT_EQ(saveName, kDefaultSaveName);

    QDir(dir.path()).mkdir("taken.spi");
    EXPECT_FALSE(WriteHistorySet(dir.filePath("taken.spi"), history->Slots).Ok);
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.spi")).isDir());
}

TEST(HistoryFile, WriteThatRunsOutOfSpaceLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.spi");
    auto oldHistory = NewHistory();
    FillWithPattern(oldHistory->Slots, 17);
    ASSERT_TRUE(WriteHistorySet(path, oldHistory->Slots).Ok);

    // A file-size limit makes every write past 64 KiB fail, as a full disk
    // would, even for a user whom file permissions do not stop.
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit small = original;
    small.rlim_cur = 64 * 1024;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    auto newHistory = NewHistory();
    FillWithPattern(newHistory->Slots, 19);
    const FileOutcome outcome = WriteHistorySet(path, newHistory->Slots);

    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(outcome.Ok);
    EXPECT_EQ(ReadBytes(path), AsBytes(oldHistory->Slots));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.spi"});
}

namespace {

// A program folder with a default history whose reference is recognisable.
struct DefaultReferenceFixture : ::testing::Test {
    ProgramFolder program;
    std::unique_ptr<RunHistory> standard = NewHistory();
    std::unique_ptr<RunHistory> history = NewHistory();

    void SetUp() override {
        FillWithPattern(standard->Slots, 23);
        ASSERT_TRUE(WriteHistorySet(program.path + "datfiles1/standard.dat", standard->Slots).Ok);
        FillWithPattern(history->Slots, 29);
        for (auto& record : history->Slots) {
            for (auto& row : record.ParameterBlock)
                for (float& value : row)
                    value = 50.0f;
            for (float& value : record.GlobalParamBlock)
                value = 50.0f;
        }
        for (auto& row : history->Slots[0].ParameterBlock)
            for (float& value : row)
                value = 300.0f;
        for (float& value : history->Slots[0].GlobalParamBlock)
            value = 300.0f;
        history->Slots[0].ParameterBlock[RegionRow(3)][5] = 0.0f; // a zero never divides
    }
};

} // namespace

TEST_F(DefaultReferenceFixture, ReexpressesListedRunsAgainstNormal) {
    history->RunCount = 2;
    history->SelectedRun = 2;
    auto before = NewHistory();
    *before = *history;

    const FileCommandResult result = RestoreDefaultReference(program.path, *history);
    ASSERT_TRUE(result.Outcome.Ok);
    EXPECT_EQ(result.DataSourceLine, "Data from file:  Standard");
    EXPECT_EQ(std::memcmp(&history->Slots[0], &standard->Slots[0], sizeof(ResultRecord)), 0);

    for (int slot = 1; slot <= 2; ++slot) {
        const ResultRecord& run = history->Slots[slot];
        EXPECT_EQ(run.ParameterBlock[RegionRow(-2)][0], 150.0f);
        EXPECT_EQ(run.ParameterBlock[RegionRow(5)][7], 150.0f);
        EXPECT_EQ(run.ParameterBlock[RegionRow(3)][5], 0.0f);
        EXPECT_EQ(run.ParameterBlock[RegionRow(0)][8], 50.0f); // beyond the eight parameters
        EXPECT_EQ(run.GlobalParamBlock[0], 150.0f);
        EXPECT_EQ(run.GlobalParamBlock[15], 150.0f);
        for (int entry = 16; entry < 20; ++entry)
            EXPECT_EQ(run.GlobalParamBlock[entry], 50.0f);
    }
    for (int slot = 3; slot <= 4; ++slot)
        EXPECT_EQ(std::memcmp(&history->Slots[slot], &before->Slots[slot], sizeof(ResultRecord)),
                  0);
    EXPECT_EQ(history->SelectedRun, 2);
}

TEST_F(DefaultReferenceFixture, WithoutListedRunsOnlyTheReferenceChanges) {
    history->RunCount = 0;
    auto before = NewHistory();
    *before = *history;
    ASSERT_TRUE(RestoreDefaultReference(program.path, *history).Outcome.Ok);
    for (int slot = 1; slot < kHistorySlots; ++slot)
        EXPECT_EQ(std::memcmp(&history->Slots[slot], &before->Slots[slot], sizeof(ResultRecord)),
                  0);
}

TEST_F(DefaultReferenceFixture, UnreadableDefaultChangesNothing) {
    history->RunCount = 3;
    auto before = NewHistory();
    *before = *history;
    QFile::resize(program.path + "datfiles1/standard.dat", 1000);
    EXPECT_FALSE(RestoreDefaultReference(program.path, *history).Outcome.Ok);
    EXPECT_TRUE(SameBytes(before->Slots, history->Slots));
}

// The data folders may be spelt in any letter case: Save, the dialogs' folder
// and ref.Default find "Simulations" and "DATFILES1" as start-up does.
TEST_F(DefaultReferenceFixture, DataFoldersAreFoundWhateverTheirLetterCase) {
    ASSERT_TRUE(QDir(program.path).rename("datfiles1", "DATFILES1"));
    ASSERT_TRUE(QDir(program.path).rename("simulations", "Simulations"));
    EXPECT_EQ(SimulationFolder(program.path), program.path + "Simulations");

    history->RunCount = 0;
    EXPECT_TRUE(RestoreDefaultReference(program.path, *history).Outcome.Ok);
    EXPECT_EQ(std::memcmp(&history->Slots[0], &standard->Slots[0], sizeof(ResultRecord)), 0);

    const FileCommandResult saved =
        SaveHistoryFile(program.path, kDefaultSaveName, *SessionHolding(history->Slots));
    ASSERT_TRUE(saved.Outcome.Ok) << saved.Outcome.Message.toStdString();
    EXPECT_TRUE(QFile::exists(program.path + "Simulations/data_default.spi"));
    EXPECT_FALSE(QFileInfo::exists(program.path + "simulations"));
}

// run x reference / 100 is rounded once, as "Use as reference" rounds: 10 %
// of a reference at 66.7 % is the single nearest to 6.67, not the result of
// rounding the product before the division.
TEST_F(DefaultReferenceFixture, ReexpressionRoundsOnceFromTheStoredSingles) {
    history->RunCount = 1;
    history->Slots[0].ParameterBlock[RegionRow(0)][0] = 66.7f;
    history->Slots[1].ParameterBlock[RegionRow(0)][0] = 10.0f;
    history->Slots[0].GlobalParamBlock[0] = 66.7f;
    history->Slots[1].GlobalParamBlock[0] = 10.0f;
    ASSERT_TRUE(RestoreDefaultReference(program.path, *history).Outcome.Ok);
    const float expected = static_cast<float>(10.0 * double(66.7f) / 100.0);
    EXPECT_EQ(expected, 6.6699996f);
    EXPECT_EQ(history->Slots[1].ParameterBlock[RegionRow(0)][0], expected);
    EXPECT_EQ(history->Slots[1].GlobalParamBlock[0], expected);
}
