#include "curve_plots.h"

#include "control_placement.h"
#include "picture_area.h"
#include "run_clock.h"

using namespace breathlab;

CurvePlots::CurvePlots(const RunHistory& history, VolumeTimePlot& volumeTime, QWidget* client)
    : QObject(client), history_(history), volumeTime_(volumeTime) {
    setObjectName("curvePlots");
    flowVolumePlot_ = new PictureArea(client);
    flowVolumePlot_->setObjectName("flowVolumePlot");
    flowVolumePlot_->SetStretch(true);
    volumeTimePlot_ = new PictureArea(client);
    volumeTimePlot_->setObjectName("volumeTimePlot");
}

void CurvePlots::Place(const StartupLayout& L) {
    PlaceControl(flowVolumePlot_, L.flowVolumePlot);
    PlaceControl(volumeTimePlot_, L.volumeTimePlot);
}

// The plots are drawn at the screen's resolution, on the logical layout.
void CurvePlots::CreateImages(qreal devicePixelRatio) {
    flowVolumeImage_ = NewDeviceImage(flowVolumePlot_->size(), devicePixelRatio);
    volumeTimeImage_ = NewDeviceImage(volumeTimePlot_->size(), devicePixelRatio);
}

void CurvePlots::DrawFlowVolumePlot() {
    breathlab::DrawFlowVolumePlot(flowVolumeImage_, history_);
    ShowFlowVolumePlot();
}

void CurvePlots::ReplayFlowVolumePlot(const CurveReplayStep& step) {
    breathlab::DrawFlowVolumePlot(flowVolumeImage_, history_, RecordedSignal, step);
}

void CurvePlots::ShowFlowVolumePlot() {
    flowVolumePlot_->SetPicture(flowVolumeImage_);
    flowVolumePlot_->repaint();
}

void CurvePlots::DrawVolumeTimeStep(int slot) {
    breathlab::DrawVolumeTimeStep(volumeTimeImage_, volumeTime_, history_.Slots, slot);
    volumeTimePlot_->SetPicture(volumeTimeImage_);
    volumeTimePlot_->repaint();
}

void CurvePlots::RedrawVolumeTime() {
    breathlab::RedrawVolumeTime(volumeTimeImage_, volumeTime_, history_);
    volumeTimePlot_->SetPicture(volumeTimeImage_);
    volumeTimePlot_->repaint();
}

void CurvePlots::RedrawBoth() {
    DrawFlowVolumePlot();
    if (history_.SelectedRun >= 1) {
        RedrawVolumeTime();
    } else {
        volumeTime_.VolumeTimeCursor = 1; // clears and draws the axes anew
        DrawVolumeTimeStep(1);
    }
}

void CurvePlots::DrawLiveVolumeTimeStep(int slot) {
    breathlab::DrawVolumeTimeStep(volumeTimeImage_, volumeTime_, history_.Slots, slot);
}

void CurvePlots::DrawRunClock(double displayTime) {
    breathlab::DrawRunClock(volumeTimeImage_, displayTime);
}

void CurvePlots::ShowLiveVolumeTime() {
    volumeTimePlot_->SetPicture(volumeTimeImage_);
}

QRect CurvePlots::VolumeTimeGeometry() const {
    return volumeTimePlot_->geometry();
}

QSize CurvePlots::FlowVolumeSize() const {
    return flowVolumePlot_->size();
}

QSize CurvePlots::VolumeTimeSize() const {
    return volumeTimePlot_->size();
}

QList<QWidget*> CurvePlots::Plots() const {
    return {flowVolumePlot_, volumeTimePlot_};
}
