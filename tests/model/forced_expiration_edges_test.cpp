// Edges of the examination a default patient never reaches: a forced
// expiration so obstructed that the time limit ends it, and a run cut while
// the forced expiration is still going on.
#include "simulation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace breathlab {
namespace {

constexpr int kBothLungsRow = 2;
constexpr int kRMiddle = 2; // columns: parameter - 1
constexpr int kCm = 7;

struct Examination {
    std::unique_ptr<LungModel> Model = std::make_unique<LungModel>();
    std::unique_ptr<ResultHistory> History = std::make_unique<ResultHistory>();

    // RMiddle 1600 % and Cm 150 % of both lungs: middle airways sixteen times
    // as resistive and a lung that holds more, so the forced expiration is
    // slow and long.
    Examination() {
        for (ResultRecord& r : *History)
            std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
        ResetModel(*Model, *History);
        (*History)[1].ParameterBlock[kBothLungsRow][kRMiddle] = 1600;
        (*History)[1].ParameterBlock[kBothLungsRow][kCm] = 150;
    }
    // The end of the blast: the forced expiration may go on 30 s beyond it.
    double BlastEnd() const {
        return Model->CycleStart + 7 + Model->DeepInspirationDuration + Model->BlastDuration;
    }
};

// The run goes on while the subject still breathes out; only the 30 s limit
// after the blast ends this one. So it ends within a millisecond step of the
// limit with flow still above the 3 mL/s of an ended expiration, completes,
// and its FET is what is left of those 30 s after the forced expiration's
// start: more than 20 s (a default patient needs under 3 s), never 30 or more.
TEST(ForcedExpirationEdges, AVeryObstructedExpirationEndsAtTheTimeLimit) {
    Examination e;
    RunManoeuvre(*e.Model, *e.History);
    const ResultRecord& r = (*e.History)[1];
    ASSERT_EQ(r.RunStatus, 1);
    EXPECT_GT(e.Model->Time, e.BlastEnd() + 30);
    EXPECT_LT(e.Model->Time, e.BlastEnd() + 30 + 0.0015);
    EXPECT_GE(std::fabs(e.Model->TrachealFlow), 0.003);
    EXPECT_GT(r.FET, 20);
    EXPECT_LT(r.FET, 30);
    EXPECT_LT(r.FEV1 / r.FVCEX, 0.4); // severe obstruction
}

// A run whose time runs out in the middle of the forced expiration has not
// finished the manoeuvre: incomplete (-1), and its recorded samples are
// dropped, so nothing draws a curve or computes indices from half of it.
TEST(ForcedExpirationEdges, ARunCutDuringTheForcedExpirationIsIncomplete) {
    Examination whole;
    RunManoeuvre(*whole.Model, *whole.History);
    const double midExpiration = whole.BlastEnd() + 10;

    Examination cut;
    cut.Model->RunTimeLimit = midExpiration;
    RunManoeuvre(*cut.Model, *cut.History);
    EXPECT_TRUE(cut.Model->Recording);
    const ResultRecord& r = (*cut.History)[1];
    EXPECT_EQ(r.RunStatus, -1);
    EXPECT_TRUE(std::all_of(std::begin(r.SampleVolume), std::end(r.SampleVolume),
                            [](float v) { return v == 0; }));
    // The whole run of the same patient kept its samples.
    const ResultRecord& full = (*whole.History)[1];
    EXPECT_FALSE(std::all_of(std::begin(full.SampleVolume), std::end(full.SampleVolume),
                             [](float v) { return v == 0; }));
}

} // namespace
} // namespace breathlab
