// One working session of the simulator, the same under every front end (the
// window, breathlab-cli and its sweeps, the case library, Python and the web
// page): the model, the remembered runs with their selection, the working
// parameter set, and the commands on them: START, selecting a run, Delete,
// Use as reference, ref.Default, opening and saving a history set. Front ends
// show what it holds and learn what changed through a SessionObserver.
#pragma once

#include "lung_model.h"
#include "parameter_set.h"
#include "result_record.h"
#include "run_history.h"
#include "session_observer.h"

#include <cstddef>
#include <memory>
#include <string>

namespace breathlab {

class Session {
  public:
    // A fresh start-up (see StartUp).
    explicit Session(const ResultHistory* initialHistory = nullptr);
    // Model and history zero-filled, for a front end that starts up later,
    // once it has checked its data (the window).
    struct Unstarted {};
    explicit Session(Unstarted);

    // A copy of a session in its current state, without its observer: a
    // settled start-up session copied is the same as one built afresh, at a
    // fraction of the cost.
    Session(const Session& other);
    Session& operator=(const Session&) = delete;

    // Start-up: a zero-filled model, the history as given (the shipped
    // default set) or, without one, an empty history whose further
    // percentages are normal; no run listed or selected, the working
    // percentages at 100; then the model settles (which also sets every
    // slot's parameter percentages to 100). The reference given here is the
    // one ref.Default brings back.
    void StartUp(const ResultHistory* initialHistory);

    void SetObserver(SessionObserver observer);

    const LungModel& Model() const { return *model_; }
    // The settings view may set a current value of the model.
    LungModel& Model() { return *model_; }
    const ResultHistory& History() const { return history_->Slots; }
    // The history with its selection, as the results table shows it.
    const RunHistory& Runs() const { return *history_; }
    ParameterSet& Parameters() { return parameters_; }
    const ParameterSet& Parameters() const { return parameters_; }

    // Takes the reference percentages from slot 0 of another history set.
    void UseReferencePercentages(const ResultRecord& reference);

    // START with the working parameter set, or with a patient of its own
    // (breathlab-cli, sweeps): keep the newest run, clear the working slot's
    // traces, copy the percentages in, run, push the older runs down, list
    // and select the new run.
    void Start();
    void Start(const ParameterSet& patient);

    // A results row became current: a listed run (1..RunCount) is selected
    // and its percentages become the working ones. Any other row (the
    // settings row, the reference row, an empty row) changes nothing.
    bool SelectRun(int row);

    // The results table's commands on the selected run; false, changing
    // nothing, when no run is selected.
    bool DeleteSelected();
    bool UseSelectedAsReference();

    // "ref.Default": the reference of start-up (or the one given) comes back
    // and the listed runs are re-expressed against it.
    void RestoreDefaultReference();
    void RestoreDefaultReference(const ResultRecord& defaultReference);

    // "Open": a history set from a file or from bytes already in memory. The
    // runs are recounted and the newest selected; anything but a usable
    // history set gives false with a message and leaves everything as it was.
    bool Open(const std::string& path, std::string& error);
    bool OpenBytes(const void* data, std::size_t size, std::string& error);
    // "Save": the five records as one history set, written atomically.
    bool Save(const std::string& path, std::string& error) const;

    // A run from elsewhere (a case's file) joins the listed runs as the
    // newest, re-expressed against this session's reference.
    void AddRun(const ResultRecord& run, const ResultRecord& itsReference);

  private:
    static constexpr int kNoSlot = -1;
    // What a finished command tells its observers.
    struct Change {
        SessionCommand Command;
        bool History, Selection;
        int LoadedSlot; // kNoSlot: the working parameter set was not loaded
    };

    void AfterOpen();
    void LoadParametersFromSlot(int slot);
    void SelectAndLoad(int row);
    void Tell(const Change& change) const;
    void WatchRun();
    static void OnTracePoint(void* session);
    static void OnClockDue(void* session);
    static void OnSolverBeep(void* session);

    std::unique_ptr<LungModel> model_;
    std::unique_ptr<RunHistory> history_;
    std::unique_ptr<ResultRecord> defaultReference_;
    ParameterSet parameters_;
    SessionObserver observer_;
};

} // namespace breathlab
