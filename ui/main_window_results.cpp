// START and the commands on the remembered runs, and what shows them: the
// indices table, the results table, the two plots and the description panel.
#include "main_window.h"

#include "command_bar.h"
#include "description_view.h"
#include "flow_volume_plot.h"
#include "help_pages.h"
#include "help_window.h"
#include "history_commands.h"
#include "indices_view.h"
#include "number_format.h"
#include "picture_area.h"
#include "region_picture.h"
#include "run_clock.h"
#include "run_status.h"
#include "runs_table_view.h"
#include "simulation_run.h"
#include "slot_colours.h"
#include "string_grid.h"
#include "system_sound.h"
#include "window_actions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <cmath>

using namespace breathlab;

void MainWindow::OnStartClicked() {
    AppState& s = *state_;
    RunHistory& h = *s.History;
    h.RunInProgress = true;
    SetCommandControlsEnabled(false);
    SelectSliderGroup(0);
    ShowRegion(kForcePlainPicture, 0, 0);
    s.VolumeTime.VolumeTimeCursor = 1;
    DrawVolumeTimeStep(1);
    ShowIndices(0, false);
    descriptionBox->clear();
    QCoreApplication::processEvents();

    const std::unique_ptr<ResultRecord> previousNewest = PrepareWorkingSlot(h, s.Parameters);
    s.VolumeTime.VolumeTimeCursor = 1;
    s.Model->Hooks = {this, &MainWindow::SolverBeep, &MainWindow::TraceHook,
                      &MainWindow::RunDisplayHook};
    livePictures_.Restart();
    RunManoeuvre(*s.Model, h.Slots);
    s.Model->Hooks = {};
    ShowLiveFrame(); // the last recording point, if its frame had not come yet

    StoreFinishedRun(h, *previousNewest);
    ShowIndices(1, true);
    ShowAllRunRows();
    RepaintTables();
    DrawFlowVolumePlot();
    QCoreApplication::processEvents();

    SetCommandControlsEnabled(true);
    h.RunInProgress = false;
    PlaySystemSound(RunCompleted(h.Slots[1].RunStatus) ? SystemSound::Information
                                                       : SystemSound::Error);
}

// While a command runs nothing else may start: every command control, the
// menu, the results table, the slider panels, the label timer and the window.
void MainWindow::SetCommandControlsEnabled(bool enabled) {
    commandBar_->SetCommandsEnabled(enabled);
    windowActions_->SetMainMenuEnabled(enabled);
    runsTableView_->SetCommandsEnabled(enabled);
    for (QWidget* w : std::initializer_list<QWidget*>{mainGroupPanel, middleGroupPanel,
                                                      peripheralGroupPanel, lungsGroupPanel})
        w->setEnabled(enabled);
    if (enabled)
        regionLabelTimer->start();
    else
        regionLabelTimer->stop();
    state_->Region.SetLabelTimerEnabled(enabled);
    setEnabled(enabled);
}

// After each 100 ms recording point: the next piece of the volume-time curve
// goes into its picture at once (the curve only grows), while the airway
// schematic of the live model is only composed and painted when the screen
// can show a new frame, since the run lets no window events through.
void MainWindow::TraceHook(void* form) {
    auto* self = static_cast<MainWindow*>(form);
    AppState& s = *self->state_;
    breathlab::DrawVolumeTimeStep(s.VolumeTimeImage, s.VolumeTime, s.History->Slots, 1);
    self->pendingSchematic_ = SchematicInputsFromModel(*s.Model);
    if (self->livePictures_.FrameDue()) self->ShowLiveFrame();
}

// Paints a picture at once, or with the others of a batch.
void MainWindow::PaintNow(QWidget* picture) {
    if (batchPaint_)
        picture->update();
    else
        picture->repaint();
}

// The live pictures as they are now, painted in one pass over the window.
void MainWindow::ShowLiveFrame() {
    AppState& s = *state_;
    batchPaint_ = true;
    if (pendingSchematic_) PaintSchematic(*pendingSchematic_);
    pendingSchematic_.reset();
    volumeTimePlot->SetPicture(s.VolumeTimeImage);
    batchPaint_ = false;
    Client->repaint(QRegion(airwayPicture->geometry()) + volumeTimePlot->geometry());
}

void MainWindow::RunDisplayHook(void* form) {
    auto* self = static_cast<MainWindow*>(form);
    AppState& s = *self->state_;
    DrawRunClock(s.VolumeTimeImage, s.Model->DisplayTime);
    if (self->livePictures_.FrameDue()) self->ShowLiveFrame();
}

void MainWindow::SolverBeep(void*) {
    QApplication::beep();
}

void MainWindow::OnDeleteRowChosen() {
    AppState& s = *state_;
    RunHistory& h = *s.History;
    const DeletionOutcome outcome = DeleteSelectedRun(h, s.Parameters.CurrentRegion);
    if (outcome == DeletionOutcome::NothingSelected) return;
    ShowAllRunRows();
    if (outcome == DeletionOutcome::FirstRunSelected) runsTableView_->SetCurrentRow(1);
    DrawFlowVolumePlot();
    if (h.SelectedRun >= 1) {
        RedrawVolumeTime();
        ShowIndices(1, true);
        s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun);
    } else {
        s.VolumeTime.VolumeTimeCursor = 1;
        DrawVolumeTimeStep(1);
        ShowIndices(0, false);
    }
    RepaintTables();
    descriptionBox->clear();
}

void MainWindow::OnUseAsReferenceChosen() {
    AppState& s = *state_;
    RunHistory& h = *s.History;
    if (!UseSelectedAsReference(h)) return;
    ShowAllRunRows();
    ShowRunRow(kReferenceRow, 0);
    DrawFlowVolumePlot();
    RedrawVolumeTime();
    ShowIndices(h.SelectedRun, true);
    s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun);
    RepaintTables();
    descriptionBox->clear();
}

void MainWindow::ShowIndices(int slot, bool withObserved) {
    AppState& s = *state_;
    const auto block = breathlab::ShowIndices(s.Indices, *s.History, slot, withObserved);
    if (s.History->RunCount == 0)
        descriptionBox->ShowFirstSteps();
    else if (block)
        ShowDescription(*block);
    indicesTable->viewport()->update();
}

void MainWindow::ShowRunRow(int row, int slot) {
    AppState& s = *state_;
    breathlab::ShowRunRow(s.Results, row, s.History->Slots[slot], s.Parameters.CurrentRegion);
}

void MainWindow::ShowAllRunRows() {
    for (int row = 1; row <= kMaxListedRuns; ++row)
        ShowRunRow(row, row);
}

void MainWindow::RepaintTables() {
    indicesTable->viewport()->repaint();
    runsTableView_->Repaint();
}

void MainWindow::DrawFlowVolumePlot() {
    AppState& s = *state_;
    breathlab::DrawFlowVolumePlot(s.FlowVolumeImage, *s.History);
    flowVolumePlot->SetPicture(s.FlowVolumeImage);
    flowVolumePlot->repaint();
}

void MainWindow::DrawVolumeTimeStep(int slot) {
    AppState& s = *state_;
    breathlab::DrawVolumeTimeStep(s.VolumeTimeImage, s.VolumeTime, s.History->Slots, slot);
    volumeTimePlot->SetPicture(s.VolumeTimeImage);
    PaintNow(volumeTimePlot);
}

void MainWindow::RedrawVolumeTime() {
    AppState& s = *state_;
    breathlab::RedrawVolumeTime(s.VolumeTimeImage, s.VolumeTime, *s.History);
    volumeTimePlot->SetPicture(s.VolumeTimeImage);
    volumeTimePlot->repaint();
}

// A parameter's or a run status's description, with a rule of dashes between
// what the parameter is and what changing it does.
void MainWindow::ShowDescription(int block) {
    QString error;
    if (!descriptionBox->ShowBlock(DataPath(*state_, HelpFolder() + "pdp.txt"), block, error))
        QMessageBox::critical(this, QString(), error);
}

void MainWindow::OnResultsRowClicked(int row) {
    AppState& s = *state_;
    if (SelectRunRow(*s.History, s.Parameters, row)) AfterRunSelected(row);
    RepaintTables();
}

void MainWindow::AfterRunSelected(int slot) {
    AppState& s = *state_;
    s.Sliders.LoadSlidersFromSlot(s.History->Slots, slot);
    ShowIndices(slot, true);
    DrawFlowVolumePlot();
    RedrawVolumeTime();
    ShowCaseNoteOfSelectedRun();
}

void MainWindow::OnDeleteRowClicked() {
    OnDeleteRowChosen();
}

void MainWindow::OnUseAsReferenceClicked() {
    OnUseAsReferenceChosen();
}
