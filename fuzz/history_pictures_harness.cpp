// A history set drawn at a picture size the input picks: the airway schematic
// of each stored run at a sample the input picks, the flow-volume plot with the
// replay of the selected run, and the volume-time plot step by step and whole.
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"
#include "history_input.h"

#include "airway_view.h"
#include "animation.h"
#include "flow_volume_plot.h"
#include "volume_time_plot.h"

#include <QPainter>

#include <iterator>
#include <optional>

namespace breathlab {

namespace {

struct PictureSize {
    int Width;
    int Height;
};

// The window's usual sizes, and the degenerate ones a resize can give.
constexpr PictureSize kPictureSizes[] = {{160, 120}, {1, 1}, {3, 200}, {641, 2}};

class SchematicDrawing {
  public:
    explicit SchematicDrawing(PictureSize size)
        : size_(size), canvasImage_(size.Width, size.Height, QImage::Format_RGB32),
          canvas_(&canvasImage_) {}

    void Draw(const ResultRecord& run, int sample, int penWidth) {
        AirwayView(canvas_, 0, 0,
                   ComputeAirwaySchematic(size_.Width, size_.Height, penWidth,
                                          SchematicInputsFromRecord(run, sample)),
                   QImage(), offscreen_);
    }

  private:
    PictureSize size_;
    QImage canvasImage_;
    QPainter canvas_;
    QImage offscreen_;
};

void DrawSchematics(const ResultHistory& history, PictureSize size, int sample) {
    SchematicDrawing drawing(size);
    for (int slot = 1; slot < kHistorySlots; ++slot) drawing.Draw(history[slot], sample, 1 + slot % 3);
}

// The flow-volume plot with the replay of the selected run following its
// curve, as the animation button does.
void DrawFlowVolume(const RunHistory& history, PictureSize size, int signal) {
    QImage image(size.Width, size.Height, QImage::Format_RGB32);
    SchematicDrawing drawing(size);
    AnimationState state;
    std::optional<CurveReplay> replay;
    int steps = 0;
    DrawFlowVolumePlot(image, history, signal, [&](const FlowVolumeSample& sample) {
        FuzzCheck(sample.Slot >= 0 && sample.Slot < kHistorySlots, "a replayed curve is a slot's");
        FuzzCheck(sample.SampleNumber >= 2 && sample.SampleNumber <= kSampleCapacity,
                  "a replayed sample is a row of the traces");
        const ResultRecord& run = history.Slots[sample.Slot];
        if (!replay) replay.emplace(run, sample.Slot, sample.VolumeMin, sample.VolumeMax);
        const SampleOutcome outcome = replay->NextSample(state, sample.SampleNumber);
        if (outcome == SampleOutcome::StopCurve) return false;
        if (outcome == SampleOutcome::Picture) drawing.Draw(run, state.AnimationSample, 2);
        return ++steps < 300;
    });
}

void DrawVolumeTime(const RunHistory& history, PictureSize size, int slot) {
    QImage image(size.Width, size.Height, QImage::Format_RGB32);
    VolumeTimePlot plot;
    for (int step = 0; step <= kTracePoints; ++step)
        DrawVolumeTimeStep(image, plot, history.Slots, slot);
    RedrawVolumeTime(image, plot, history);
}

} // namespace

void FuzzHistoryPictures(const std::uint8_t* data, std::size_t size) {
    EnsureGuiApplication();
    FuzzBytes input(data, size);
    const FuzzHistory fuzzed = HistoryFromInput(input);
    auto history = std::make_unique<RunHistory>();
    history->Slots = *fuzzed.Slots;
    // The window only ever lists 0..3 runs and selects one of them or none.
    history->RunCount = fuzzed.Choice % (kMaxListedRuns + 1);
    history->SelectedRun = history->RunCount == 0 ? -1 : 1 + (fuzzed.Choice >> 2) % history->RunCount;
    const int sample = (fuzzed.Choice * 37) % (kLobeTraceRows + 20) - 10;
    const PictureSize picture = kPictureSizes[(fuzzed.Choice >> 6) % std::size(kPictureSizes)];

    DrawSchematics(history->Slots, picture, sample);
    DrawFlowVolume(*history, picture, (fuzzed.Choice >> 4) % 5);
    DrawVolumeTime(*history, picture, history->SelectedRun < 0 ? 1 : history->SelectedRun);
}

} // namespace breathlab
