#include "case_test_support.h"
#include "exercise_session.h"

#include <set>
#include <sstream>

namespace breathlab {
namespace {

std::vector<TeachingCase> ThreeCases() {
    std::istringstream in(R"(
case a
title A
has h
look l
pattern obstructive
site peripheral
exercise yes
set RPeripheral=400
vary RPeripheral=380:500
end
case b
title B
has h
look l
pattern restrictive
site tissue,peripheral
exercise yes
set Size=60
end
case c
title C
has h
look l
site none
exercise no
end
)");
    std::string error;
    auto cases = ParseCaseTable(in, error);
    EXPECT_TRUE(cases) << error;
    return *cases;
}

TEST(ExerciseSession, RoundsComeOnlyFromExerciseCasesAndNeverRepeatTheLastCase) {
    const auto cases = ThreeCases();
    ExerciseSession session(cases, 12345);
    ASSERT_TRUE(session.HasCases());
    const TeachingCase* previous = nullptr;
    std::set<std::string> seen;
    bool randomPatientSeen = false;
    for (int i = 0; i < 40; ++i) {
        const ExerciseRound round = session.NewRound();
        ASSERT_NE(round.Case, nullptr);
        EXPECT_TRUE(round.Case->InExercise);
        EXPECT_NE(round.Case, previous);
        EXPECT_GE(round.Seed, 1u);
        EXPECT_LE(round.Seed, kLargestExerciseSeed);
        previous = round.Case;
        seen.insert(round.Case->Name);
        randomPatientSeen |= round.RandomPatient;
    }
    EXPECT_EQ(seen, (std::set<std::string>{"a", "b"}));
    EXPECT_TRUE(randomPatientSeen);
}

TEST(ExerciseSession, ASeedGivesTheSamePatientInAnySession) {
    const auto cases = ThreeCases();
    ExerciseSession first(cases, 1), second(cases, 999);
    for (std::uint32_t seed : {1u, 4711u, 99999u}) {
        const ExerciseRound a = first.StartRound(seed);
        const ExerciseRound b = second.RoundForSeed(seed);
        EXPECT_EQ(a.Seed, seed);
        EXPECT_EQ(a.Case, b.Case);
        EXPECT_EQ(a.RandomPatient, b.RandomPatient);
        EXPECT_EQ(a.Patient.RegionParams, b.Patient.RegionParams);
    }
    // Random patients differ from the case's own settings but stay in its family.
    int differing = 0;
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        const ExerciseRound r = first.RoundForSeed(seed);
        if (!r.RandomPatient) {
            EXPECT_EQ(r.Patient.RegionParams, r.Case->Parameters().RegionParams);
            continue;
        }
        const double rp = r.Patient.At(kBothLungs, 5);
        EXPECT_GE(rp, 380);
        EXPECT_LE(rp, 500);
        differing += rp != 400;
    }
    EXPECT_GT(differing, 10);
}

TEST(ExerciseSession, ScoresEachRoundOnce) {
    const auto cases = ThreeCases();
    ExerciseScore score;
    ExerciseSession session(cases, 7, score);
    EXPECT_FALSE(session.Answer(Pattern::Normal, FaultSite::None).Counted); // no round yet
    const TeachingCase& b = *FindCase(cases, "b");
    std::uint32_t seedOfB = 1;
    while (session.RoundForSeed(seedOfB).Case != &b)
        ++seedOfB;
    session.StartRound(seedOfB);
    ExerciseAnswer answer = session.Answer(Pattern::Restrictive, FaultSite::PeripheralAirways);
    EXPECT_TRUE(answer.PatternRight);
    EXPECT_TRUE(answer.SiteRight); // either listed site is right
    EXPECT_TRUE(answer.Counted);
    answer = session.Answer(Pattern::Restrictive, FaultSite::LungTissue);
    EXPECT_FALSE(answer.Counted);
    EXPECT_EQ(session.Points(), 2);
    EXPECT_EQ(session.PossiblePoints(), 2);

    session.NewRound();
    answer = session.Answer(Pattern::CentralObstruction, FaultSite::CentralAirways);
    EXPECT_FALSE(answer.PatternRight);
    EXPECT_FALSE(answer.SiteRight);
    EXPECT_EQ(session.Points(), 2);
    EXPECT_EQ(session.PossiblePoints(), 4);
    EXPECT_EQ(session.AnsweredRounds(), 2);

    // The number of b read out again: the same patient, no second score.
    session.StartRound(seedOfB);
    answer = session.Answer(Pattern::Restrictive, FaultSite::PeripheralAirways);
    EXPECT_TRUE(answer.PatternRight && answer.SiteRight);
    EXPECT_FALSE(answer.Counted);
    EXPECT_EQ(session.Points(), 2);
    EXPECT_EQ(session.AnsweredRounds(), 2);
}

// Closing the exercise and opening it again starts a new session; the score
// and the answered numbers go on.
TEST(ExerciseSession, TheScoreOutlivesTheSession) {
    const auto cases = ThreeCases();
    ExerciseScore score;
    std::uint32_t firstSeed = 0;
    {
        ExerciseSession first(cases, 11, score);
        firstSeed = first.NewRound().Seed;
        const TeachingCase& c = *first.Current()->Case;
        EXPECT_TRUE(first.Answer(c.ExpectedPattern, c.Sites.front()).Counted);
    }
    ExerciseSession second(cases, 12, score);
    EXPECT_EQ(second.Points(), 2);
    EXPECT_EQ(second.AnsweredRounds(), 1);
    second.StartRound(firstSeed);
    EXPECT_FALSE(second.Answer(Pattern::Mixed, FaultSite::None).Counted);
    EXPECT_EQ(second.Points(), 2);
    // A fresh round never deals a number already answered.
    for (int round = 0; round < 50; ++round) {
        const std::uint32_t seed = second.NewRound().Seed;
        EXPECT_FALSE(score.Answered(seed)) << seed;
        EXPECT_TRUE(second.Answer(Pattern::Normal, FaultSite::None).Counted) << seed;
    }
    EXPECT_EQ(second.AnsweredRounds(), 51);
    EXPECT_EQ(second.PossiblePoints(), 102);
}

// Without a score of their own, the sessions of one program run share the
// program's: the dialog, opened twice, shows one running score.
TEST(ExerciseSession, SessionsShareTheProgramsScore) {
    const auto cases = ThreeCases();
    const int before = ProgramExerciseScore().AnsweredRounds();
    ExerciseSession first(cases, 21);
    first.NewRound();
    first.Answer(Pattern::Normal, FaultSite::None);
    ExerciseSession second(cases, 22);
    EXPECT_EQ(second.AnsweredRounds(), before + 1);
    EXPECT_EQ(ProgramExerciseScore().AnsweredRounds(), before + 1);
}

TEST(ExerciseScore, CountsEachNumberOnceWithOnePointPerRightAnswer) {
    struct Answer {
        std::uint32_t Seed;
        bool PatternRight, SiteRight, Counted;
        int Points, Rounds;
    };
    ExerciseScore score;
    for (const Answer& a : {Answer{5, true, true, true, 2, 1}, Answer{5, false, false, false, 2, 1},
                            Answer{6, true, false, true, 3, 2}, Answer{7, false, false, true, 3, 3},
                            Answer{6, true, true, false, 3, 3}, Answer{99999, false, true, true, 4, 4}}) {
        EXPECT_EQ(score.Record(a.Seed, a.PatternRight, a.SiteRight), a.Counted) << a.Seed;
        EXPECT_EQ(score.Points(), a.Points) << a.Seed;
        EXPECT_EQ(score.AnsweredRounds(), a.Rounds) << a.Seed;
        EXPECT_EQ(score.PossiblePoints(), 2 * a.Rounds) << a.Seed;
    }
}

TEST(ExerciseSession, ALibraryWithoutExerciseCasesOffersNoRound) {
    std::vector<TeachingCase> cases = ThreeCases();
    for (TeachingCase& c : cases)
        c.InExercise = false;
    ExerciseSession session(cases, 3);
    EXPECT_FALSE(session.HasCases());
    EXPECT_EQ(session.NewRound().Case, nullptr);
    EXPECT_FALSE(session.Answer(Pattern::Normal, FaultSite::None).Counted);
}

TEST(ExerciseSession, TheCommittedLibraryOffersSeveralCasesAndPatterns) {
    ExerciseSession session(test::CommittedCases(), 4711);
    std::set<Pattern> patterns;
    for (int i = 0; i < 60; ++i)
        patterns.insert(session.NewRound().Case->ExpectedPattern);
    EXPECT_GE(patterns.size(), 4u);
}

} // namespace
} // namespace breathlab
