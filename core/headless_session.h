// What the program does for START, without a window: one model, one history,
// and the parameter set copied into the working slot before each run.
#pragma once

#include "lung_model.h"
#include "parameter_set.h"
#include "result_record.h"
#include "run_history.h"

#include <memory>

namespace breathlab {

class HeadlessSession {
public:
    // A fresh start-up: model zero-filled, history as given (the shipped
    // default set, or empty), then the start-up reset.
    explicit HeadlessSession(const ResultHistory* initialHistory = nullptr);

    // A copy of a session in its current state: a settled start-up session
    // copied is the same as one built afresh, at a fraction of the cost.
    HeadlessSession(const HeadlessSession& other);
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    // Takes the reference percentages from slot 0 of another history set.
    void UseReferencePercentages(const ResultRecord& reference);

    // One START: keep the newest run, clear the working slot's traces, copy the
    // percentages in, run, and push the older runs down.
    void Start(const ParameterSet& parameters);

    const LungModel& Model() const { return *model_; }
    LungModel& Model() { return *model_; }
    const ResultHistory& History() const { return history_->Slots; }
    // The history with its selection, for the results table's commands.
    RunHistory& Runs() { return *history_; }
    const RunHistory& Runs() const { return *history_; }

private:
    std::unique_ptr<LungModel> model_;
    std::unique_ptr<RunHistory> history_;
};

} // namespace breathlab
