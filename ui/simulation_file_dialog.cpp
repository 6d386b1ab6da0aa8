#include "simulation_file_dialog.h"

#include "translated.h"

#include "history_file.h"

#include <QFileDialog>

namespace {

QString AskPath(QWidget* parent, const QString& programFolder, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDirectory(breathlab::SimulationFolder(programFolder));
    dialog.setNameFilter(breathlab::Translated("HistoryFile", breathlab::kSpirometryFilesFilter));
    dialog.setDefaultSuffix(breathlab::kSpirometryFileSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString AskOpenHistoryPath(QWidget* parent, const QString& programFolder) {
    return AskPath(parent, programFolder, QFileDialog::AcceptOpen);
}

QString AskSaveAsHistoryPath(QWidget* parent, const QString& programFolder) {
    return breathlab::ChooseSaveAsPath(
        [&] { return AskPath(parent, programFolder, QFileDialog::AcceptSave); });
}
