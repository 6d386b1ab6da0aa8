// Replay of the selected run: its flow-volume curve is drawn again sample by
// sample, and whenever the lung volume has moved noticeably the airway picture
// shows the airways and lobes as they were at that sample, with a pause after
// each picture that sets the replay speed. The window supplies the drawing,
// the controls and the message loop through AnimationHost.
#pragma once

#include "result_record.h"

#include <array>
#include <string>

namespace breathlab {

struct AnimationState {
    bool AnimationActive = false; // the airway picture ignores the mouse meanwhile
    bool CurveAnimation = false;  // the flow-volume plot is being redrawn by the replay
    bool AnimationPaused = false; // kept across replays
    int AnimationSpeed = 3;       // 1 slow, 2, 3 no wait; kept across replays
    int AnimationSample = 0;      // row of the lobe traces the airway picture shows
    bool StopRequested = false;   // the window is closing: end the replay at once
};

// Caption of the pause button before it is first pressed.
constexpr const char* kPauseCaptionAtStart = "pause";

// Toggles the pause; returns the button's new caption ("go" when now paused).
const char* TogglePause(AnimationState& state);

// Next speed, 3 -> 1 -> 2 -> 3; returns the button's new caption.
std::string NextAnimationSpeed(AnimationState& state);

// Wait after each picture: 200 ms, 50 ms or none for speeds 1, 2, 3.
int AnimationWaitMs(int speed);

// While paused the replay sleeps this long between looks at the message queue,
// so that it stays responsive without keeping a processor busy.
constexpr int kPausePollMs = 20;

// The controls the replay disables, in the order it disables them; it enables
// the label timer and then all of them again in the same order. The pause and
// speed buttons and the window stay enabled.
enum class AnimationControl {
    ResetButton,          // "reset"
    StartButton,          // "START"
    DeleteRowButton,      // "Delete row"
    UseAsReferenceButton, // "Use as ref."
    AnimationButton,      // "animation"
    ResetAllButton,       // "reset all"
    SettingsButton,       // "Settings"
    MainMenu,             // every top-level item
    ResultsTable,
    MainGroupPanel,
    MiddleGroupPanel,
    PeripheralGroupPanel,
    LungsGroupPanel,
    RegionLabelTimer, // the label timer of the airway picture
};

constexpr std::array<AnimationControl, 14> kAnimationLockOrder = {
    AnimationControl::ResetButton,      AnimationControl::StartButton,
    AnimationControl::DeleteRowButton,  AnimationControl::UseAsReferenceButton,
    AnimationControl::AnimationButton,  AnimationControl::ResetAllButton,
    AnimationControl::SettingsButton,   AnimationControl::MainMenu,
    AnimationControl::ResultsTable,     AnimationControl::MainGroupPanel,
    AnimationControl::MiddleGroupPanel, AnimationControl::PeripheralGroupPanel,
    AnimationControl::LungsGroupPanel,  AnimationControl::RegionLabelTimer};

class AnimationHost {
  public:
    virtual ~AnimationHost() = default;
    virtual void SetControlEnabled(AnimationControl control, bool enabled) = 0;
    // Redraws the flow-volume plot; the curve whose pen makes CurveIsAnimated
    // true runs a CurveReplay step after each of its samples.
    virtual void DrawFlowVolumePlot() = 0;
    // The airway schematic of the slot at state.AnimationSample.
    virtual void ShowSchematic(int slot) = 0;
    // Makes the part of the curve drawn so far visible.
    virtual void RepaintFlowVolumePlot() = 0;
    // Lets pending window messages run once.
    virtual void ProcessEvents() = 0;
    virtual void Sleep(int milliseconds) = 0;
};

// The "animation" button: one whole replay, returning when it is over.
void PlayAnimation(AnimationState& state, AnimationHost& host);

// Whether a curve drawn with this pen width is the one being replayed: only the
// selected run's thick curve, and only while the replay redraws the plot.
bool CurveIsAnimated(const AnimationState& state, int penWidth);

// Whether the volume has moved by more than half a percent of the curve's
// volume range since the last picture. A curve without a range (all volumes
// equal) never moves.
bool VolumeMovedNoticeably(double volume, double lastPictureVolume, double vmin, double vmax);

enum class SampleOutcome {
    StopCurve, // the run has no lobe data from here on: the rest stays undrawn
    NoPicture,
    Picture,
};

// The replay of one curve, fed with each sample after the line to it is drawn.
class CurveReplay {
  public:
    // vmin and vmax as the curve drawing found them; the first picture comes
    // once a volume lies noticeably away from vmin.
    CurveReplay(const ResultRecord& run, int slot, double vmin, double vmax);

    // Decides what sample n (2..1500) brings and records it as the shown sample.
    SampleOutcome NextSample(AnimationState& state, int n);

    // NextSample, then for a picture: the schematic, the curve so far, the
    // label timer held, one round of messages, the wait of the speed, and the
    // pause. Returns false when the curve must stop here.
    bool AnimationStep(AnimationState& state, AnimationHost& host, int n);

  private:
    const ResultRecord& run_;
    int slot_;
    double vmin_, vmax_;
    double lastPictureVolume_;
};

} // namespace breathlab
