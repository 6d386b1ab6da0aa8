#include "exercise_session.h"

namespace breathlab {

ExerciseSession::ExerciseSession(const std::vector<TeachingCase>& cases, std::uint32_t sessionSeed,
                                 ExerciseScore& score)
    : sessionRandom_(sessionSeed), score_(score) {
    for (const TeachingCase& c : cases)
        if (c.InExercise) exerciseCases_.push_back(&c);
}

ExerciseRound ExerciseSession::RoundForSeed(std::uint32_t seed) const {
    ExerciseRound round;
    round.Seed = seed;
    if (exerciseCases_.empty()) return round;
    std::mt19937 random(seed);
    round.Case = exerciseCases_[random() % exerciseCases_.size()];
    // Half of the rounds take a random member of the case's family, so that
    // a student cannot learn the library's numbers by heart.
    round.RandomPatient = !round.Case->Family.empty() && random() % 2 == 0;
    round.Patient =
        round.RandomPatient ? round.Case->FamilyMember(random()) : round.Case->Parameters();
    return round;
}

ExerciseRound ExerciseSession::NewRound() {
    ExerciseRound round;
    // Seeds are drawn until the case changes and the number is one not yet
    // answered; a few draws suffice, the bound only guards a library of a
    // single case.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        round = RoundForSeed(1 + sessionRandom_() % kLargestExerciseSeed);
        const bool otherCase = round.Case != previousCase_ || exerciseCases_.size() < 2;
        if (otherCase && !score_.Answered(round.Seed)) break;
    }
    return StartRound(round.Seed);
}

ExerciseRound ExerciseSession::StartRound(std::uint32_t seed) {
    current_ = RoundForSeed(seed);
    previousCase_ = current_->Case;
    return *current_;
}

ExerciseAnswer ExerciseSession::Answer(Pattern pattern, FaultSite site) {
    ExerciseAnswer answer;
    if (!current_ || !current_->Case) return answer;
    answer.PatternRight = pattern == current_->Case->ExpectedPattern;
    answer.SiteRight = current_->Case->HasSite(site);
    answer.Counted = score_.Record(current_->Seed, answer.PatternRight, answer.SiteRight);
    return answer;
}

} // namespace breathlab
