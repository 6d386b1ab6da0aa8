#include "exercise_session.h"

namespace breathlab {

ExerciseSession::ExerciseSession(const std::vector<TeachingCase>& cases, std::uint32_t sessionSeed)
    : sessionRandom_(sessionSeed) {
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
    // Seeds are drawn until the case changes; with two or more cases a few
    // draws suffice, the bound only guards a library of a single case.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        round = RoundForSeed(1 + sessionRandom_() % kLargestExerciseSeed);
        if (round.Case != previousCase_ || exerciseCases_.size() < 2) break;
    }
    return StartRound(round.Seed);
}

ExerciseRound ExerciseSession::StartRound(std::uint32_t seed) {
    current_ = RoundForSeed(seed);
    previousCase_ = current_->Case;
    currentAnswered_ = false;
    return *current_;
}

ExerciseAnswer ExerciseSession::Answer(Pattern pattern, FaultSite site) {
    ExerciseAnswer answer;
    if (!current_ || !current_->Case) return answer;
    answer.PatternRight = pattern == current_->Case->ExpectedPattern;
    answer.SiteRight = current_->Case->HasSite(site);
    if (currentAnswered_) return answer;
    currentAnswered_ = true;
    answer.Counted = true;
    ++answeredRounds_;
    points_ += int(answer.PatternRight) + int(answer.SiteRight);
    return answer;
}

} // namespace breathlab
