// Whole examinations. Each costs a fraction of a second, so they are few and
// each checks several things.
#include "session.h"
#include "history_set_io.h"
#include "model_test_support.h"

#include <cstring>
#include <gtest/gtest.h>

namespace breathlab {
namespace {

ParameterSet With(int parameter, double percent) {
    ParameterSet p;
    p.At(kBothLungs, parameter) = percent;
    return p;
}

class DefaultExamination : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        session = new Session();
        session->Start(ParameterSet{});
    }
    static void TearDownTestSuite() { delete session; }
    static Session* session;
};
Session* DefaultExamination::session = nullptr;

TEST_F(DefaultExamination, CompletesWithPlausibleAdultIndices) {
    const ResultRecord& r = session->History()[1];
    EXPECT_EQ(r.RunStatus, 1);
    EXPECT_EQ(session->Model().ManoeuvrePhase, 8);
    EXPECT_NEAR(r.FVCEX, 3.4, 0.5);
    EXPECT_NEAR(r.FEV1PercentFVC, 80, 8);
    EXPECT_NEAR(r.PEF, 8.5, 1.5);
    EXPECT_GT(r.MEF75, r.MEF50);
    EXPECT_GT(r.MEF50, r.MEF25);
    EXPECT_GT(r.MEF25, 0);
    EXPECT_NEAR(r.FRC, 3.0, 0.3);
    EXPECT_GT(r.TLC, r.FRC + 2);
    EXPECT_GT(r.FET, 1.5);
    EXPECT_LT(r.FlowAtFev1, 0);
    EXPECT_EQ(r.SignalSelection, 1);
}

TEST_F(DefaultExamination, RecordsBothTracesAndTheLobes) {
    const ResultRecord& r = session->History()[1];
    EXPECT_FLOAT_EQ(r.TimeAxis[0], 0.1f);
    EXPECT_GT(r.VolumeTrace[0], 2);
    int samples = 0;
    while (samples < kSampleCapacity && r.SampleVolume[samples] > 0) ++samples;
    EXPECT_GT(samples, 300);
    EXPECT_LT(samples, kUsableSamples);
    for (int j = 0; j < kLobeCount; ++j) {
        EXPECT_GT(r.LobeVolumeTrace[0][j], 0); // end of the FRC period
        EXPECT_GT(r.LobeVolumeTrace[samples][j], 0);
    }
}

TEST_F(DefaultExamination, MatchesTheShippedDefaultHistory) {
    auto shipped = std::make_unique<ResultHistory>();
    std::string error;
    ASSERT_TRUE(ReadHistorySet(BREATHLAB_SOURCE_DIR "/datfiles1/standard.dat", *shipped, error))
        << error;
    // A user's first default START after start-up reproduces the reference byte for byte.
    EXPECT_EQ(std::memcmp(&(*shipped)[0], &session->History()[1], sizeof(ResultRecord)), 0)
        << "datfiles1/standard.dat is out of date: regenerate it with breathlab-cli make-standard";
    for (int slot = 1; slot < kHistorySlots; ++slot) EXPECT_EQ((*shipped)[slot].SampleVolume[0], 0);
}

TEST(Examination, SecondRunContinuesFromTheFirstRunsState) {
    Session session;
    session.Start(ParameterSet{});
    const ResultRecord first = session.History()[1];
    session.Start(ParameterSet{});
    const ResultRecord& second = session.History()[1];
    EXPECT_EQ(second.RunStatus, 1);
    EXPECT_EQ(std::memcmp(&session.History()[2], &first, sizeof first), 0); // pushed down
    // Not restarted from the reset state: the numbers differ in the last digits.
    EXPECT_NE(second.FRC, first.FRC);
    EXPECT_NEAR(second.FEV1, first.FEV1, 0.01);
}

TEST(Examination, ImpossibleQuietInspirationEndsDead) {
    Session session;
    session.Start(With(5, 5000)); // peripheral airways almost shut
    const ResultRecord& r = session.History()[1];
    EXPECT_EQ(r.RunStatus, 0);
    for (float v : r.SampleVolume) ASSERT_EQ(v, 0);
    EXPECT_EQ(r.FVCEX, 0);
}

TEST(Examination, NumericalFailureEndsInErrorAndResetsTheModel) {
    Session session;
    session.Start(With(8, 10)); // lungs ten times as stiff
    const ResultRecord& r = session.History()[1];
    EXPECT_EQ(r.RunStatus, -1);
    for (float v : r.SampleVolume) ASSERT_EQ(v, 0);
    const LungModel& m = session.Model();
    EXPECT_FALSE(m.NumericalFailure);
    EXPECT_LT(m.Time, 2.6); // the reset settled the model again
    // The user's percentages survive the reset.
    EXPECT_EQ(session.History()[1].ParameterBlock[RegionRow(kBothLungs)][7], 10);
}

TEST(Examination, ResetSetsEveryParameterPercentageButNotTheGlobalOnes) {
    auto h = test::NormalHistory();
    (*h)[3].ParameterBlock[0][2] = 37;
    (*h)[3].ParameterBlock[0][9] = 37;
    (*h)[3].GlobalParamBlock[4] = 37;
    test::SettledModel(*h);
    EXPECT_EQ((*h)[3].ParameterBlock[0][2], 100);
    EXPECT_EQ((*h)[3].ParameterBlock[0][9], 37); // reserved column
    EXPECT_EQ((*h)[3].GlobalParamBlock[4], 37);
}

} // namespace
} // namespace breathlab
