#include "sweep_plan.h"

#include "data_folder.h"
#include "sweep_definition.h"

#include <stdexcept>

namespace breathlab::python {

namespace {

SweepOptions ParseOrThrow(const std::vector<std::string>& arguments) {
    std::string error;
    auto options = ParseSweepOptions(arguments, error);
    if (!options) throw std::invalid_argument(error);
    // A file and shards are the command line's business; a Python caller
    // gets the whole grid back as numbers.
    if (options->OutFile || options->ShardCount != 1)
        throw std::invalid_argument("--out and --shard belong to breathlab-cli");
    return *options;
}

} // namespace

SweepPlan::SweepPlan(const std::vector<std::string>& arguments)
    : options_(ParseOrThrow(arguments)),
      settled_(std::make_unique<const Session>(Data().Defaults.get())) {}

std::vector<std::string> SweepPlan::Definition() const { return GridDefinition(options_); }

std::string SweepPlan::Row(long patient) const {
    if (patient < 0 || patient >= Patients())
        throw std::out_of_range("patient " + std::to_string(patient) + " is not in the grid of " +
                                std::to_string(Patients()));
    Session session(*settled_);
    session.Start(PatientParameters(options_, patient));
    return CsvRow(options_, patient, session.History()[1]);
}

} // namespace breathlab::python
