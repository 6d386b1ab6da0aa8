// The two plots right of the airway picture: the flow-volume plot of the
// listed runs and, under it, the volume-time plot of one run, which grows
// point by point while a run goes on. Each is drawn into an image at the
// screen's resolution and shown in its rectangle of the window's client area,
// where the start-up layout puts it; the part owns both rectangles.
#pragma once

#include "flow_volume_plot.h"
#include "run_history.h"
#include "startup_layout.h"
#include "volume_time_plot.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>

class PictureArea;
class QWidget;

class CurvePlots : public QObject {
    Q_OBJECT

  public:
    // Draws `history`'s runs, and `volumeTime` says where the volume-time
    // curve has got to; both outlive the part. The plots become children of
    // `client`.
    CurvePlots(const breathlab::RunHistory& history, breathlab::VolumeTimePlot& volumeTime,
               QWidget* client);

    void Place(const breathlab::StartupLayout& layout);
    // The images, once the layout has sized the plots.
    void CreateImages(qreal devicePixelRatio);

    // The whole flow-volume plot, shown at once.
    void DrawFlowVolumePlot();
    // The same drawing for the replay, which follows the selected run's curve
    // through `step`; ShowFlowVolumePlot shows how far it has got.
    void ReplayFlowVolumePlot(const breathlab::CurveReplayStep& step);
    void ShowFlowVolumePlot();

    // One step of the volume-time plot as its cursor says (1 clears it to its
    // axes), or the whole curve of the selected run; shown at once.
    void DrawVolumeTimeStep(int slot);
    void RedrawVolumeTime();
    // Both plots anew from the history: every listed run's loop, and the
    // selected run's volume-time curve or, with no run selected, bare axes.
    void RedrawBoth();
    // While a run goes on: the next segment and the clock go into the image,
    // and ShowLiveVolumeTime hands it to the plot, which the window repaints
    // once a frame.
    void DrawLiveVolumeTimeStep(int slot);
    void DrawRunClock(double displayTime);
    void ShowLiveVolumeTime();

    QRect VolumeTimeGeometry() const;
    QSize FlowVolumeSize() const;
    QSize VolumeTimeSize() const;
    // Both plots, flow-volume first: their help comes from their names.
    QList<QWidget*> Plots() const;

  private:
    const breathlab::RunHistory& history_;
    breathlab::VolumeTimePlot& volumeTime_;
    PictureArea* flowVolumePlot_ = nullptr;
    PictureArea* volumeTimePlot_ = nullptr;
    QImage flowVolumeImage_;
    QImage volumeTimeImage_;
};
