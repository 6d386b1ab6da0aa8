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
    : QDialog(parent), CaseList(new QListWidget(this)), Note(new QTextBrowser(this)),
      OpenButton(new QPushButton(tr("Open case"), this)),
      CloseButton(new QPushButton(tr("Close"), this)), cases_(cases) {
    setObjectName(QStringLiteral("CaseListDialog"));
    setWindowTitle(tr("Cases"));
    CaseList->setObjectName(QStringLiteral("CaseList"));
    Note->setObjectName(QStringLiteral("CaseNote"));
    OpenButton->setObjectName(QStringLiteral("OpenCaseButton"));
    for (const TeachingCase& c : cases)
        CaseList->addItem(QString::fromStdString(c.Title));
    CaseList->setMinimumWidth(CaseList->sizeHintForColumn(0) + 24);
    Note->setMinimumSize(420, 360);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OpenButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(CloseButton, QDialogButtonBox::RejectRole);
    auto* content = new QHBoxLayout;
    content->addWidget(CaseList);
    content->addWidget(Note, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content, 1);
    layout->addWidget(buttons);

    connect(CaseList, &QListWidget::currentRowChanged, this, &CaseListDialog::ShowNote);
    connect(CaseList, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    OpenButton->setEnabled(false);
    if (!cases.empty()) CaseList->setCurrentRow(0);
    setSizeGripEnabled(true);
    GrowWithScreen(this, sizeHint());
}

QString CaseListDialog::ChosenCase() const {
    const int row = CaseList->currentRow();
    if (row < 0 || row >= static_cast<int>(cases_.size())) return {};
    return QString::fromStdString(cases_[static_cast<std::size_t>(row)].Name);
}

void CaseListDialog::ShowNote(int row) {
    const bool valid = row >= 0 && row < static_cast<int>(cases_.size());
    OpenButton->setEnabled(valid);
    if (!valid) {
        Note->clear();
        return;
    }
    const TeachingCase& c = cases_[static_cast<std::size_t>(row)];
    Note->setHtml(CaseNoteHtml(c, c.Parameters()));
}
