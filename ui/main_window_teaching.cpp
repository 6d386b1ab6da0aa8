// The case library, the exercise and File > Export: menus placed after the
// existing ones, so that nothing the users know moves.
#include "main_window.h"

#include "case_list_dialog.h"
#include "description_view.h"
#include "exercise_dialog.h"
#include "export_dialog.h"
#include "history_file.h"
#include "picture_area.h"
#include "teaching_case.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRandomGenerator>
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

void MainWindow::CreateTeachingMenus() {
    exportAction = fileMenu->addAction(tr("Export..."));
    casesAction = menuBar()->addAction(tr("Cases"));
    exerciseAction = menuBar()->addAction(tr("Exercise"));
    exportAction->setObjectName("exportAction");
    casesAction->setObjectName("casesAction");
    exerciseAction->setObjectName("exerciseAction");
    connect(exportAction, &QAction::triggered, this, &MainWindow::OnExportChosen);
    connect(casesAction, &QAction::triggered, this, &MainWindow::OnCasesChosen);
    connect(exerciseAction, &QAction::triggered, this, &MainWindow::OnExerciseChosen);
}

void MainWindow::OnExportChosen() {
    const AppState& s = *state_;
    // Twice the plots' screen size for the PNG: the figures keep the layout
    // the plots have in this window.
    FigureSizes sizes;
    if (!flowVolumePlot->size().isEmpty()) sizes.FlowVolume = flowVolumePlot->size();
    if (!volumeTimePlot->size().isEmpty()) sizes.VolumeTime = volumeTimePlot->size();
    ReportInfo info;
    info.Source = dataSourceLine->text().trimmed();
    ExportDialog dialog(*s.History, sizes, info, SimulationFolder(s.Folders.User), this);
    dialog.exec();
}

// A case opens like a file; the case files stay as they are, since "Save"
// writes into the simulation folder.
void MainWindow::OnCasesChosen() {
    const auto cases = ReadCases(this, DataPath(*state_, kCaseTablePath));
    if (!cases) return;
    CaseListDialog dialog(*cases, this);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenCase().isEmpty()) return;
    OpenHistoryPath(DataPath(*state_, QStringLiteral("cases/%1.spi").arg(dialog.ChosenCase())));
    descriptionBox->clear();
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
