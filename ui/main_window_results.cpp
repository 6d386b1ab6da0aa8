// START and the commands on the remembered runs, and what shows them: the
// indices table, the results table, the two plots and the description panel.
#include "main_window.h"

#include "airway_panel.h"
#include "command_bar.h"
#include "curve_plots.h"
#include "description_view.h"
#include "help_pages.h"
#include "help_window.h"
#include "indices_view.h"
#include "number_format.h"
#include "region_picture.h"
#include "run_status.h"
#include "runs_table_view.h"
#include "sliders_area.h"
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
    state_->Session.Start();
}

// The window follows its session: START's live calls paint the run as it
// goes, and each finished command redraws what it changed.
void MainWindow::ConnectSession() {
    SessionObserver observer;
    observer.RunStarting = [this] { ShowRunStarting(); };
    observer.TracePointStored = [this] { ShowTracePoint(); };
    observer.ClockDue = [this] { ShowRunClock(); };
    observer.SolverBeep = [] { QApplication::beep(); };
    observer.HistoryChanged = [this](SessionCommand command) { ShowHistoryChange(command); };
    observer.SelectionChanged = [this](SessionCommand command, int run) {
        if (command == SessionCommand::Select) AfterRunSelected(run);
    };
    state_->Session.SetObserver(std::move(observer));
}

void MainWindow::ShowHistoryChange(SessionCommand command) {
    switch (command) {
    case SessionCommand::Start:
        ShowFinishedRun();
        break;
    case SessionCommand::Delete:
        ShowRunDeleted();
        break;
    case SessionCommand::UseAsReference:
        ShowNewReference();
        break;
    case SessionCommand::DefaultReference:
        ShowDefaultReference();
        break;
    case SessionCommand::Open:
        ShowOpenedHistory();
        break;
    case SessionCommand::AddRun:
        ShowAddedRun();
        break;
    case SessionCommand::Select:
        break;
    }
}

void MainWindow::ShowRunStarting() {
    AppState& s = *state_;
    SetCommandControlsEnabled(false);
    SelectSliderGroup(0);
    airwayPanel_->ShowRegion(kForcePlainPicture, 0, 0);
    s.VolumeTime.VolumeTimeCursor = 1;
    curvePlots_->DrawVolumeTimeStep(1);
    ShowIndices(0, false);
    descriptionBox_->clear();
    QCoreApplication::processEvents();

    s.VolumeTime.VolumeTimeCursor = 1;
    livePictures_.Restart();
}

void MainWindow::ShowFinishedRun() {
    const RunHistory& h = state_->Session.Runs();
    ShowLiveFrame(); // the last recording point, if its frame had not come yet
    ShowIndices(1, true);
    ShowAllRunRows();
    RepaintTables();
    curvePlots_->DrawFlowVolumePlot();
    QCoreApplication::processEvents();

    SetCommandControlsEnabled(true);
    PlaySystemSound(RunCompleted(h.Slots[1].RunStatus) ? SystemSound::Information
                                                       : SystemSound::Error);
}

// While a command runs nothing else may start: every command control, the
// menu, the results table, the slider panels, the label timer and the window.
void MainWindow::SetCommandControlsEnabled(bool enabled) {
    commandBar_->SetCommandsEnabled(enabled);
    windowActions_->SetMainMenuEnabled(enabled);
    runsTableView_->SetCommandsEnabled(enabled);
    slidersArea_->SetPanelsEnabled(enabled);
    airwayPanel_->SetLabelTimerEnabled(enabled);
    setEnabled(enabled);
}

// After each 100 ms recording point: the next piece of the volume-time curve
// goes into its picture at once (the curve only grows), while the airway
// schematic of the live model is only composed and painted when the screen
// can show a new frame, since the run lets no window events through.
void MainWindow::ShowTracePoint() {
    curvePlots_->DrawLiveVolumeTimeStep(1);
    airwayPanel_->QueueSchematic(SchematicInputsFromModel(state_->Session.Model()));
    if (livePictures_.FrameDue()) ShowLiveFrame();
}

// The live pictures as they are now, painted in one pass over the window.
void MainWindow::ShowLiveFrame() {
    airwayPanel_->ComposeQueuedSchematic();
    curvePlots_->ShowLiveVolumeTime();
    client_->repaint(QRegion(airwayPanel_->PictureGeometry()) + curvePlots_->VolumeTimeGeometry());
}

void MainWindow::ShowRunClock() {
    curvePlots_->DrawRunClock(state_->Session.Model().DisplayTime);
    if (livePictures_.FrameDue()) ShowLiveFrame();
}

void MainWindow::OnDeleteRowChosen() {
    state_->Session.DeleteSelected();
}

void MainWindow::ShowRunDeleted() {
    AppState& s = *state_;
    const RunHistory& h = s.Session.Runs();
    ShowAllRunRows();
    if (h.SelectedRun >= 1) runsTableView_->SetCurrentRow(1);
    curvePlots_->RedrawBoth();
    if (h.SelectedRun >= 1) {
        ShowIndices(1, true);
        s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun);
    } else {
        ShowIndices(0, false);
    }
    RepaintTables();
    descriptionBox_->clear();
}

void MainWindow::OnUseAsReferenceChosen() {
    state_->Session.UseSelectedAsReference();
}

void MainWindow::ShowNewReference() {
    AppState& s = *state_;
    const RunHistory& h = s.Session.Runs();
    ShowAllRunRows();
    ShowRunRow(kReferenceRow, 0);
    curvePlots_->DrawFlowVolumePlot();
    curvePlots_->RedrawVolumeTime();
    ShowIndices(h.SelectedRun, true);
    s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun);
    RepaintTables();
    descriptionBox_->clear();
}

void MainWindow::ShowIndices(int slot, bool withObserved) {
    AppState& s = *state_;
    const auto block = breathlab::ShowIndices(s.Indices, s.Session.Runs(), slot, withObserved);
    if (s.Session.Runs().RunCount == 0)
        descriptionBox_->ShowFirstSteps();
    else if (block)
        ShowDescription(*block);
    indicesView_->viewport()->update();
}

void MainWindow::ShowRunRow(int row, int slot) {
    AppState& s = *state_;
    breathlab::ShowRunRow(s.Results, row, s.Session.Runs().Slots[slot],
                          s.Session.Parameters().CurrentRegion);
}

void MainWindow::ShowAllRunRows() {
    for (int row = 1; row <= kMaxListedRuns; ++row)
        ShowRunRow(row, row);
}

void MainWindow::RepaintTables() {
    indicesView_->viewport()->repaint();
    runsTableView_->Repaint();
}

// A parameter's or a run status's description, with a rule of dashes between
// what the parameter is and what changing it does.
void MainWindow::ShowDescription(int block) {
    QString error;
    if (!descriptionBox_->ShowBlock(DataPath(*state_, HelpFolder() + "pdp.txt"), block, error))
        QMessageBox::critical(this, QString(), error);
}

void MainWindow::OnResultsRowClicked(int row) {
    state_->Session.SelectRun(row);
    RepaintTables();
}

void MainWindow::AfterRunSelected(int slot) {
    AppState& s = *state_;
    s.Sliders.LoadSlidersFromSlot(s.Session.Runs().Slots, slot);
    ShowIndices(slot, true);
    curvePlots_->DrawFlowVolumePlot();
    curvePlots_->RedrawVolumeTime();
    ShowCaseNoteOfSelectedRun();
}
