#include "headless_session.h"

#include "parameter_record.h"
#include "simulation_run.h"

#include <algorithm>

namespace breathlab {

HeadlessSession::HeadlessSession(const ResultHistory* initialHistory)
    : model_(std::make_unique<LungModel>()), history_(std::make_unique<ResultHistory>()),
      previousNewest_(std::make_unique<ResultRecord>()) {
    if (initialHistory) {
        *history_ = *initialHistory;
    } else {
        // Without a default set the reference's further percentages are normal.
        for (ResultRecord& r : *history_) std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
    }
    ResetModel(*model_, *history_);
}

HeadlessSession::HeadlessSession(const HeadlessSession& other)
    : model_(std::make_unique<LungModel>(*other.model_)),
      history_(std::make_unique<ResultHistory>(*other.history_)),
      previousNewest_(std::make_unique<ResultRecord>(*other.previousNewest_)) {}

void HeadlessSession::UseReferencePercentages(const ResultRecord& reference) {
    ResultRecord& slot0 = (*history_)[0];
    std::copy(&reference.ParameterBlock[0][0], &reference.ParameterBlock[0][0] + kRegionRows * kParameterColumns,
              &slot0.ParameterBlock[0][0]);
    std::copy(std::begin(reference.GlobalParamBlock), std::end(reference.GlobalParamBlock),
              std::begin(slot0.GlobalParamBlock));
}

void HeadlessSession::Start(const ParameterSet& parameters) {
    ResultHistory& h = *history_;
    *previousNewest_ = h[1];
    ClearRunTraces(h[1]);
    StoreParameterSet(h[1], parameters);
    RunManoeuvre(*model_, h);
    h[4] = h[3];
    h[3] = h[2];
    h[2] = *previousNewest_;
}

} // namespace breathlab
