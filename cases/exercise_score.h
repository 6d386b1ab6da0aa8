// The score of the exercise. A class plays many rounds, opening and closing the
// exercise between them, so the score belongs to the program run rather than
// to one session; and a number a teacher reads out again ("exercise 4711")
// brings back a patient already answered, which must not score twice.
#pragma once

#include <cstdint>
#include <set>

namespace breathlab {

class ExerciseScore {
  public:
    // Scores the round of that exercise number: one point for the pattern,
    // one for the site. False, leaving the score as it was, when the number
    // had been answered before.
    bool Record(std::uint32_t seed, bool patternRight, bool siteRight);

    bool Answered(std::uint32_t seed) const { return answered_.count(seed) != 0; }
    int Points() const { return points_; }
    int PossiblePoints() const { return 2 * AnsweredRounds(); }
    int AnsweredRounds() const { return static_cast<int>(answered_.size()); }

  private:
    std::set<std::uint32_t> answered_;
    int points_ = 0;
};

// The one score of this program run, shared by every exercise session.
ExerciseScore& ProgramExerciseScore();

} // namespace breathlab
