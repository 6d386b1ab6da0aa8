// A run that did not complete, or completed with impossible indices, reports
// no index: neither the record's leftovers nor physically impossible values.
#include "session.h"
#include "run_outcome.h"
#include "run_report.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

namespace breathlab {
namespace {

// A plausible completed record: the default run's indices, rounded.
std::unique_ptr<ResultRecord> CompletedRecord() {
    auto r = std::make_unique<ResultRecord>();
    r->RunStatus = 1;
    r->FEV1 = 2.84f;
    r->FVCEX = 3.42f;
    r->FEV1PercentFVC = 83.0f;
    r->PEF = 8.58f;
    r->MEF75 = 7.19f;
    r->MEF50 = 3.51f;
    r->MEF25 = 1.33f;
    r->ERV = 1.11f;
    r->FlowAtFev1 = -0.86f;
    r->FRC = 2.98f;
    r->TLC = 5.30f;
    r->FET = 2.67f;
    return r;
}

TEST(RunOutcome, ImpossibleIndicesOfACompletedRunMakeItAFailure) {
    EXPECT_TRUE(JudgeRun(*CompletedRecord()).Completed());
    struct Case {
        void (*Spoil)(ResultRecord&);
        const char* Problem;
    };
    for (const Case& c : {
             Case{[](ResultRecord& r) { r.TLC = r.FRC - 0.5f; }, "TLC is not above FRC"},
             Case{[](ResultRecord& r) { r.FEV1 = r.FVCEX + 0.1f; }, "FEV1 is above FVC"},
             Case{[](ResultRecord& r) { r.FVCEX = 0; }, "FVC is not above 0"},
             Case{[](ResultRecord& r) { r.FVCEX = r.TLC + 1; }, "FVC is above TLC"},
             Case{[](ResultRecord& r) { r.MEF50 = NAN; }, "an index is not a finite number"},
         }) {
        auto r = CompletedRecord();
        c.Spoil(*r);
        const RunOutcome outcome = JudgeRun(*r);
        EXPECT_EQ(outcome.Status, -1) << c.Problem;
        ASSERT_NE(outcome.Problem, nullptr) << c.Problem;
        EXPECT_STREQ(outcome.Problem, c.Problem);
    }
    auto dead = CompletedRecord();
    dead->RunStatus = 0;
    EXPECT_EQ(JudgeRun(*dead).Status, 0);
    EXPECT_EQ(JudgeRun(*dead).Problem, nullptr);
}

TEST(RunOutcome, ReportsOfARunThatDidNotCompleteHoldNoIndex) {
    auto r = CompletedRecord();
    r->RunStatus = -1; // the previous run's indices are still in the record
    LungModel model{};
    std::ostringstream json, table;
    PrintJsonLine(json, *r, model);
    PrintIndexTable(table, 1, *r, model);
    EXPECT_NE(json.str().find("\"RunStatus\":-1,"), std::string::npos) << json.str();
    EXPECT_NE(json.str().find("\"FEV1\":null"), std::string::npos) << json.str();
    EXPECT_EQ(json.str().find("2.84"), std::string::npos) << json.str();
    EXPECT_EQ(table.str().find("2.84"), std::string::npos) << table.str();

    r->RunStatus = 1;
    r->TLC = 1.0f; // below FRC
    json.str("");
    PrintJsonLine(json, *r, model);
    EXPECT_NE(json.str().find("\"RunStatus\":-1,\"Problem\":\"TLC is not above FRC\""),
              std::string::npos)
        << json.str();
    EXPECT_NE(json.str().find("\"FVCEX\":null"), std::string::npos) << json.str();
}

// People read FVC and FEV1/FVC in the table; scripts keep the JSON keys.
TEST(RunOutcome, TheTableNamesTheIndicesAsReportsDoAndJsonKeepsItsKeys) {
    auto r = CompletedRecord();
    LungModel model{};
    std::ostringstream json, table;
    PrintJsonLine(json, *r, model);
    PrintIndexTable(table, 1, *r, model);
    EXPECT_NE(table.str().find("\n  FVC "), std::string::npos) << table.str();
    EXPECT_NE(table.str().find("\n  FEV1/FVC "), std::string::npos) << table.str();
    EXPECT_EQ(table.str().find("FVCEX"), std::string::npos) << table.str();
    EXPECT_EQ(table.str().find("FEV1%FVC"), std::string::npos) << table.str();
    EXPECT_NE(json.str().find("\"FVCEX\":"), std::string::npos) << json.str();
    EXPECT_NE(json.str().find("\"FEV1%FVC\":"), std::string::npos) << json.str();
}

// G1 and G3 near zero: the model finishes, with TLC below FRC.
TEST(RunOutcome, ASweepRowOfAnImpossibleRunHasStatusMinusOneAndEmptyIndices) {
    std::string error;
    auto o = ParseSweepOptions({"--vary", "G1=1e-30:1e-30:1", "--set", "G3=1e-30", "--jobs", "1"},
                               error);
    ASSERT_TRUE(o) << error;
    std::ostringstream out;
    ASSERT_TRUE(RunSweep(*o, nullptr, out, false, error)) << error;
    const std::string text = out.str();
    const std::string row = text.substr(text.rfind("\n0,") + 1);
    EXPECT_EQ(row, "0,1e-30,1e-30,-1,,,,,,,,,,,,\n");
}

} // namespace
} // namespace breathlab
