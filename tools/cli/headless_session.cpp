#include "headless_session.h"

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
    ClearWorkingTraces(h[1]);
    StoreParameters(parameters, h[1]);
    RunManoeuvre(*model_, h);
    h[4] = h[3];
    h[3] = h[2];
    h[2] = *previousNewest_;
}

void ClearWorkingTraces(ResultRecord& r) {
    std::fill(std::begin(r.TimeAxis), std::end(r.TimeAxis), 0.0f);
    std::fill(std::begin(r.VolumeTrace), std::end(r.VolumeTrace), 0.0f);
    std::fill(std::begin(r.SampleVolume), std::end(r.SampleVolume), 0.0f);
    std::fill(std::begin(r.SampleSignal), std::end(r.SampleSignal), 0.0f);
}

void StoreParameters(const ParameterSet& p, ResultRecord& r) {
    for (int row = 0; row < kRegionCount; ++row)
        for (int col = 0; col < kParameterCount; ++col)
            r.ParameterBlock[row][col] = static_cast<float>(p.RegionParams[row][col]);
    for (int i = 0; i < kGlobalParamCount; ++i)
        r.GlobalParamBlock[i] = static_cast<float>(p.GlobalParams[i]);
}

} // namespace breathlab
