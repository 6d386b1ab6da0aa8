// The case library, the exercise and File > Export: menus placed after the
// existing ones, so that nothing the users know moves.
#include "main_window.h"

#include "case_list_dialog.h"
#include "description_view.h"
#include "exercise_dialog.h"
#include "export_dialog.h"
#include "history_commands.h"
#include "history_file.h"
#include "curve_plots.h"
#include "string_grid.h"
#include "lower_panel.h"
#include "runs_table_view.h"
#include "case_notes.h"
#include "teaching_case.h"

#include <QDateTime>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTextDocument>
#include <QTextEdit>

using namespace breathlab;

namespace {

// The library beside the program; a missing or broken table is reported.
std::optional<std::vector<TeachingCase>> ReadCases(QWidget* parent, const QString& tablePath) {
    std::string error;
    auto cases = ReadCaseTable(tablePath.toStdString(), error);
    if (!cases) QMessageBox::critical(parent, QString(), QString::fromStdString(error));
    return cases;
}

} // namespace

void MainWindow::OnExportChosen() {
    const AppState& s = *state_;
    // Twice the plots' screen size for the PNG: the figures keep the layout
    // the plots have in this window.
    FigureSizes sizes;
    if (!curvePlots_->FlowVolumeSize().isEmpty()) sizes.FlowVolume = curvePlots_->FlowVolumeSize();
    if (!curvePlots_->VolumeTimeSize().isEmpty()) sizes.VolumeTime = curvePlots_->VolumeTimeSize();
    ReportInfo info;
    info.Source = lowerPanel_->DataSource().trimmed();
    const RunHistory& h = s.Session.Runs();
    if (h.SelectedRun >= 1)
        if (const OpenedCaseNote* note = openedCaseNotes_.NoteOf(h.Slots[h.SelectedRun])) {
            info.CaseTitle = note->Title;
            info.CaseNote = note->PlainText;
        }
    ExportDialog dialog(s.Session.Runs(), sizes, info, SimulationFolder(s.Folders.User), this);
    dialog.exec();
}

// A case's run joins the listed runs as START's run would, so that two
// cases (an obstructive and a restrictive one) can be compared on one plot;
// the case files stay as they are, since "Save" writes the user's file.
void MainWindow::OnCasesChosen() {
    const auto cases = ReadCases(this, DataPath(*state_, kCaseTablePath));
    if (!cases) return;
    CaseListDialog dialog(*cases, this);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenCase().isEmpty()) return;
    const TeachingCase* chosen = FindCase(*cases, dialog.ChosenCase().toStdString());
    if (chosen) AddCaseRun(*chosen);
}

void MainWindow::AddCaseRun(const TeachingCase& chosen) {
    AppState& s = *state_;
    const QString path =
        DataPath(s, QStringLiteral("cases/%1.spi").arg(QString::fromStdString(chosen.Name)));
    auto caseHistory = std::make_unique<ResultHistory>();
    const FileOutcome read = ReadHistorySet(path, *caseHistory);
    if (!read.Ok || !IsSlotOccupied((*caseHistory)[1])) {
        QMessageBox::critical(this, QString(),
                              read.Ok ? tr("The case file %1 holds no run.").arg(path)
                                      : read.Message);
        return;
    }
    // The note is known by the run's volume trace, which joining the runs
    // leaves as it is.
    const QString title = QString::fromStdString(chosen.Title);
    const QString html = CaseNoteHtml(chosen, chosen.Parameters());
    QTextDocument plain;
    plain.setHtml(html);
    openedCaseNotes_.Remember((*caseHistory)[1], {title, html, plain.toPlainText()});
    lowerPanel_->SetDataSource(tr("Case: %1").arg(title));
    s.Session.AddRun((*caseHistory)[1], (*caseHistory)[0]);
}

void MainWindow::ShowAddedRun() {
    ShowAllRunRows();
    runsTableView_->SetCurrentRow(1);
    AfterRunSelected(1);
    RepaintTables();
}

// While a case's run is selected its note stands in the description box.
void MainWindow::ShowCaseNoteOfSelectedRun() {
    const RunHistory& h = state_->Session.Runs();
    const OpenedCaseNote* note =
        h.SelectedRun >= 1 ? openedCaseNotes_.NoteOf(h.Slots[h.SelectedRun]) : nullptr;
    if (note) {
        descriptionBox_->setHtml(note->Html);
        caseNoteShown_ = true;
    } else if (caseNoteShown_) {
        descriptionBox_->clear();
        caseNoteShown_ = false;
    }
}

// The exercise runs its patients on a model of its own, so the window's runs
// and sliders stay as they were.
void MainWindow::OnExerciseChosen() {
    const auto cases = ReadCases(this, DataPath(*state_, kCaseTablePath));
    if (!cases) return;
    auto defaults = std::make_unique<ResultHistory>();
    const FileOutcome read = ReadHistorySet(DataPath(*state_, kStandardHistoryFile), *defaults);
    if (!read.Ok) {
        QMessageBox::critical(this, QString(), read.Message);
        return;
    }
    ExerciseDialog dialog(*cases, *defaults, QRandomGenerator::global()->generate(), this);
    dialog.NewRound();
    dialog.exec();
}
