// Every case of the library, run headless from its stored settings, shows the
// pattern its note teaches; the random patients of the exercise keep it at
// both ends of their ranges.
#include "case_measures.h"
#include "case_runs.h"
#include "case_test_support.h"
#include "exercise_session.h"
#include "history_set_io.h"

#include <filesystem>
#include <set>

namespace breathlab {
namespace {

using test::CommittedCases;
using test::DefaultHistory;

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

void ExpectPattern(const TeachingCase& c, const ParameterSet& patient, const char* which) {
    const auto history = RunPatient(patient, DefaultHistory());
    const auto unmet = UnmetExpectations(c, (*history)[1], (*history)[0]);
    EXPECT_TRUE(unmet.empty()) << c.Name << " (" << which << "):" << Joined(unmet);
}

TEST(CasePatterns, EveryCaseShowsItsPatternFromItsSettings) {
    ASSERT_GE(CommittedCases().size(), 12u);
    for (const TeachingCase& c : CommittedCases())
        ExpectPattern(c, c.Parameters(), "settings");
}

TEST(CasePatterns, ExercisePatientsKeepThePatternAtBothEndsOfTheirFamily) {
    for (const TeachingCase& c : CommittedCases()) {
        if (!c.InExercise || c.Family.empty()) continue;
        ExpectPattern(c, c.FamilyCorner(false), "low corner");
        ExpectPattern(c, c.FamilyCorner(true), "high corner");
    }
}

// What students actually get: the random patients of the first exercise
// numbers, with every range drawn somewhere inside, not only at its ends.
TEST(CasePatterns, RandomExercisePatientsShowTheirCasesPattern) {
    ExerciseSession session(CommittedCases(), 1);
    int randomPatients = 0;
    for (std::uint32_t seed = 1; randomPatients < 12 && seed < 200; ++seed) {
        const ExerciseRound round = session.RoundForSeed(seed);
        if (!round.RandomPatient) continue;
        ++randomPatients;
        ExpectPattern(*round.Case, round.Patient, ("exercise " + std::to_string(seed)).c_str());
    }
    EXPECT_EQ(randomPatients, 12);
}

TEST(CasePatterns, TheLibraryCoversEveryPatternAndEverySite) {
    std::set<Pattern> patterns;
    std::set<FaultSite> sites;
    for (const TeachingCase& c : CommittedCases()) {
        patterns.insert(c.ExpectedPattern);
        sites.insert(c.Sites.begin(), c.Sites.end());
    }
    for (Pattern p : kAllPatterns)
        EXPECT_TRUE(patterns.count(p)) << PatternKey(p);
    for (FaultSite s : kAllSites)
        EXPECT_TRUE(sites.count(s)) << SiteKey(s);
}

// The stored files are whole history sets with the case's run in slot 1 and
// its settings in the run's parameter block; their numbers are not compared
// with fresh runs, which may differ in the last bits after model changes.
TEST(CasePatterns, EveryCaseHasAStoredRunWithItsSettings) {
    for (const TeachingCase& c : CommittedCases()) {
        const auto path = std::filesystem::path(BREATHLAB_SOURCE_DIR) / "cases" / "library" /
                          (c.Name + kCaseFileSuffix);
        ASSERT_TRUE(std::filesystem::exists(path)) << path;
        EXPECT_EQ(std::filesystem::file_size(path), sizeof(ResultHistory));
        auto stored = std::make_unique<ResultHistory>();
        std::string error;
        ASSERT_TRUE(ReadHistorySet(path.string(), *stored, error)) << error;
        const ResultRecord& run = (*stored)[1];
        EXPECT_EQ(run.RunStatus, 1) << c.Name;
        EXPECT_NE(run.SampleVolume[0], 0) << c.Name;
        const ParameterSet p = c.Parameters();
        for (int region = -2; region <= 5; ++region)
            for (int k = 1; k <= kParameterCount; ++k)
                EXPECT_EQ(run.ParameterBlock[RegionRow(region)][k - 1],
                          static_cast<float>(p.At(region, k)))
                    << c.Name << " region " << region << " parameter " << k;
        EXPECT_EQ(run.GlobalParamBlock[0], static_cast<float>(p.GlobalParams[0])) << c.Name;
    }
}

TEST(CasePatterns, ARunThatDidNotCompleteFailsItsCase) {
    const TeachingCase& normal = *FindCase(CommittedCases(), "normal");
    auto history = RunPatient(normal.Parameters(), DefaultHistory());
    ResultRecord& run = (*history)[1];
    ASSERT_TRUE(UnmetExpectations(normal, run, (*history)[0]).empty());
    run.RunStatus = -1;
    EXPECT_EQ(UnmetExpectations(normal, run, (*history)[0]).size(), 1u);
    run.RunStatus = 0;
    EXPECT_FALSE(UnmetExpectations(normal, run, (*history)[0]).empty());
}

} // namespace
} // namespace breathlab
