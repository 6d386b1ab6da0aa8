// The "Cases" window: the library's cases with their teaching notes; the
// chosen case opens like a simulation file.
#pragma once

#include "teaching_case.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QPushButton;
class QTextBrowser;

class CaseListDialog : public QDialog {
    Q_OBJECT

  public:
    CaseListDialog(const std::vector<breathlab::TeachingCase>& cases, QWidget* parent = nullptr);

    // The name of the case to open, after the dialog was accepted.
    QString ChosenCase() const;

  private:
    void ShowNote(int row);

    QListWidget* caseList_;
    QTextBrowser* noteView_; // the teaching note of the selected case
    QPushButton* openButton_;
    QPushButton* closeButton_;
    const std::vector<breathlab::TeachingCase>& cases_;
};
