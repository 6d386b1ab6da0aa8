#include "case_measures.h"
#include "case_test_support.h"
#include "teaching_case.h"

#include <cmath>
#include <set>
#include <sstream>

namespace breathlab {
namespace {

std::optional<std::vector<TeachingCase>> Parse(const std::string& text, std::string& error) {
    std::istringstream in(text);
    return ParseCaseTable(in, error);
}

const char* const kTwoCases = R"(# a comment
case first
title First case
has A patient
has with two lines.
look Look here.
pattern mixed
site tissue, peripheral
exercise yes
set RPeripheral=400
set LeftLung.RMain=800
vary Size=60:70
expect FEV1%FVC < 70
expect FVC%ref > 50.5
end

case Second
title Second
has x
look y
site none
end
)";

TEST(CaseTable, ReadsEveryKeyOfABlock) {
    std::string error;
    const auto cases = Parse(kTwoCases, error);
    ASSERT_TRUE(cases) << error;
    ASSERT_EQ(cases->size(), 2u);
    const TeachingCase& c = (*cases)[0];
    EXPECT_EQ(c.Name, "first");
    EXPECT_EQ(c.Condition, "A patient with two lines.");
    EXPECT_EQ(c.ExpectedPattern, Pattern::Mixed);
    EXPECT_TRUE(c.HasSite(FaultSite::LungTissue));
    EXPECT_TRUE(c.HasSite(FaultSite::PeripheralAirways));
    EXPECT_FALSE(c.HasSite(FaultSite::None));
    EXPECT_TRUE(c.InExercise);
    const ParameterSet p = c.Parameters();
    EXPECT_EQ(p.At(kBothLungs, 5), 400);
    EXPECT_EQ(p.At(kLeftLung, 1), 800);
    EXPECT_EQ(p.At(kBothLungs, 1), 100);
    ASSERT_EQ(c.Family.size(), 1u);
    EXPECT_EQ(c.Family[0].Low, 60);
    EXPECT_EQ(c.Family[0].High, 70);
    ASSERT_EQ(c.Expectations.size(), 2u);
    EXPECT_TRUE(c.Expectations[0].Below);
    EXPECT_FALSE(c.Expectations[1].Below);
    EXPECT_EQ(c.Expectations[1].Limit, 50.5);
    // Defaults of a block that leaves keys out.
    EXPECT_FALSE((*cases)[1].InExercise);
    EXPECT_EQ((*cases)[1].ExpectedPattern, Pattern::Normal);
    EXPECT_EQ(FindCase(*cases, "SECOND"), &(*cases)[1]);
    EXPECT_EQ(FindCase(*cases, "third"), nullptr);
}

TEST(CaseTable, RefusesBadTablesNamingTheLine) {
    const std::pair<const char*, const char*> bad[] = {
        {"title x\n", "line 1"},
        {"case a\ntitle t\nhas h\nlook l\nsite none\n", "no end"},
        {"case a\ncase b\n", "line 2"},
        {"case a\npattern wheezy\nend\n", "wheezy"},
        {"case a\nsite lungs\nend\n", "lungs"},
        {"case a\nset Foo=3\nend\n", "Foo"},
        {"case a\nvary RMain=300:200\nend\n", "RMain=300:200"},
        {"case a\nvary RMain=300\nend\n", "RMain=300"},
        {"case a\nexpect FEV1 = 3\nend\n", "FEV1 = 3"},
        {"case a\nexpect FEV1 < 3 4\nend\n", "line 2"},
        {"case a\ncolour red\nend\n", "colour"},
        {"case a\nexercise maybe\nend\n", "yes or no"},
        {"case a\ntitle t\nend\n", "needs a title"},
        {"case ../x\n", "plain name"},
        {"case a\ntitle t\nhas h\nlook l\nsite none\nend\ncase A\n", "twice"},
    };
    for (const auto& [text, expected] : bad) {
        std::string error;
        EXPECT_FALSE(Parse(text, error)) << text;
        EXPECT_NE(error.find(expected), std::string::npos) << text << " -> " << error;
    }
}

TEST(CaseTable, FamilyMembersAreReproducibleWholePercentsWithinTheirRanges) {
    std::string error;
    const auto cases = Parse(kTwoCases, error);
    ASSERT_TRUE(cases) << error;
    const TeachingCase& c = (*cases)[0];
    std::set<double> seen;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        const ParameterSet member = c.FamilyMember(seed);
        const double size = member.At(kBothLungs, 7);
        EXPECT_GE(size, 60);
        EXPECT_LE(size, 70);
        EXPECT_EQ(size, std::floor(size));
        EXPECT_EQ(member.At(kBothLungs, 5), 400); // fixed settings stay
        EXPECT_EQ(c.FamilyMember(seed).At(kBothLungs, 7), size);
        seen.insert(size);
    }
    EXPECT_EQ(seen.size(), 11u); // both ends and everything between are drawn
    EXPECT_EQ(c.FamilyCorner(false).At(kBothLungs, 7), 60);
    EXPECT_EQ(c.FamilyCorner(true).At(kBothLungs, 7), 70);
}

TEST(CaseTable, TheCommittedTableHasACompleteNoteForEveryCase) {
    const auto& cases = test::CommittedCases();
    ASSERT_GE(cases.size(), 12u);
    for (const char* required :
         {"normal", "mild-asthma", "severe-asthma", "emphysema", "small-airways",
          "tracheal-stenosis", "left-bronchus", "dead-space", "restrictive",
          "lobe-contributes-little", "mixed", "submaximal"})
        EXPECT_TRUE(FindCase(cases, required)) << required;
    int inExercise = 0;
    for (const TeachingCase& c : cases) {
        EXPECT_GE(c.Condition.size(), 40u) << c.Name;
        EXPECT_GE(c.LookFor.size(), 80u) << c.Name;
        EXPECT_FALSE(c.Expectations.empty()) << c.Name;
        inExercise += c.InExercise;
    }
    EXPECT_GE(inExercise, 5);
}

// A record with the indices a report would show, samples left empty.
ResultRecord Indices(float fev1, float fvc, float pef) {
    ResultRecord r{};
    r.RunStatus = 1;
    r.FEV1 = fev1;
    r.FVCEX = fvc;
    r.FEV1PercentFVC = 100 * fev1 / fvc;
    r.PEF = pef;
    return r;
}

TEST(CaseMeasures, ClassifiesByTheReadingRules) {
    const ResultRecord reference = Indices(4.0f, 5.0f, 10.0f);
    EXPECT_EQ(ClassifyPattern(Indices(3.9f, 4.9f, 9.5f), reference), Pattern::Normal);
    EXPECT_EQ(ClassifyPattern(Indices(3.0f, 4.5f, 8.0f), reference), Pattern::Obstructive);
    EXPECT_EQ(ClassifyPattern(Indices(3.0f, 3.5f, 9.0f), reference), Pattern::Restrictive);
    EXPECT_EQ(ClassifyPattern(Indices(2.0f, 3.5f, 5.0f), reference), Pattern::Mixed);
    // PEF at 50 % against FEV1 at 95 %: central; at 70 % against 95 % not yet.
    EXPECT_EQ(ClassifyPattern(Indices(3.8f, 4.8f, 5.0f), reference), Pattern::CentralObstruction);
    EXPECT_EQ(ClassifyPattern(Indices(3.8f, 4.8f, 7.0f), reference), Pattern::Normal);
    // The limits themselves: FEV1/FVC of exactly 70 % and FVC of exactly 80 % are not reduced.
    EXPECT_EQ(ClassifyPattern(Indices(2.8f, 4.0f, 9.0f), reference), Pattern::Normal);
}

TEST(CaseMeasures, NamesIndicesAndPercentsOfTheReference) {
    const ResultRecord reference = Indices(4.0f, 5.0f, 10.0f);
    ResultRecord run = Indices(3.0f, 4.0f, 5.0f);
    run.TLC = 6.0f;
    EXPECT_FLOAT_EQ(*CaseMeasure(run, reference, "FEV1"), 3.0);
    EXPECT_FLOAT_EQ(*CaseMeasure(run, reference, "FEV1%ref"), 75.0);
    EXPECT_FLOAT_EQ(*CaseMeasure(run, reference, "FVC%ref"), 80.0);
    EXPECT_FLOAT_EQ(*CaseMeasure(run, reference, "FEV1%FVC"), 75.0);
    EXPECT_FALSE(CaseMeasure(run, reference, "TLC%ref")); // the reference has no TLC
    EXPECT_FALSE(CaseMeasure(run, reference, "Wheeze"));
    EXPECT_FALSE(CaseMeasure(run, reference, "LobeSwing6"));
    EXPECT_FALSE(CaseMeasure(run, reference, "LeftEmptied")); // no samples
}

// Two lobes of a hand-made forced expiration: the left lower lobe (2) gives up
// its air late, the right upper (3) at once.
TEST(CaseMeasures, LobeSwingsAndEmptyingByTheFev1Point) {
    ResultRecord run{};
    run.RunStatus = 1;
    const float total[] = {5.0f, 6.0f, 5.0f, 4.0f, 3.5f};
    const float leftLower[] = {1.0f, 1.5f, 1.4f, 1.2f, 0.5f};
    const float rightUpper[] = {1.0f, 1.5f, 1.0f, 0.5f, 0.5f};
    for (int i = 0; i < 5; ++i) {
        run.SampleVolume[i] = total[i];
        run.LobeVolumeTrace[i + 1][1] = leftLower[i];
        run.LobeVolumeTrace[i + 1][2] = rightUpper[i];
        run.LobeVolumeTrace[i + 1][0] = 1.0f;
    }
    run.FEV1 = 2.0f; // reached at sample 4 (6 -> 4 l)
    ResultRecord reference = run;
    EXPECT_FLOAT_EQ(*CaseMeasure(run, reference, "LobeSwing2"), 1.0);
    EXPECT_FLOAT_EQ(*CaseMeasure(run, reference, "LobeSwing3"), 1.0);
    EXPECT_FLOAT_EQ(*CaseMeasure(run, reference, "LobeSwing2%ref"), 100.0);
    EXPECT_FLOAT_EQ(*CaseMeasure(run, reference, "LeftEmptied"), 0.3);
    EXPECT_FLOAT_EQ(*CaseMeasure(run, reference, "RightEmptied"), 1.0);
}

} // namespace
} // namespace breathlab
