// The case library and the exercise rounds as the page offers them, read
// from the same case table as the window and breathlab-cli, so that an
// exercise number gives the same patient in all three.
#pragma once

#include "exercise_session.h"
#include "teaching_case.h"

#include <cstdint>
#include <string>
#include <vector>

namespace breathlab {

class PageCases {
  public:
    // Reads the case table's text; false with a message naming the bad line.
    bool Load(const std::string& table, std::string& error);

    // Every case with its note, answers and patient, in the table's order.
    std::string CasesJson() const;

    ExerciseRound Round(std::uint32_t number) const;
    // The round: its number, its case (an index into the list), whether the
    // patient is a random member of the case's family, and the patient.
    std::string RoundJson(const ExerciseRound& round) const;

  private:
    std::vector<TeachingCase> cases_;
};

} // namespace breathlab
