// A sweep's grid read from breathlab-cli's own arguments (--vary, --set,
// --scale, --jobs), with one settled start-up session that every patient
// copies, so that a row does not depend on which thread, process or machine
// computes it.
#pragma once

#include "session.h"
#include "sweep.h"

#include <memory>
#include <string>
#include <vector>

namespace breathlab::python {

class SweepPlan {
  public:
    // Throws std::invalid_argument with breathlab-cli's message for arguments
    // that `breathlab-cli sweep` refuses.
    explicit SweepPlan(const std::vector<std::string>& arguments);

    long Patients() const { return GridSize(options_); }
    int Jobs() const { return options_.Jobs; } // 0: not given
    std::string Header() const { return CsvHeader(options_); }
    // The "# " lines at the head of the CLI's CSV file, without the "# ".
    std::vector<std::string> Definition() const;

    // Runs patient `patient` (0-based, grid order) and returns its CSV row;
    // safe to call from several threads at once.
    std::string Row(long patient) const;

  private:
    SweepOptions options_;
    std::unique_ptr<const Session> settled_;
};

} // namespace breathlab::python
