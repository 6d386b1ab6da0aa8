// A history set drawn: the airway schematic of each stored run at a sample the
// input picks, the flow-volume plot with its replay, and the volume-time plot
// step by step and whole.
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"
#include "history_input.h"

#include "airway_view.h"
#include "flow_volume_plot.h"
#include "volume_time_plot.h"

#include <QPainter>

namespace breathlab {

namespace {

constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 120;

void DrawSchematics(const ResultHistory& history, int sample) {
    QImage canvasImage(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    QImage offscreen;
    QPainter canvas(&canvasImage);
    for (int slot = 1; slot < kHistorySlots; ++slot) {
        const SchematicInputs inputs = SchematicInputsFromRecord(history[slot], sample);
        AirwayView(canvas, 0, 0, kPictureWidth, kPictureHeight, 1 + slot % 3, Qt::black, inputs,
                   QImage(), offscreen);
    }
}

void DrawFlowVolume(const RunHistory& history, int signal) {
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    int steps = 0;
    DrawFlowVolumePlot(image, history, signal, [&steps](const FlowVolumeSample& sample) {
        FuzzCheck(sample.Slot >= 0 && sample.Slot < kHistorySlots, "a replayed curve is a slot's");
        FuzzCheck(sample.SampleNumber >= 2 && sample.SampleNumber <= kSampleCapacity,
                  "a replayed sample is a row of the traces");
        return ++steps < 200;
    });
}

void DrawVolumeTime(const RunHistory& history, int slot) {
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
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

    DrawSchematics(history->Slots, sample);
    DrawFlowVolume(*history, (fuzzed.Choice >> 4) % 5);
    DrawVolumeTime(*history, history->SelectedRun < 0 ? 1 : history->SelectedRun);
}

} // namespace breathlab
