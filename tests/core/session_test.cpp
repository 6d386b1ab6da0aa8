// The session every front end drives: what its observers hear and in which
// order, the results table's commands where no run stands, a refused file,
// and START's live calls against the run they report.
#include "session.h"

#include "bad_history_sets.h"
#include "history_set_io.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace breathlab {
namespace {

constexpr int kBothLungsRow = 2;
constexpr int kRPeripheral = 5; // parameter number; column 4

const char* Name(SessionCommand command) {
    switch (command) {
    case SessionCommand::Start: return "Start";
    case SessionCommand::Select: return "Select";
    case SessionCommand::Delete: return "Delete";
    case SessionCommand::UseAsReference: return "UseAsReference";
    case SessionCommand::DefaultReference: return "DefaultReference";
    case SessionCommand::Open: return "Open";
    case SessionCommand::AddRun: return "AddRun";
    }
    return "?";
}

// Every notification but the live ones, as "History(Delete)", "Selection(Delete,1)", ...
struct Heard {
    std::vector<std::string> Calls;

    SessionObserver Observer() {
        SessionObserver o;
        o.HistoryChanged = [this](SessionCommand c) {
            Calls.push_back(std::string("History(") + Name(c) + ")");
        };
        o.SelectionChanged = [this](SessionCommand c, int run) {
            Calls.push_back(std::string("Selection(") + Name(c) + "," + std::to_string(run) + ")");
        };
        o.ParametersLoaded = [this](SessionCommand c, int slot) {
            Calls.push_back(std::string("Parameters(") + Name(c) + "," + std::to_string(slot) + ")");
        };
        return o;
    }
    std::vector<std::string> Take() { return std::exchange(Calls, {}); }
};

using Calls = std::vector<std::string>;

// One settled start-up from the shipped default set, copied for each test.
class SessionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        standard_ = new ResultHistory;
        std::string error;
        ASSERT_TRUE(ReadHistorySet(BREATHLAB_SOURCE_DIR "/datfiles1/standard.dat", *standard_, error))
            << error;
        settled_ = new Session(standard_);
    }
    static void TearDownTestSuite() {
        delete settled_;
        delete standard_;
    }
    void SetUp() override { session->SetObserver(heard.Observer()); }

    // Two listed runs: RPeripheral 200 (now slot 2) and 400 (slot 1, selected).
    void TwoRuns() {
        session->Parameters().At(kBothLungs, kRPeripheral) = 200;
        session->Start();
        session->Parameters().At(kBothLungs, kRPeripheral) = 400;
        session->Start();
        heard.Take();
    }

    bool HistoryIs(const ResultHistory& expected) const {
        return std::memcmp(&session->History(), &expected, sizeof(ResultHistory)) == 0;
    }

    static ResultHistory* standard_;
    static Session* settled_;
    std::unique_ptr<Session> session = std::make_unique<Session>(*settled_);
    Heard heard;
};

ResultHistory* SessionTest::standard_ = nullptr;
Session* SessionTest::settled_ = nullptr;

TEST_F(SessionTest, EachCommandTellsItsObserversOnceInOrder) {
    session->Start();
    EXPECT_EQ(heard.Take(), (Calls{"History(Start)", "Selection(Start,1)"}));
    session->Parameters().At(kBothLungs, kRPeripheral) = 300;
    session->Start();
    heard.Take();

    EXPECT_TRUE(session->SelectRun(2));
    EXPECT_EQ(heard.Take(), (Calls{"Selection(Select,2)", "Parameters(Select,2)"}));
    EXPECT_EQ(session->Parameters().At(kBothLungs, kRPeripheral), 100.0); // run 2's own

    EXPECT_TRUE(session->UseSelectedAsReference());
    EXPECT_EQ(heard.Take(), (Calls{"History(UseAsReference)", "Parameters(UseAsReference,2)"}));

    session->RestoreDefaultReference();
    EXPECT_EQ(heard.Take(), (Calls{"History(DefaultReference)", "Parameters(DefaultReference,2)"}));
    EXPECT_EQ(session->History()[0].FEV1, (*standard_)[0].FEV1);

    EXPECT_TRUE(session->DeleteSelected());
    EXPECT_EQ(heard.Take(), (Calls{"History(Delete)", "Selection(Delete,1)", "Parameters(Delete,1)"}));
    EXPECT_EQ(session->Parameters().At(kBothLungs, kRPeripheral), 300.0); // the run left

    EXPECT_TRUE(session->DeleteSelected());
    EXPECT_EQ(heard.Take(), (Calls{"History(Delete)", "Selection(Delete,-1)"}));
    EXPECT_EQ(session->Runs().RunCount, 0);

    std::string error;
    ASSERT_TRUE(session->OpenBytes(standard_, sizeof(ResultHistory), error)) << error;
    EXPECT_EQ(heard.Take(),
              (Calls{"History(Open)", "Selection(Open,-1)", "Parameters(Open,0)"}));

    ResultRecord caseRun = settled_->History()[0];
    caseRun.SampleVolume[0] = 1.0f;
    session->AddRun(caseRun, (*standard_)[0]);
    EXPECT_EQ(heard.Take(), (Calls{"History(AddRun)", "Selection(AddRun,1)", "Parameters(AddRun,1)"}));
    EXPECT_EQ(session->Runs().RunCount, 1);
}

// The reference row (4), the settings row (0) and rows without a run select
// nothing; the commands then act on the run selected before, or on none.
TEST_F(SessionTest, RowsWithoutARunLeaveTheSelectionAndTheCommandsActOnTheRunSelectedBefore) {
    auto untouched = std::make_unique<ResultHistory>(session->History());
    EXPECT_FALSE(session->DeleteSelected());
    EXPECT_FALSE(session->UseSelectedAsReference());
    EXPECT_TRUE(HistoryIs(*untouched));
    EXPECT_TRUE(heard.Take().empty());

    TwoRuns();
    ASSERT_TRUE(session->SelectRun(2));
    heard.Take();
    const ParameterSet working = session->Parameters();
    for (int row : {0, 3, 4, -1, 5}) {
        EXPECT_FALSE(session->SelectRun(row)) << row;
        EXPECT_EQ(session->Runs().SelectedRun, 2) << row;
    }
    EXPECT_TRUE(heard.Take().empty());
    EXPECT_EQ(session->Parameters().RegionParams, working.RegionParams);

    const float secondRunFev1 = session->History()[2].FEV1;
    const float firstRunFev1 = session->History()[1].FEV1;
    ASSERT_TRUE(session->UseSelectedAsReference());
    EXPECT_EQ(session->History()[0].FEV1, secondRunFev1);
    // RPeripheral 400 against a reference of 200 reads 200.
    EXPECT_EQ(session->History()[1].ParameterBlock[kBothLungsRow][kRPeripheral - 1], 200.0f);
    EXPECT_EQ(session->History()[2].ParameterBlock[kBothLungsRow][kRPeripheral - 1], 100.0f);

    ASSERT_TRUE(session->DeleteSelected());
    EXPECT_EQ(session->Runs().RunCount, 1);
    EXPECT_EQ(session->History()[1].FEV1, firstRunFev1);
}

class SessionFiles : public SessionTest {
  protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("breathlab-session-" + std::to_string(::getpid()));
    void SetUp() override {
        SessionTest::SetUp();
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Write(const std::string& name, const void* data, std::size_t size) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary).write(static_cast<const char*>(data), std::streamsize(size));
        return path;
    }
};

TEST_F(SessionFiles, ARefusedFileLeavesRunsSelectionAndParametersAsTheyWere) {
    TwoRuns();
    ASSERT_TRUE(session->SelectRun(2));
    session->Parameters().At(kLeftLung, 1) = 250;
    heard.Take();
    const auto before = std::make_unique<ResultHistory>(session->History());
    const RunHistory& runs = session->Runs();
    const ParameterSet working = session->Parameters();

    auto bad = std::make_unique<ResultHistory>();
    std::vector<std::string> paths = {(dir / "missing.spi").string(), dir.string(),
                                      Write("short.spi", standard_, sizeof(ResultHistory) - 1)};
    for (const BadHistorySet& spoiled : BadHistoryContents()) {
        *bad = *standard_;
        spoiled.Spoil(*bad);
        paths.push_back(Write(spoiled.Name + ".spi", bad.get(), sizeof(ResultHistory)));
    }
    for (const std::string& path : paths) {
        std::string error;
        EXPECT_FALSE(session->Open(path, error)) << path;
        EXPECT_FALSE(error.empty()) << path;
        EXPECT_TRUE(HistoryIs(*before)) << path;
        EXPECT_EQ(runs.SelectedRun, 2) << path;
        EXPECT_EQ(runs.RunCount, 2) << path;
        EXPECT_EQ(session->Parameters().RegionParams, working.RegionParams) << path;
        EXPECT_EQ(session->Parameters().GlobalParams, working.GlobalParams) << path;
    }
    EXPECT_TRUE(heard.Take().empty());
}

TEST_F(SessionFiles, ASavedSessionOpensAgainByteForByte) {
    TwoRuns();
    std::string error;
    const std::string path = (dir / "two runs.spi").string();
    ASSERT_TRUE(session->Save(path, error)) << error;
    const auto saved = std::make_unique<ResultHistory>(session->History());

    Session other(*settled_);
    ASSERT_TRUE(other.Open(path, error)) << error;
    EXPECT_EQ(std::memcmp(&other.History(), saved.get(), sizeof(ResultHistory)), 0);
    EXPECT_EQ(other.Runs().RunCount, 2);
    EXPECT_EQ(other.Runs().SelectedRun, 1);
    EXPECT_EQ(other.Parameters().At(kBothLungs, kRPeripheral), 400.0);
}

// The live calls report the run as it is being recorded: each 100 ms point
// is the one the finished record keeps, the clock only moves on, and a
// watched run gives the same bytes as one nobody watches.
TEST_F(SessionTest, StartsLiveCallsSeeTheRunsOwnSamples) {
    struct Point {
        int Index;
        float Time, Volume;
    };
    std::vector<Point> points;
    std::vector<double> clock;
    std::vector<std::size_t> pointsAtStarting;
    SessionObserver o = heard.Observer();
    o.RunStarting = [&] { pointsAtStarting.push_back(points.size()); };
    o.TracePointStored = [&] {
        const int index = session->Model().RecordingMs / 100;
        const ResultRecord& working = session->History()[1];
        points.push_back({index, working.TimeAxis[index - 1], working.VolumeTrace[index - 1]});
        EXPECT_TRUE(session->Runs().RunInProgress);
    };
    o.ClockDue = [&] { clock.push_back(session->Model().DisplayTime); };
    session->SetObserver(o);
    session->Parameters().At(kBothLungs, kRPeripheral) = 300;
    session->Start();

    EXPECT_EQ(pointsAtStarting, std::vector<std::size_t>{0});
    EXPECT_FALSE(session->Runs().RunInProgress);
    const ResultRecord& run = session->History()[1];
    ASSERT_GT(points.size(), 100u);
    ASSERT_LT(points.size(), std::size(run.TimeAxis));
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].Index, int(i) + 1);
        EXPECT_EQ(points[i].Time, run.TimeAxis[i]);
        EXPECT_EQ(points[i].Volume, run.VolumeTrace[i]);
    }
    EXPECT_EQ(run.TimeAxis[points.size()], 0.0f); // nothing recorded after the last call
    ASSERT_FALSE(clock.empty());
    for (std::size_t i = 1; i < clock.size(); ++i) EXPECT_GT(clock[i], clock[i - 1]);

    Session unwatched(*settled_);
    unwatched.Parameters().At(kBothLungs, kRPeripheral) = 300;
    unwatched.Start();
    EXPECT_TRUE(HistoryIs(unwatched.History()));
    EXPECT_EQ(heard.Take(), (Calls{"History(Start)", "Selection(Start,1)"}));
}

} // namespace
} // namespace breathlab
