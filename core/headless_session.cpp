#include "headless_session.h"

#include "history_commands.h"
#include "simulation_run.h"

#include <algorithm>

namespace breathlab {

HeadlessSession::HeadlessSession(const ResultHistory* initialHistory)
    : model_(std::make_unique<LungModel>()), history_(std::make_unique<RunHistory>()) {
    if (initialHistory) {
        history_->Slots = *initialHistory;
    } else {
        // Without a default set the reference's further percentages are normal.
        for (ResultRecord& r : history_->Slots) std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
    }
    ResetModel(*model_, history_->Slots);
}

HeadlessSession::HeadlessSession(const HeadlessSession& other)
    : model_(std::make_unique<LungModel>(*other.model_)),
      history_(std::make_unique<RunHistory>(*other.history_)) {}

void HeadlessSession::UseReferencePercentages(const ResultRecord& reference) {
    ResultRecord& slot0 = history_->Slots[0];
    std::copy(&reference.ParameterBlock[0][0], &reference.ParameterBlock[0][0] + kRegionRows * kParameterColumns,
              &slot0.ParameterBlock[0][0]);
    std::copy(std::begin(reference.GlobalParamBlock), std::end(reference.GlobalParamBlock),
              std::begin(slot0.GlobalParamBlock));
}

void HeadlessSession::Start(const ParameterSet& parameters) {
    const auto previousNewest = PrepareWorkingSlot(*history_, parameters);
    RunManoeuvre(*model_, history_->Slots);
    StoreFinishedRun(*history_, *previousNewest);
}

} // namespace breathlab
