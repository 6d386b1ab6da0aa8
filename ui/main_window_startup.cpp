// Start-up and exit of the main window: the single-instance and data checks,
// the hot-spot table, the default history, the tables, plots and pictures,
// and last the model's reset.
#include "main_window.h"

#include "airway_panel.h"
#include "curve_plots.h"
#include "data_files.h"
#include "history_file.h"
#include "runs_table_view.h"
#include "string_grid.h"

#include <QCloseEvent>
#include <QMessageBox>

using namespace breathlab;

namespace {

void ShowError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QString(), message);
}

} // namespace

QString breathlab::DataPath(const AppState& state, const QString& relativeName) {
    return ResolveDataPath(state.Folders.Data, relativeName);
}

// Conditions that end the program before anything else happens.
bool MainWindow::StartupChecks() {
    AppState& s = *state_;
    s.InstanceLock = std::make_unique<SingleInstanceLock>();
    if (s.InstanceLock->AnotherInstanceRuns()) {
        ShowError(this, AlreadyRunningMessage());
        return false;
    }
    s.Folders = RunningProgramDataFolders();
    PrepareUserFolder(s.Folders);
    if (auto failure = CheckDataFiles(s.Folders.Data, s.Folders.User)) {
        ShowError(this, *failure);
        return false;
    }
    return true;
}

void MainWindow::FormCreate() {
    if (!StartupChecks()) return;
    AppState& s = *state_;
    setWindowTitle(tr("Varo e-breathlab "));
    s.SaveName = kDefaultSaveName;
    ApplyStartupLayout();
    for (const QString& failure : airwayPanel_->LoadHotSpotTable(HotSpotTableToRead(s.Folders)))
        ShowError(this, failure);

    // The default history: the reference and, usually, no stored runs. The
    // session's start-up also settles the model, which sets the parameter
    // percentages of every stored run to 100.
    auto defaults = std::make_unique<ResultHistory>();
    const FileOutcome read = ReadHistorySet(DataPath(s, kStandardHistoryFile), *defaults);
    if (!read.Ok) ShowError(this, read.Message);
    s.Session.StartUp(read.Ok ? defaults.get() : nullptr);

    ShowIndices(0, false);
    ShowRunRow(0, 0);
    for (int row = 1; row <= kMaxListedRuns; ++row)
        ShowRunRow(row, row);
    ShowRunRow(kReferenceRow, 0);
    runsTableView_->SetCurrentRow(1);

    curvePlots_->CreateImages(devicePixelRatioF());
    curvePlots_->DrawFlowVolumePlot();
    s.VolumeTime.VolumeTimeCursor = 1;
    curvePlots_->DrawVolumeTimeStep(1);

    for (const QString& failure : airwayPanel_->LoadPictures(s.Folders.Data, devicePixelRatioF()))
        ShowError(this, failure);
    RemoveScratchFile(s.Folders.Data);
    SelectSliderGroup(0);
    startupSucceeded_ = true;
}

void MainWindow::FormDestroy() {
    if (!startupSucceeded_) return;
    if (auto failure = airwayPanel_->SaveShownHotSpotTable(HotSpotTableToWrite(state_->Folders)))
        ShowError(this, *failure);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A replay runs inside its button's handler; it must end before the window goes.
    state_->Animation.StopRequested = true;
    QMainWindow::closeEvent(event);
}
