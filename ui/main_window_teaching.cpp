// The case library, the exercise and File > Export: menus placed after the
// existing ones, so that nothing the users know moves.
#include "main_window.h"

#include "case_list_dialog.h"
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

void TForm1::CreateTeachingMenus() {
    Export1 = File1->addAction(tr("Export..."));
    Cases1 = menuBar()->addAction(tr("Cases"));
    Exercise1 = menuBar()->addAction(tr("Exercise"));
    Export1->setObjectName("Export1");
    Cases1->setObjectName("Cases1");
    Exercise1->setObjectName("Exercise1");
    connect(Export1, &QAction::triggered, this, &TForm1::Export1Click);
    connect(Cases1, &QAction::triggered, this, &TForm1::Cases1Click);
    connect(Exercise1, &QAction::triggered, this, &TForm1::Exercise1Click);
}

void TForm1::Export1Click() {
    const AppState& s = *state_;
    // Twice the plots' screen size for the PNG: the figures keep the layout
    // the plots have in this window.
    FigureSizes sizes;
    if (!Image2->size().isEmpty()) sizes.FlowVolume = Image2->size();
    if (!Image3->size().isEmpty()) sizes.VolumeTime = Image3->size();
    ReportInfo info;
    info.Source = Label26->text().trimmed();
    TExportDialog dialog(*s.History, sizes, info, SimulationFolder(s.Folders.User), this);
    dialog.exec();
}

// A case opens like a file; the case files stay as they are, since "Save"
// writes into the simulation folder.
void TForm1::Cases1Click() {
    const auto cases = ReadCases(this, DataPath(*state_, kCaseTablePath));
    if (!cases) return;
    TCaseListDialog dialog(*cases, this);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenCase().isEmpty()) return;
    OpenHistoryPath(DataPath(*state_, QStringLiteral("cases/%1.spi").arg(dialog.ChosenCase())));
    RichEdit1->clear();
}

// The exercise runs its patients on a model of its own, so the window's runs
// and sliders stay as they were.
void TForm1::Exercise1Click() {
    const auto cases = ReadCases(this, DataPath(*state_, kCaseTablePath));
    if (!cases) return;
    auto defaults = std::make_unique<ResultHistory>();
    const FileOutcome read = ReadHistorySet(DataPath(*state_, kStandardHistoryFile), *defaults);
    if (!read.Ok) {
        QMessageBox::critical(this, QString(), read.Message);
        return;
    }
    TExerciseDialog dialog(*cases, *defaults, QRandomGenerator::global()->generate(), this);
    dialog.NewRound();
    dialog.exec();
}
