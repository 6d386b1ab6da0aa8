#include "session.h"

#include "history_commands.h"
#include "history_set_check.h"
#include "simulation_run.h"

#include <algorithm>
#include <cstring>

namespace breathlab {

Session::Session(const ResultHistory* initialHistory) : Session(Unstarted{}) {
    StartUp(initialHistory);
}

Session::Session(Unstarted)
    : model_(std::make_unique<LungModel>()), history_(std::make_unique<RunHistory>()),
      defaultReference_(std::make_unique<ResultRecord>()) {}

Session::Session(const Session& other)
    : model_(std::make_unique<LungModel>(*other.model_)),
      history_(std::make_unique<RunHistory>(*other.history_)),
      defaultReference_(std::make_unique<ResultRecord>(*other.defaultReference_)),
      parameters_(other.parameters_) {
    model_->Hooks = {};
}

void Session::StartUp(const ResultHistory* initialHistory) {
    // The model and the history stay where they are: front ends keep
    // references to them from before start-up.
    *model_ = LungModel{};
    RunHistory& h = *history_;
    if (initialHistory) {
        h.Slots = *initialHistory;
    } else {
        // Without a default set the reference's further percentages are normal.
        std::memset(&h.Slots, 0, sizeof h.Slots);
        for (ResultRecord& r : h.Slots)
            std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
    }
    h.SelectedRun = -1;
    h.RunCount = 0;
    h.RunInProgress = false;
    *defaultReference_ = h.Slots[0];
    parameters_.SetAll(100.0);
    ResetModel(*model_, h.Slots);
}

void Session::SetObserver(SessionObserver observer) {
    observer_ = std::move(observer);
}

void Session::UseReferencePercentages(const ResultRecord& reference) {
    ResultRecord& slot0 = history_->Slots[0];
    std::copy(&reference.ParameterBlock[0][0],
              &reference.ParameterBlock[0][0] + kRegionRows * kParameterColumns,
              &slot0.ParameterBlock[0][0]);
    std::copy(std::begin(reference.GlobalParamBlock), std::end(reference.GlobalParamBlock),
              std::begin(slot0.GlobalParamBlock));
}

void Session::Start() {
    Start(parameters_);
}

void Session::Start(const ParameterSet& patient) {
    history_->RunInProgress = true;
    if (observer_.RunStarting) observer_.RunStarting();
    const auto previousNewest = PrepareWorkingSlot(*history_, patient);
    WatchRun();
    RunManoeuvre(*model_, history_->Slots);
    model_->Hooks = {};
    StoreFinishedRun(*history_, *previousNewest);
    history_->RunInProgress = false;
    Tell({SessionCommand::Start, true, true, kNoSlot});
}

// The model calls plain functions; only the calls someone listens to are
// set, so a run nobody watches (a sweep's patient) pays for none.
void Session::WatchRun() {
    model_->Hooks = {this, observer_.SolverBeep ? &Session::OnSolverBeep : nullptr,
                     observer_.TracePointStored ? &Session::OnTracePoint : nullptr,
                     observer_.ClockDue ? &Session::OnClockDue : nullptr};
}

void Session::OnTracePoint(void* session) {
    static_cast<Session*>(session)->observer_.TracePointStored();
}

void Session::OnClockDue(void* session) {
    static_cast<Session*>(session)->observer_.ClockDue();
}

void Session::OnSolverBeep(void* session) {
    static_cast<Session*>(session)->observer_.SolverBeep();
}

bool Session::SelectRun(int row) {
    if (!SelectRunRow(*history_, parameters_, row)) return false;
    LoadParametersFromSlot(row);
    Tell({SessionCommand::Select, false, true, row});
    return true;
}

// After a command that selects a run: its further percentages and its
// region percentages become the working ones, as a click on its row does.
void Session::SelectAndLoad(int row) {
    SelectRunRow(*history_, parameters_, row);
    LoadParametersFromSlot(row);
}

bool Session::DeleteSelected() {
    const DeletionOutcome outcome = DeleteSelectedRun(*history_, parameters_.CurrentRegion);
    if (outcome == DeletionOutcome::NothingSelected) return false;
    const bool runLeft = outcome == DeletionOutcome::FirstRunSelected;
    if (runLeft) SelectAndLoad(1);
    Tell({SessionCommand::Delete, true, true, runLeft ? 1 : kNoSlot});
    return true;
}

bool Session::UseSelectedAsReference() {
    if (!breathlab::UseSelectedAsReference(*history_)) return false;
    LoadParametersFromSlot(history_->SelectedRun);
    Tell({SessionCommand::UseAsReference, true, false, history_->SelectedRun});
    return true;
}

void Session::RestoreDefaultReference() {
    RestoreDefaultReference(*defaultReference_);
}

void Session::RestoreDefaultReference(const ResultRecord& defaultReference) {
    breathlab::RestoreDefaultReference(*history_, defaultReference);
    const int shown = std::max(history_->SelectedRun, 0);
    LoadParametersFromSlot(shown);
    Tell({SessionCommand::DefaultReference, true, false, shown});
}

bool Session::OpenBytes(const void* data, std::size_t size, std::string& error) {
    if (!HistorySetFromBytes(data, size, history_->Slots, error)) return false;
    AfterOpen();
    return true;
}

// A file without runs shows the reference alone, with its percentages.
void Session::AfterOpen() {
    CountRunsAfterOpen(*history_);
    const int shown = std::max(history_->SelectedRun, 0);
    if (shown >= 1)
        SelectAndLoad(shown);
    else
        LoadParametersFromSlot(0);
    Tell({SessionCommand::Open, true, true, shown});
}

void Session::AddRun(const ResultRecord& run, const ResultRecord& itsReference) {
    AddRunAsNewest(*history_, run, itsReference);
    SelectAndLoad(1);
    Tell({SessionCommand::AddRun, true, true, 1});
}

// The region percentages only: the further ones follow a selection, never
// the reference (ref.Default and Use as reference leave them).
void Session::LoadParametersFromSlot(int slot) {
    const ResultRecord& record = history_->Slots[slot];
    for (int row = 0; row < kRegionRows; ++row)
        for (int k = 0; k < kParameterCount; ++k)
            parameters_.RegionParams[row][k] = record.ParameterBlock[row][k];
}

// Observers hear of a command once it is complete, so that whatever they
// read is its outcome.
void Session::Tell(const Change& change) const {
    if (change.History && observer_.HistoryChanged) observer_.HistoryChanged(change.Command);
    if (change.Selection && observer_.SelectionChanged)
        observer_.SelectionChanged(change.Command, history_->SelectedRun);
    if (change.LoadedSlot != kNoSlot && observer_.ParametersLoaded)
        observer_.ParametersLoaded(change.Command, change.LoadedSlot);
}

} // namespace breathlab
