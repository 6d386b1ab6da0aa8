#include "animation.h"

#include <cmath>

namespace breathlab {

namespace {

// Half a percent of the curve's volume range.
constexpr double kNoticeableVolumeShare = 0.005;

void ShowPicture(AnimationState& state, AnimationHost& host, int slot) {
    host.ShowSchematic(slot);
    host.RepaintFlowVolumePlot();
    host.SetControlEnabled(AnimationControl::RegionLabelTimer, false);
    host.ProcessEvents();
    if (const int wait = AnimationWaitMs(state.AnimationSpeed); wait > 0) host.Sleep(wait);
    while (state.AnimationPaused && !state.StopRequested) {
        host.ProcessEvents();
        host.Sleep(kPausePollMs);
    }
}

} // namespace

const char* TogglePause(AnimationState& state) {
    state.AnimationPaused = !state.AnimationPaused;
    return state.AnimationPaused ? "go" : "pauza";
}

std::string NextAnimationSpeed(AnimationState& state) {
    ++state.AnimationSpeed;
    if (state.AnimationSpeed > 3) state.AnimationSpeed = 1;
    return std::to_string(state.AnimationSpeed);
}

int AnimationWaitMs(int speed) {
    switch (speed) {
    case 1:
        return 200;
    case 2:
        return 50;
    default:
        return 0;
    }
}

void PlayAnimation(AnimationState& state, AnimationHost& host) {
    state.AnimationActive = true;
    state.StopRequested = false;
    for (AnimationControl control : kAnimationLockOrder)
        host.SetControlEnabled(control, false);

    state.CurveAnimation = true;
    host.DrawFlowVolumePlot();
    state.CurveAnimation = false;

    host.SetControlEnabled(AnimationControl::RegionLabelTimer, true);
    for (AnimationControl control : kAnimationLockOrder)
        host.SetControlEnabled(control, true);
    state.AnimationActive = false;
}

bool CurveIsAnimated(const AnimationState& state, int penWidth) {
    return state.CurveAnimation && penWidth >= 2;
}

bool VolumeMovedNoticeably(double volume, double lastPictureVolume, double vmin, double vmax) {
    const double range = vmax - vmin;
    if (!(range > 0) || !std::isfinite(range)) return false;
    return std::fabs(volume - lastPictureVolume) / range > kNoticeableVolumeShare;
}

CurveReplay::CurveReplay(const ResultRecord& run, int slot, double vmin, double vmax)
    : run_(run), slot_(slot), vmin_(vmin), vmax_(vmax), lastPictureVolume_(vmin) {}

SampleOutcome CurveReplay::NextSample(AnimationState& state, int n) {
    if (n < 1 || n > kSampleCapacity) return SampleOutcome::StopCurve;
    // A run stored without lobe traces has nothing to show past its start.
    if (run_.LobeSegmentResistanceTrace[n][0] == 0) return SampleOutcome::StopCurve;
    state.AnimationSample = n;
    const double volume = run_.SampleVolume[n - 1];
    if (!VolumeMovedNoticeably(volume, lastPictureVolume_, vmin_, vmax_))
        return SampleOutcome::NoPicture;
    lastPictureVolume_ = volume;
    return SampleOutcome::Picture;
}

bool CurveReplay::AnimationStep(AnimationState& state, AnimationHost& host, int n) {
    const SampleOutcome outcome = NextSample(state, n);
    if (outcome == SampleOutcome::Picture) ShowPicture(state, host, slot_);
    return outcome != SampleOutcome::StopCurve && !state.StopRequested;
}

} // namespace breathlab
