#include "export_dialog.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace breathlab;

ExportDialog::ExportDialog(const RunHistory& history, const FigureSizes& sizes,
                           const ReportInfo& info, const QString& folder, QWidget* parent)
    : QDialog(parent), kinds_(new QButtonGroup(this)),
      exportButton_(new QPushButton(tr("Export..."), this)), statusLabel_(new QLabel(this)),
      history_(history), sizes_(sizes), info_(info), folder_(folder) {
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowTitle(tr("Export"));
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Export the runs shown in the window as:"), this));
    for (ExportKind kind : kExportKinds) {
        auto* choice = new QRadioButton(ExportKindText(kind), this);
        kinds_->addButton(choice, static_cast<int>(kind));
        layout->addWidget(choice);
    }
    kinds_->button(static_cast<int>(ExportKind::Png))->setChecked(true);
    // The CSV holds one run's samples; without a selected run there is none.
    kinds_->button(static_cast<int>(ExportKind::Csv))
        ->setEnabled(history.SelectedRun >= 1 && history.SelectedRun <= history.RunCount);
    statusLabel_->setWordWrap(true);
    statusLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(statusLabel_);
    auto* close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exportButton_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    exportButton_->setDefault(true);
    connect(exportButton_, &QPushButton::clicked, this, &ExportDialog::Export);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    askPath_ = [this](ExportKind kind, const QString& suggested) {
        return QFileDialog::getSaveFileName(this, tr("Export"), suggested, ExportFilter(kind));
    };
}

ExportKind ExportDialog::ChosenKind() const {
    return static_cast<ExportKind>(kinds_->checkedId());
}

QString ExportDialog::SuggestedPath(ExportKind kind) const {
    const QString base = kind == ExportKind::Pdf   ? QStringLiteral("breathlab-report")
                         : kind == ExportKind::Csv ? QStringLiteral("breathlab-run")
                                                   : QStringLiteral("breathlab-curves");
    return QDir(folder_).filePath(base + QLatin1Char('.') + ExportSuffix(kind));
}

void ExportDialog::Export() {
    const ExportKind kind = ChosenKind();
    const QString path = askPath_(kind, SuggestedPath(kind));
    if (path.isEmpty()) return;
    QString error;
    const QStringList written = WriteExport(kind, path, history_, sizes_, info_, error);
    if (written.isEmpty()) {
        QMessageBox::critical(this, QString(), error);
        statusLabel_->clear();
        return;
    }
    statusLabel_->setText(tr("Written: %1").arg(written.join(QStringLiteral(", "))));
    // A long path wraps onto more lines; the dialog grows to show them all.
    adjustSize();
}
