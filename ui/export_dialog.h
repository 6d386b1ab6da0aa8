// File > Export: the shown runs as figures, a report or the selected run's
// samples, written into the user's folder by default.
#pragma once

#include "export_commands.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QLabel;
class QPushButton;

class ExportDialog : public QDialog {
    Q_OBJECT

  public:
    // Asks for the target of an export, starting from a suggested path; an
    // empty answer means the user cancelled.
    using AskPath = std::function<QString(breathlab::ExportKind, const QString& suggested)>;

    ExportDialog(const breathlab::RunHistory& history, const breathlab::FigureSizes& sizes,
                 const breathlab::ReportInfo& info, const QString& folder,
                 QWidget* parent = nullptr);

    // Replaces the file dialog (the tests answer without one).
    void SetAskPath(AskPath askPath) { askPath_ = std::move(askPath); }

    breathlab::ExportKind ChosenKind() const;

    // The choice of what to export (ids: the ExportKind values).
    const QButtonGroup& Kinds() const { return *kinds_; }

  public slots:
    void Export();

  private:
    QString SuggestedPath(breathlab::ExportKind kind) const;

    QButtonGroup* kinds_; // ids: the ExportKind values
    QPushButton* exportButton_;
    QLabel* statusLabel_; // the files written
    const breathlab::RunHistory& history_;
    breathlab::FigureSizes sizes_;
    breathlab::ReportInfo info_;
    QString folder_;
    AskPath askPath_;
};
