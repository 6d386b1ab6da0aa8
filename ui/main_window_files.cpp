// Simulation files, the default reference, the settings view, help and about.
#include "main_window.h"

#include "translated.h"

#include "about_box.h"
#include "help_pages.h"
#include "help_window.h"
#include "history_file.h"
#include "settings_dialog.h"
#include "simulation_file_dialog.h"
#include "string_grid.h"

#include <QLabel>
#include <QMessageBox>
#include <QTextEdit>

using namespace breathlab;

namespace {

// A failed command shows its message; a successful one updates the data-source
// line and may have something to say.
bool Report(QWidget* parent, QLabel* dataSourceLine, const FileCommandResult& result) {
    if (!result.Outcome.Ok) {
        QMessageBox::critical(parent, QString(), result.Outcome.Message);
        return false;
    }
    if (!result.DataSourceLine.isEmpty()) dataSourceLine->setText(result.DataSourceLine);
    if (!result.Notice.isEmpty()) QMessageBox::information(parent, QString(), result.Notice);
    return true;
}

} // namespace

void TForm1::Open1Click() {
    const QString path = AskOpenHistoryPath(this, state_->Folders.User);
    if (!path.isEmpty()) OpenHistoryPath(path);
    RichEdit1->clear();
}

void TForm1::OpenHistoryPath(const QString& path) {
    AppState& s = *state_;
    if (!Report(this, Label26, OpenHistoryFile(path, *s.History))) return;
    // A file without runs shows the reference alone, as after deleting
    // the last run, rather than a run of zeros.
    const bool runListed = s.History->SelectedRun == 1;
    ShowIndices(runListed ? 1 : 0, runListed);
    if (runListed) StringGrid2->SetCurrentCell(StringGrid2->Col(), 1);
    AfterHistoryReplaced();
}

void TForm1::OpenFileFromCommandLine(const QString& path) {
    if (!startupSucceeded_) return;
    OpenHistoryPath(path);
    RichEdit1->clear();
}

// Every view of the history after it was read from a file.
void TForm1::AfterHistoryReplaced() {
    AppState& s = *state_;
    RunHistory& h = *s.History;
    DrawFlowVolumePlot();
    if (h.SelectedRun >= 1) {
        RedrawVolumeTime();
    } else {
        s.VolumeTime.VolumeTimeCursor = 1;
        DrawVolumeTimeStep(1);
    }
    ShowAllRunRows();
    ShowRunRow(kReferenceRow, 0);
    s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun);
    RepaintTables();
}

void TForm1::Save1Click() {
    const AppState& s = *state_;
    Report(this, Label26, SaveHistoryFile(s.Folders.User, s.SaveName, s.History->Slots));
}

void TForm1::Saveas1Click() {
    AppState& s = *state_;
    const QString path = AskSaveAsHistoryPath(this, s.Folders.User);
    if (path.isEmpty()) return;
    Report(this, Label26, SaveHistoryFileAs(path, s.SaveName, s.History->Slots));
}

void TForm1::refDefault1Click() {
    AppState& s = *state_;
    RunHistory& h = *s.History;
    if (!Report(this, Label26, RestoreDefaultReference(s.Folders.Data, h))) return;
    ShowIndices(0, false);
    ShowAllRunRows();
    ShowRunRow(kReferenceRow, 0);
    DrawFlowVolumePlot();
    ShowIndices(h.SelectedRun > 0 ? h.SelectedRun : 0, h.SelectedRun > 0);
    s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun > 0 ? h.SelectedRun : 0);
    RepaintTables();
    RichEdit1->clear();
    Label26->setText(Translated("HistoryFile", kStandardDataSourceLine));
}

void TForm1::Settins1Click() {
    AppState& s = *state_;
    ShowSettingsTable(this, *s.History, *s.Model);
}

void TForm1::Button12Click() {
    Settins1Click();
}

TForm4* TForm1::HelpWindow() {
    if (!helpWindow_) helpWindow_ = new TForm4(this);
    return helpWindow_;
}

void TForm1::ShowHelpPage(const QString& page) {
    HelpWindow()->ShowHelpPage(HelpPagePath(state_->Folders.Data, page));
}

void TForm1::Help1Click() {
    ShowHelpPage(kGeneralHelpPage);
}

void TForm1::Pomoc1Click() {
    ShowHelpPage(kResultsTableHelpPage);
}

void TForm1::About1Click() {
    if (!aboutBox_) aboutBox_ = new TAboutBox(this);
    aboutBox_->exec();
}

void TForm1::ContextHelpMouseDown(QWidget* control, Qt::MouseButton button) {
    if (button != Qt::RightButton) return;
    ShowHelpPage(ContextHelpPage(control->objectName()));
}

void TForm1::Quit1Click() {
    close();
}
