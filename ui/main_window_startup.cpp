// Start-up and exit of the main window: the single-instance and data checks,
// the hot-spot table, the default history, the tables, plots and pictures,
// and last the model's reset.
#include "main_window.h"

#include "data_files.h"
#include "flow_volume_plot.h"
#include "grid_file.h"
#include "history_file.h"
#include "hot_spot_grid.h"
#include "jpeg_picture.h"
#include "picture_area.h"
#include "runs_table_view.h"
#include "simulation_run.h"
#include "string_grid.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QMessageBox>
#include <QTimer>

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
    LoadHotSpotTable();

    // The default history: the reference and, usually, no stored runs.
    const FileOutcome read = ReadHistorySet(DataPath(s, kStandardHistoryFile), s.History->Slots);
    if (!read.Ok) ShowError(this, read.Message);

    ShowIndices(0, false);
    ShowRunRow(0, 0);
    for (int row = 1; row <= kMaxListedRuns; ++row)
        ShowRunRow(row, row);
    ShowRunRow(kReferenceRow, 0);
    runsTableView_->SetCurrentRow(1);
    s.Parameters.SetAll(100.0);

    // The plots are drawn at the screen's resolution, on the logical layout.
    s.FlowVolumeImage = NewDeviceImage(flowVolumePlot->size(), devicePixelRatioF());
    s.VolumeTimeImage = NewDeviceImage(volumeTimePlot->size(), devicePixelRatioF());
    DrawFlowVolumePlot();
    s.VolumeTime.VolumeTimeCursor = 1;
    DrawVolumeTimeStep(1);

    LoadPictures();
    SelectSliderGroup(0);
    // Runs last: it also sets the parameter percentages of every stored run to 100.
    ResetModel(*s.Model, s.History->Slots);
    startupSucceeded_ = true;
}

void MainWindow::LoadHotSpotTable() {
    if (auto failure = LoadHotSpotGrid(HotSpotTableToRead(state_->Folders), *hotSpotGrid))
        ShowError(this, *failure);
}

void MainWindow::LoadPictures() {
    AppState& s = *state_;
    for (int k = 1; k <= kRegionPictureCount; ++k) {
        const QString name = QString("datfiles1/F%1.dat").arg(k, 3, 10, QChar('0'));
        DecodedPicture picture = LoadRegionPicture(DataPath(s, name));
        if (!picture.Ok()) {
            ShowError(this, picture.Error);
            continue;
        }
        s.Pictures[k] = picture.Image;
    }
    RemoveScratchFile(s.Folders.Data);
    DecodedPicture background = LoadJpegFile(DataPath(s, "datfiles1/tlo.dat"));
    // The schematic is drawn over the background at every live trace point;
    // stretched once to the picture's size here, it is only copied there.
    if (background.Ok()) {
        s.BackgroundPicture =
            background.Image.scaled(airwayPicture->size() * devicePixelRatioF(),
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        s.BackgroundPicture.setDevicePixelRatio(devicePixelRatioF());
    } else
        ShowError(this, background.Error);
    s.OffscreenBitmap = NewDeviceImage(airwayPicture->size(), devicePixelRatioF());
    s.AirwayImage = NewDeviceImage(airwayPicture->size(), devicePixelRatioF());
    s.AirwayImage.fill(Qt::white);
    airwayPicture->SetPicture(s.AirwayImage);
}

void MainWindow::FormDestroy() {
    if (!startupSucceeded_) return;
    // The hot-spot table is edited only while it is shown (through "tab").
    if (hotSpotGrid->isVisible()) {
        TextGrid grid(hotSpotGrid->ColCount(), hotSpotGrid->RowCount());
        for (int row = 0; row < hotSpotGrid->RowCount(); ++row)
            for (int col = 0; col < hotSpotGrid->ColCount(); ++col)
                grid.SetCell(col, row, hotSpotGrid->Cell(col, row));
        if (auto failure = SaveGridToFile(HotSpotTableToWrite(state_->Folders), grid))
            ShowError(this, *failure);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A replay runs inside its button's handler; it must end before the window goes.
    state_->Animation.StopRequested = true;
    QMainWindow::closeEvent(event);
}

void MainWindow::OnHotSpotTableToggled(bool checked) {
    hotSpotGrid->setVisible(checked);
}
