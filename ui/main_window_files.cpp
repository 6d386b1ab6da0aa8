// Simulation files, the default reference, the settings view, help and about.
#include "main_window.h"

#include "description_view.h"
#include "translated.h"

#include "about_box.h"
#include "curve_plots.h"
#include "help_pages.h"
#include "help_window.h"
#include "history_file.h"
#include "lower_panel.h"
#include "runs_table_view.h"
#include "settings_dialog.h"
#include "simulation_file_dialog.h"

#include <QMessageBox>
#include <QTextEdit>

#include <memory>

using namespace breathlab;

namespace {

// A failed command shows its message; a successful one updates the data-source
// line and may have something to say.
bool Report(QWidget* parent, LowerPanel& dataSource, const FileCommandResult& result) {
    if (!result.Outcome.Ok) {
        QMessageBox::critical(parent, QString(), result.Outcome.Message);
        return false;
    }
    if (!result.DataSourceLine.isEmpty()) dataSource.SetDataSource(result.DataSourceLine);
    if (!result.Notice.isEmpty()) QMessageBox::information(parent, QString(), result.Notice);
    return true;
}

} // namespace

void MainWindow::OnOpenChosen() {
    const QString path = AskOpenHistoryPath(this, state_->Folders.User);
    if (!path.isEmpty()) OpenHistoryPath(path);
    descriptionBox_->clear();
}

void MainWindow::OpenHistoryPath(const QString& path) {
    Report(this, *lowerPanel_, OpenHistoryFile(path, state_->Session));
}

void MainWindow::ShowOpenedHistory() {
    // A file without runs shows the reference alone, as after deleting
    // the last run, rather than a run of zeros.
    const bool runListed = state_->Session.Runs().SelectedRun == 1;
    ShowIndices(runListed ? 1 : 0, runListed);
    if (runListed) runsTableView_->SetCurrentRow(1);
    AfterHistoryReplaced();
}

void MainWindow::OpenFileFromCommandLine(const QString& path) {
    if (!startupSucceeded_) return;
    OpenHistoryPath(path);
    descriptionBox_->clear();
}

// Every view of the history after it was read from a file.
void MainWindow::AfterHistoryReplaced() {
    AppState& s = *state_;
    const RunHistory& h = s.Session.Runs();
    curvePlots_->RedrawBoth();
    ShowAllRunRows();
    ShowRunRow(kReferenceRow, 0);
    s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun);
    RepaintTables();
}

void MainWindow::OnSaveChosen() {
    const AppState& s = *state_;
    Report(this, *lowerPanel_, SaveHistoryFile(s.Folders.User, s.SaveName, s.Session));
}

void MainWindow::OnSaveAsChosen() {
    AppState& s = *state_;
    const QString path = AskSaveAsHistoryPath(this, s.Folders.User);
    if (path.isEmpty()) return;
    Report(this, *lowerPanel_, SaveHistoryFileAs(path, s.SaveName, s.Session));
}

// The default reference is read afresh: the file is the program's, not the
// session's.
void MainWindow::OnDefaultReferenceChosen() {
    AppState& s = *state_;
    auto reference = std::make_unique<ResultRecord>();
    if (!Report(this, *lowerPanel_, ReadDefaultReference(s.Folders.Data, *reference))) return;
    s.Session.RestoreDefaultReference(*reference);
}

void MainWindow::ShowDefaultReference() {
    AppState& s = *state_;
    const RunHistory& h = s.Session.Runs();
    ShowIndices(0, false);
    ShowAllRunRows();
    ShowRunRow(kReferenceRow, 0);
    curvePlots_->DrawFlowVolumePlot();
    ShowIndices(h.SelectedRun > 0 ? h.SelectedRun : 0, h.SelectedRun > 0);
    s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun > 0 ? h.SelectedRun : 0);
    RepaintTables();
    descriptionBox_->clear();
    lowerPanel_->SetDataSource(Translated("HistoryFile", kStandardDataSourceLine));
}

void MainWindow::OnRowSettingsChosen() {
    AppState& s = *state_;
    ShowSettingsTable(this, s.Session.Runs(), s.Session.Model(),
                      SmallestTextPixels(laidOutScreen_));
}

void MainWindow::OnSettingsClicked() {
    OnRowSettingsChosen();
}

HelpWindow* MainWindow::Help() {
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    return helpWindow_;
}

void MainWindow::ShowHelpPage(const QString& page) {
    Help()->ShowHelpPage(HelpPagePath(state_->Folders.Data, page));
}

void MainWindow::OnHelpChosen() {
    ShowHelpPage(kGeneralHelpPage);
}

void MainWindow::OnRowHelpChosen() {
    ShowHelpPage(kResultsTableHelpPage);
}

void MainWindow::OnAboutChosen() {
    if (const int smallest = SmallestTextPixels(laidOutScreen_); smallest > 0) {
        // On a projector the box is drawn afresh at presentation size.
        AboutBox large(laidOutScreen_.width(), this, smallest);
        large.exec();
        return;
    }
    if (!aboutBox_) aboutBox_ = new AboutBox(this);
    aboutBox_->exec();
}

void MainWindow::OnQuitChosen() {
    close();
}
