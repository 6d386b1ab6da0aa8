// The page's case library and exercise rounds natively: the same table gives
// the same rounds as the window's exercise session, and a round's patient is
// run aside without touching the listed runs.
#include "page_cases.h"
#include "page_session.h"

#include "history_set_io.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace breathlab {
namespace {

std::string TableText() {
    std::ifstream in(CASE_TABLE_FILE);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(PageCases, RoundsAreTheWindowsRoundsAndListTheirCase) {
    std::string error;
    PageCases page;
    ASSERT_TRUE(page.Load(TableText(), error)) << error;
    auto cases = ReadCaseTable(CASE_TABLE_FILE, error);
    ASSERT_TRUE(cases) << error;
    const ExerciseSession window(*cases, 7);
    for (std::uint32_t number : {1u, 12u, 4711u, 99999u}) {
        const ExerciseRound expected = window.RoundForSeed(number);
        const ExerciseRound round = page.Round(number);
        EXPECT_EQ(round.Case->Name, expected.Case->Name) << number;
        EXPECT_EQ(round.RandomPatient, expected.RandomPatient) << number;
        EXPECT_EQ(round.Patient.RegionParams, expected.Patient.RegionParams) << number;
        EXPECT_EQ(round.Patient.GlobalParams, expected.Patient.GlobalParams) << number;
        const std::string json = page.RoundJson(round);
        EXPECT_NE(json.find("\"Number\":" + std::to_string(number) + ","), std::string::npos) << json;
    }
    const std::string list = page.CasesJson();
    EXPECT_NE(list.find("\"Name\":\"tracheal-stenosis\""), std::string::npos);
    EXPECT_NE(list.find("\"Sites\":[\"central\"]"), std::string::npos);
}

TEST(PageCases, ABadTableIsRefusedWithItsLineAndAMessageLeftOverIsNoError) {
    PageCases page;
    std::string error = "a message of an earlier call";
    EXPECT_TRUE(page.Load("case a\ntitle A\nhas x\nlook y\nsite none\nend\n", error)) << error;
    EXPECT_FALSE(page.Load("case a\ntitle A\nsite nowhere\nend\n", error));
    EXPECT_EQ(error.rfind("line 3: ", 0), 0u) << error;
    EXPECT_EQ(page.RoundJson(ExerciseRound{}), "null");
}

TEST(PageCases, APatientRunAsideLeavesTheListedRunsAlone) {
    std::string error;
    auto standard = std::make_unique<ResultHistory>();
    ASSERT_TRUE(ReadHistorySet(STANDARD_HISTORY_FILE, *standard, error)) << error;
    auto session = std::make_unique<PageSession>();
    ASSERT_TRUE(session->StartUp(standard.get(), kHistorySetBytes, error)) << error;
    EXPECT_FALSE(session->HasAside());
    ParameterSet patient;
    patient.At(kBothLungs, 5) = 400;
    session->RunAside(patient);
    ASSERT_TRUE(session->HasAside());
    EXPECT_EQ(session->Core().Runs().RunCount, 0);
    EXPECT_EQ(session->Aside().RunCount, 1);
    EXPECT_EQ(session->Aside().SelectedRun, 1);
    EXPECT_EQ(session->Aside().Slots[1].ParameterBlock[2][4], 400.0f);
    EXPECT_LT(session->Aside().Slots[1].MEF25, session->Aside().Slots[0].MEF25);
    EXPECT_NE(session->AsideJson().find("\"RunCount\":1"), std::string::npos);
}

} // namespace
} // namespace breathlab
