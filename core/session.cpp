#include "session.h"

#include "history_commands.h"
#include "history_set_check.h"
#include "simulation_run.h"

#include <algorithm>

namespace breathlab {

Session::Session(const ResultHistory* initialHistory)
    : defaultReference_(std::make_unique<ResultRecord>()) {
    StartUp(initialHistory);
}

Session::Session(const Session& other)
    : model_(std::make_unique<LungModel>(*other.model_)),
      history_(std::make_unique<RunHistory>(*other.history_)),
      defaultReference_(std::make_unique<ResultRecord>(*other.defaultReference_)),
      parameters_(other.parameters_) {
    model_->Hooks = {};
}

void Session::StartUp(const ResultHistory* initialHistory) {
    model_ = std::make_unique<LungModel>();
    history_ = std::make_unique<RunHistory>();
    if (initialHistory) {
        history_->Slots = *initialHistory;
    } else {
        // Without a default set the reference's further percentages are normal.
        for (ResultRecord& r : history_->Slots)
            std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
    }
    *defaultReference_ = history_->Slots[0];
    parameters_.SetAll(100.0);
    ResetModel(*model_, history_->Slots);
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
    HistoryChanged(SessionCommand::Start);
    SelectionChanged(SessionCommand::Start);
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
    SelectionChanged(SessionCommand::Select);
    LoadParametersFromSlot(SessionCommand::Select, row);
    return true;
}

// After a command that selects a run: its further percentages and its
// region percentages become the working ones, as a click on its row does.
void Session::SelectAndLoad(SessionCommand command, int row) {
    SelectRunRow(*history_, parameters_, row);
    SelectionChanged(command);
    LoadParametersFromSlot(command, row);
}

bool Session::DeleteSelected() {
    const DeletionOutcome outcome = DeleteSelectedRun(*history_, parameters_.CurrentRegion);
    if (outcome == DeletionOutcome::NothingSelected) return false;
    HistoryChanged(SessionCommand::Delete);
    if (outcome == DeletionOutcome::FirstRunSelected)
        SelectAndLoad(SessionCommand::Delete, 1);
    else
        SelectionChanged(SessionCommand::Delete);
    return true;
}

bool Session::UseSelectedAsReference() {
    if (!breathlab::UseSelectedAsReference(*history_)) return false;
    HistoryChanged(SessionCommand::UseAsReference);
    LoadParametersFromSlot(SessionCommand::UseAsReference, history_->SelectedRun);
    return true;
}

void Session::RestoreDefaultReference() {
    RestoreDefaultReference(*defaultReference_);
}

void Session::RestoreDefaultReference(const ResultRecord& defaultReference) {
    breathlab::RestoreDefaultReference(*history_, defaultReference);
    HistoryChanged(SessionCommand::DefaultReference);
    LoadParametersFromSlot(SessionCommand::DefaultReference, std::max(history_->SelectedRun, 0));
}

bool Session::OpenBytes(const void* data, std::size_t size, std::string& error) {
    if (!HistorySetFromBytes(data, size, history_->Slots, error)) return false;
    AfterOpen();
    return true;
}

// A file without runs shows the reference alone, with its percentages.
void Session::AfterOpen() {
    CountRunsAfterOpen(*history_);
    HistoryChanged(SessionCommand::Open);
    if (history_->SelectedRun >= 1) {
        SelectAndLoad(SessionCommand::Open, history_->SelectedRun);
    } else {
        SelectionChanged(SessionCommand::Open);
        LoadParametersFromSlot(SessionCommand::Open, 0);
    }
}

void Session::AddRun(const ResultRecord& run, const ResultRecord& itsReference) {
    AddRunAsNewest(*history_, run, itsReference);
    HistoryChanged(SessionCommand::AddRun);
    SelectAndLoad(SessionCommand::AddRun, 1);
}

// The region percentages only: the further ones follow a selection, never
// the reference (ref.Default and Use as reference leave them).
void Session::LoadParametersFromSlot(SessionCommand command, int slot) {
    const ResultRecord& record = history_->Slots[slot];
    for (int row = 0; row < kRegionRows; ++row)
        for (int k = 0; k < kParameterCount; ++k)
            parameters_.RegionParams[row][k] = record.ParameterBlock[row][k];
    if (observer_.ParametersLoaded) observer_.ParametersLoaded(command, slot);
}

void Session::HistoryChanged(SessionCommand command) const {
    if (observer_.HistoryChanged) observer_.HistoryChanged(command);
}

void Session::SelectionChanged(SessionCommand command) const {
    if (observer_.SelectionChanged) observer_.SelectionChanged(command, history_->SelectedRun);
}

} // namespace breathlab
