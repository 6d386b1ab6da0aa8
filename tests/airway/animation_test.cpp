#include "animation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace breathlab {
namespace {

// Records what the replay asks of the window.
struct RecordingHost : AnimationHost {
    std::vector<std::string> calls;
    std::function<void()> onDraw = [] {};
    std::function<void()> onEvents = [] {};

    void SetControlEnabled(AnimationControl control, bool enabled) override {
        calls.push_back((enabled ? "enable " : "disable ") +
                        std::to_string(static_cast<int>(control)));
    }
    void DrawFlowVolumePlot() override {
        calls.push_back("draw");
        onDraw();
    }
    void ShowSchematic(int slot) override { calls.push_back("schematic " + std::to_string(slot)); }
    void RepaintFlowVolumePlot() override { calls.push_back("repaint"); }
    void ProcessEvents() override {
        calls.push_back("events");
        onEvents();
    }
    void Sleep(int ms) override { calls.push_back("sleep " + std::to_string(ms)); }

    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
};

std::string Control(const char* verb, AnimationControl control) {
    return std::string(verb) + " " + std::to_string(static_cast<int>(control));
}

// A run with lobe data on every sample and the given sampled volumes from sample 1 on.
std::unique_ptr<ResultRecord> RunWithVolumes(std::initializer_list<float> volumes) {
    auto run = std::make_unique<ResultRecord>();
    for (auto& row : run->LobeSegmentResistanceTrace)
        row[0] = 0.5f;
    int i = 0;
    for (float v : volumes)
        run->SampleVolume[i++] = v;
    return run;
}

TEST(AnimationCommand, HoldsTheControlsInOrderAndReleasesThemAfterTheTimer) {
    AnimationState state;
    RecordingHost host;
    bool activeWhileDrawing = false;
    bool thickCurveAnimated = false;
    bool thinCurveAnimated = true;
    host.onDraw = [&] {
        activeWhileDrawing = state.AnimationActive;
        thickCurveAnimated = CurveIsAnimated(state, 3);
        thinCurveAnimated = CurveIsAnimated(state, 1);
    };
    PlayAnimation(state, host);

    std::vector<std::string> expected;
    for (AnimationControl c : kAnimationLockOrder)
        expected.push_back(Control("disable", c));
    expected.push_back("draw");
    expected.push_back(Control("enable", AnimationControl::RegionLabelTimer));
    for (AnimationControl c : kAnimationLockOrder)
        expected.push_back(Control("enable", c));
    EXPECT_EQ(host.calls, expected);

    EXPECT_TRUE(activeWhileDrawing);
    EXPECT_TRUE(thickCurveAnimated);
    // With no run selected every curve is thin: the command only redraws.
    EXPECT_FALSE(thinCurveAnimated);
    EXPECT_FALSE(state.AnimationActive);
    EXPECT_FALSE(state.CurveAnimation);
    EXPECT_FALSE(CurveIsAnimated(state, 3)); // an ordinary redraw is never animated
}

TEST(AnimationButtons, SpeedCyclesAndPauseToggles) {
    AnimationState state;
    EXPECT_EQ(state.AnimationSpeed, 3);
    EXPECT_EQ(NextAnimationSpeed(state), "1");
    EXPECT_EQ(NextAnimationSpeed(state), "2");
    EXPECT_EQ(NextAnimationSpeed(state), "3");
    EXPECT_EQ(state.AnimationSpeed, 3);
    EXPECT_EQ(AnimationWaitMs(1), 200);
    EXPECT_EQ(AnimationWaitMs(2), 50);
    EXPECT_EQ(AnimationWaitMs(3), 0);

    EXPECT_STREQ(kPauseCaptionAtStart, "pause");
    EXPECT_STREQ(TogglePause(state), "go");
    EXPECT_TRUE(state.AnimationPaused);
    EXPECT_STREQ(TogglePause(state), "pauza");
    EXPECT_FALSE(state.AnimationPaused);
}

TEST(AnimationStep, PictureWhenTheVolumeMovedMoreThanHalfAPercentOfTheRange) {
    // Range 1..3 l: a picture needs more than 0.01 l since the last one.
    const auto run = RunWithVolumes({1.0f, 1.009f, 1.011f, 1.015f, 1.025f, 3.0f});
    CurveReplay replay(*run, 2, 1.0, 3.0);
    AnimationState state;
    const SampleOutcome expected[] = {SampleOutcome::NoPicture, SampleOutcome::Picture,
                                      SampleOutcome::NoPicture, SampleOutcome::Picture,
                                      SampleOutcome::Picture};
    for (int n = 2; n <= 6; ++n) {
        EXPECT_EQ(replay.NextSample(state, n), expected[n - 2]) << n;
        EXPECT_EQ(state.AnimationSample, n);
    }
}

TEST(AnimationStep, PictureIsFollowedByTheWaitOfTheSpeed) {
    const auto run = RunWithVolumes({1.0f, 2.0f, 2.0f, 3.0f});
    AnimationState state;
    state.AnimationSpeed = 1;
    RecordingHost host;
    CurveReplay replay(*run, 3, 1.0, 3.0);
    EXPECT_TRUE(replay.AnimationStep(state, host, 2));
    const std::vector<std::string> picture = {
        "schematic 3", "repaint", Control("disable", AnimationControl::RegionLabelTimer), "events",
        "sleep 200"};
    EXPECT_EQ(host.calls, picture);

    host.calls.clear();
    EXPECT_TRUE(replay.AnimationStep(state, host, 3)); // no move: nothing at all
    EXPECT_TRUE(host.calls.empty());

    state.AnimationSpeed = 3;
    EXPECT_TRUE(replay.AnimationStep(state, host, 4));
    EXPECT_EQ(host.Count("schematic 3"), 1);
    EXPECT_EQ(host.calls.back(), "events"); // no wait at the fastest speed
}

TEST(AnimationStep, PauseHoldsAtTheNextPictureUntilPressedAgain) {
    const auto run = RunWithVolumes({1.0f, 1.0f, 2.0f});
    AnimationState state;
    RecordingHost host;
    TogglePause(state); // paused before the replay reaches a picture
    int rounds = 0;
    host.onEvents = [&] {
        if (++rounds == 4) TogglePause(state); // the user presses "go"
    };
    CurveReplay replay(*run, 1, 1.0, 2.0);

    EXPECT_TRUE(replay.AnimationStep(state, host, 2)); // no picture: the pause does not hold
    EXPECT_EQ(rounds, 0);
    EXPECT_TRUE(replay.AnimationStep(state, host, 3));
    EXPECT_EQ(rounds, 4);
    EXPECT_EQ(host.Count("sleep " + std::to_string(kPausePollMs)), 3);
    EXPECT_FALSE(state.AnimationPaused);
}

TEST(AnimationStep, ClosingTheWindowEndsAPausedReplay) {
    const auto run = RunWithVolumes({1.0f, 1.0f, 2.0f, 3.0f});
    AnimationState state;
    RecordingHost host;
    TogglePause(state);
    int rounds = 0;
    host.onEvents = [&] {
        if (++rounds == 3) state.StopRequested = true; // the window's close event
    };
    CurveReplay replay(*run, 1, 1.0, 3.0);
    EXPECT_TRUE(replay.AnimationStep(state, host, 2));
    EXPECT_FALSE(replay.AnimationStep(state, host, 3)); // the curve stops here
    EXPECT_EQ(rounds, 3);
}

TEST(AnimationStep, RunWithoutLobeTracesStopsAfterItsFirstSegment) {
    auto run = RunWithVolumes({1.0f, 2.0f, 3.0f});
    for (auto& row : run->LobeSegmentResistanceTrace)
        row[0] = 0;
    AnimationState state;
    RecordingHost host;
    CurveReplay replay(*run, 1, 1.0, 3.0);
    EXPECT_FALSE(replay.AnimationStep(state, host, 2));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(state.AnimationSample, 0);
    EXPECT_EQ(replay.NextSample(state, kSampleCapacity + 1), SampleOutcome::StopCurve);
}

TEST(AnimationStep, CurveWithoutVolumeRangeReplaysWithoutPictures) {
    const auto run = RunWithVolumes({2.5f, 2.5f, 2.5f, 2.5f});
    AnimationState state;
    RecordingHost host;
    CurveReplay replay(*run, 1, 2.5, 2.5);
    for (int n = 2; n <= 4; ++n)
        EXPECT_TRUE(replay.AnimationStep(state, host, n));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(state.AnimationSample, 4);
    // Vmin and Vmax as a curve without positive volumes leaves them.
    EXPECT_FALSE(VolumeMovedNoticeably(-1.0, 100.0, 100.0, -100.0));
}

} // namespace
} // namespace breathlab
