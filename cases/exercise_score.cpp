#include "exercise_score.h"

namespace breathlab {

bool ExerciseScore::Record(std::uint32_t seed, bool patternRight, bool siteRight) {
    if (!answered_.insert(seed).second) return false;
    points_ += int(patternRight) + int(siteRight);
    return true;
}

ExerciseScore& ProgramExerciseScore() {
    static ExerciseScore score;
    return score;
}

} // namespace breathlab
