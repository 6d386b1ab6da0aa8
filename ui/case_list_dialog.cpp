#include "case_list_dialog.h"

#include "case_notes.h"
#include "screen_share.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace breathlab;

CaseListDialog::CaseListDialog(const std::vector<TeachingCase>& cases, QWidget* parent)
    : QDialog(parent), caseList_(new QListWidget(this)), noteView_(new QTextBrowser(this)),
      openButton_(new QPushButton(tr("Open case"), this)),
      closeButton_(new QPushButton(tr("Close"), this)), cases_(cases) {
    setObjectName(QStringLiteral("CaseListDialog"));
    setWindowTitle(tr("Cases"));
    caseList_->setObjectName(QStringLiteral("CaseList"));
    noteView_->setObjectName(QStringLiteral("CaseNote"));
    openButton_->setObjectName(QStringLiteral("OpenCaseButton"));
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    for (const TeachingCase& c : cases)
        caseList_->addItem(QString::fromStdString(c.Title));
    caseList_->setMinimumWidth(caseList_->sizeHintForColumn(0) + 24);
    noteView_->setMinimumSize(420, 360);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(openButton_, QDialogButtonBox::AcceptRole);
    buttons->addButton(closeButton_, QDialogButtonBox::RejectRole);
    auto* content = new QHBoxLayout;
    content->addWidget(caseList_);
    content->addWidget(noteView_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content, 1);
    layout->addWidget(buttons);

    connect(caseList_, &QListWidget::currentRowChanged, this, &CaseListDialog::ShowNote);
    connect(caseList_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    openButton_->setEnabled(false);
    if (!cases.empty()) caseList_->setCurrentRow(0);
    setSizeGripEnabled(true);
    GrowWithScreen(this, sizeHint());
}

QString CaseListDialog::ChosenCase() const {
    const int row = caseList_->currentRow();
    if (row < 0 || row >= static_cast<int>(cases_.size())) return {};
    return QString::fromStdString(cases_[static_cast<std::size_t>(row)].Name);
}

void CaseListDialog::ShowNote(int row) {
    const bool valid = row >= 0 && row < static_cast<int>(cases_.size());
    openButton_->setEnabled(valid);
    if (!valid) {
        noteView_->clear();
        return;
    }
    const TeachingCase& c = cases_[static_cast<std::size_t>(row)];
    noteView_->setHtml(CaseNoteHtml(c, c.Parameters()));
}
