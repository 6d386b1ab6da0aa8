// Exercise mode without its window: the rounds of a session, each a patient
// from the case library (its own settings or a random member of its family),
// the two answers of a round, scored in the program's exercise score.
#pragma once

#include "exercise_score.h"
#include "parameter_set.h"
#include "teaching_case.h"

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace breathlab {

// Seeds that a teacher can read out: "exercise 4711".
constexpr std::uint32_t kLargestExerciseSeed = 99999;

struct ExerciseRound {
    std::uint32_t Seed = 0;
    const TeachingCase* Case = nullptr;
    bool RandomPatient = false; // a family member rather than the case's own settings
    ParameterSet Patient;
};

struct ExerciseAnswer {
    bool PatternRight = false;
    bool SiteRight = false;
    bool Counted = false; // false when its exercise number had been answered already
};

class ExerciseSession {
  public:
    // The rounds draw on the cases marked for the exercise; the session seed
    // chooses the order in which fresh rounds come. The answers go into
    // `score`, which outlives the session (by default the program's).
    ExerciseSession(const std::vector<TeachingCase>& cases, std::uint32_t sessionSeed,
                    ExerciseScore& score = ProgramExerciseScore());

    bool HasCases() const { return !exerciseCases_.empty(); }

    // The round a seed stands for; the same seed gives the same patient in
    // every session and on every machine.
    ExerciseRound RoundForSeed(std::uint32_t seed) const;

    // A fresh round whose case differs from the previous round's (when the
    // library offers more than one).
    ExerciseRound NewRound();
    // The round of a seed a teacher handed out; it may repeat a case.
    ExerciseRound StartRound(std::uint32_t seed);

    // Marks the current round's answers; each exercise number counts once,
    // in this session or any earlier one.
    ExerciseAnswer Answer(Pattern pattern, FaultSite site);

    const std::optional<ExerciseRound>& Current() const { return current_; }
    int Points() const { return score_.Points(); } // right answers so far
    int PossiblePoints() const { return score_.PossiblePoints(); }
    int AnsweredRounds() const { return score_.AnsweredRounds(); }

  private:
    std::vector<const TeachingCase*> exerciseCases_;
    std::mt19937 sessionRandom_;
    std::optional<ExerciseRound> current_;
    const TeachingCase* previousCase_ = nullptr;
    ExerciseScore& score_;
};

} // namespace breathlab
