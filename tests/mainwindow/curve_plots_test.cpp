// The two plots alone, on the shipped reference and a run copied from it:
// asked to draw, a plot repaints at once in the screen's resolution; a
// running simulation's steps and clock wait for the window's next frame.
#include <QtTest>

#include "curve_plots.h"
#include "history_file.h"
#include "picture_area.h"
#include "slot_colours.h"
#include "window_test_main.h"

#include <memory>

using namespace breathlab;

class CurvePlotsTest : public QObject {
    Q_OBJECT

  private slots:
    void AskedToDrawAPlotRepaintsAtOnce();
    void LiveStepsAndClockWaitForTheFrame();
    void SelectedRunIsDrawnInItsColourOnBothPlots();
    void LayoutPlacesBothPlots();
};

namespace {

// The plots on a client area of their own over the shipped reference, with
// run 1 a copy of it, selected.
struct Plots {
    std::unique_ptr<RunHistory> history = std::make_unique<RunHistory>();
    VolumeTimePlot volumeTime;
    QWidget client;
    CurvePlots plots{*history, volumeTime, &client};

    explicit Plots(qreal devicePixelRatio = 1.0) {
        const FileOutcome read =
            ReadHistorySet(BREATHLAB_SOURCE_DIR "/datfiles1/standard.dat", history->Slots);
        if (!read.Ok) qFatal("no standard history");
        history->Slots[1] = history->Slots[0];
        history->RunCount = 1;
        history->SelectedRun = 1;
        client.resize(800, 600);
        StartupLayout layout;
        layout.flowVolumePlot = {10, 10, 400, 300};
        layout.volumeTimePlot = {10, 320, 400, 100};
        plots.Place(layout);
        plots.CreateImages(devicePixelRatio);
    }

    PictureArea* FlowVolume() { return Named<PictureArea>(client, "flowVolumePlot"); }
    PictureArea* VolumeTime() { return Named<PictureArea>(client, "volumeTimePlot"); }
};

} // namespace

void CurvePlotsTest::AskedToDrawAPlotRepaintsAtOnce() {
    Plots p(2.0);
    p.client.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.client));
    PaintCounter flowVolume, volumeTime;
    p.FlowVolume()->installEventFilter(&flowVolume);
    p.VolumeTime()->installEventFilter(&volumeTime);
    // Each call paints before it returns, without the event loop.
    p.plots.DrawFlowVolumePlot();
    QVERIFY(flowVolume.Paints >= 1);
    p.volumeTime.VolumeTimeCursor = 1;
    p.plots.DrawVolumeTimeStep(1);
    QVERIFY(volumeTime.Paints >= 1);
    const int afterAxes = volumeTime.Paints;
    p.plots.RedrawVolumeTime();
    QVERIFY(volumeTime.Paints > afterAxes);
    // Drawn at two pixels per logical pixel, the plots keep their logical size.
    for (PictureArea* plot : {p.FlowVolume(), p.VolumeTime()}) {
        QCOMPARE(plot->Picture().devicePixelRatio(), 2.0);
        QCOMPARE(plot->Picture().size(), plot->size() * 2);
    }
}

// Inside a run nothing reaches the screen between frames: the window repaints
// both live pictures together once ShowLiveVolumeTime has handed the plot over.
void CurvePlotsTest::LiveStepsAndClockWaitForTheFrame() {
    Plots p;
    p.plots.DrawFlowVolumePlot();
    p.volumeTime.VolumeTimeCursor = 1;
    p.plots.DrawVolumeTimeStep(1);
    const qint64 shown = p.VolumeTime()->Picture().cacheKey();
    p.volumeTime.VolumeTimeCursor = 1;
    for (int point = 1; point <= 50; ++point)
        p.plots.DrawLiveVolumeTimeStep(1);
    p.plots.DrawRunClock(12.34);
    QCOMPARE(p.VolumeTime()->Picture().cacheKey(), shown);
    QVERIFY(!HasColour(p.VolumeTime()->Picture(), kYellow));
    p.plots.ShowLiveVolumeTime();
    const QImage frame = p.VolumeTime()->Picture();
    QVERIFY(frame.cacheKey() != shown);
    QVERIFY(HasColour(frame, kYellow));          // the clock
    QVERIFY(HasColour(frame, SlotColour(1)));    // the curve so far, in run 1's colour
    QCOMPARE(p.volumeTime.VolumeTimeCursor, 51); // the next point to draw
}

void CurvePlotsTest::SelectedRunIsDrawnInItsColourOnBothPlots() {
    Plots p;
    p.plots.DrawFlowVolumePlot();
    QVERIFY(HasColour(p.FlowVolume()->Picture(), SlotColour(1)));
    p.plots.RedrawVolumeTime();
    QVERIFY(HasColour(p.VolumeTime()->Picture(), SlotColour(1)));
    // The replay draws the same plot, step by step, and stops where told.
    int steps = 0;
    p.plots.ReplayFlowVolumePlot([&](const FlowVolumeSample& sample) {
        ++steps;
        return sample.SampleNumber < 100;
    });
    QCOMPARE(steps, 99); // samples 2..100 of the selected run's wide curve
}

void CurvePlotsTest::LayoutPlacesBothPlots() {
    Plots p;
    QCOMPARE(p.FlowVolume()->geometry(), QRect(10, 10, 400, 300));
    QCOMPARE(p.VolumeTime()->geometry(), QRect(10, 320, 400, 100));
    QCOMPARE(p.plots.FlowVolumeSize(), QSize(400, 300));
    QCOMPARE(p.plots.VolumeTimeSize(), QSize(400, 100));
    QCOMPARE(p.plots.VolumeTimeGeometry(), p.VolumeTime()->geometry());
    QCOMPARE(p.plots.Plots(), (QList<QWidget*>{p.FlowVolume(), p.VolumeTime()}));
}

BREATHLAB_WINDOW_TEST_MAIN(CurvePlotsTest)
#include "curve_plots_test.moc"
