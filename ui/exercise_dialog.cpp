#include "exercise_dialog.h"

#include "case_notes.h"
#include "case_runs.h"
#include "flow_volume_plot.h"
#include "indices_table.h"
#include "screen_share.h"
#include "volume_time_plot.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace breathlab;

namespace {

const QSize kFlowVolumeSize(420, 330);
const QSize kVolumeTimeSize(420, 250);

QPixmap FlowVolumePicture(const RunHistory& history, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintFlowVolumePlot(painter, history);
    return QPixmap::fromImage(image);
}

QPixmap VolumeTimePicture(const RunHistory& history, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    VolumeTimePlot plot;
    PaintVolumeTimeAxes(painter, history.Slots);
    PaintVolumeTimeCurve(painter, plot, history);
    return QPixmap::fromImage(image);
}

// The rows of the indices table that name an index, with its header.
void FillIndices(QTableWidget* view, const RunHistory& history) {
    IndicesTable table;
    ShowIndices(table, history, 1, true);
    table.Cells[0][kIndexNameColumn] = QCoreApplication::translate("ExerciseDialog", "Index");
    view->setRowCount(0);
    for (int row = 0; row < kVariableRow; ++row) {
        if (table.Cells[row][kIndexNameColumn].isEmpty()) continue;
        const int at = view->rowCount();
        view->insertRow(at);
        for (int col = 0; col < kIndicesColumns; ++col) {
            auto* item = new QTableWidgetItem(table.Cells[row][col].trimmed());
            item->setTextAlignment(col >= kReferenceColumn ? Qt::AlignRight | Qt::AlignVCenter
                                                           : Qt::AlignLeft | Qt::AlignVCenter);
            if (row == 0) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            view->setItem(at, col, item);
        }
    }
    view->resizeColumnsToContents();
}

QGroupBox* ChoiceBox(const QString& title, QButtonGroup* group, const QStringList& texts,
                     QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    for (int id = 0; id < texts.size(); ++id) {
        auto* choice = new QRadioButton(texts[id], box);
        group->addButton(choice, id);
        layout->addWidget(choice);
    }
    return box;
}

} // namespace

ExerciseDialog::ExerciseDialog(const std::vector<TeachingCase>& cases,
                               const ResultHistory& defaults, std::uint32_t sessionSeed,
                               QWidget* parent)
    : QDialog(parent), ExerciseLabel(new QLabel(this)), ScoreLabel(new QLabel(this)),
      FlowVolumeView(new QLabel(this)), VolumeTimeView(new QLabel(this)),
      IndicesView(new QTableWidget(0, kIndicesColumns, this)),
      PatternChoices(new QButtonGroup(this)), SiteChoices(new QButtonGroup(this)),
      AnswerButton(new QPushButton(tr("Answer"), this)),
      NewRoundButton(new QPushButton(tr("New round"), this)), SeedBox(new QSpinBox(this)),
      SeedButton(new QPushButton(tr("Open exercise"), this)), AnswerView(new QTextBrowser(this)),
      session_(cases, sessionSeed), defaults_(defaults) {
    setObjectName(QStringLiteral("ExerciseDialog"));
    QFont large = ExerciseLabel->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.3);
    ExerciseLabel->setFont(large);
    // The plots are drawn afresh at whatever size the window grows to.
    for (auto [view, size] : {std::pair{FlowVolumeView, kFlowVolumeSize},
                              std::pair{VolumeTimeView, kVolumeTimeSize}}) {
        view->setMinimumSize(size);
        view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    setSizeGripEnabled(true);
    IndicesView->horizontalHeader()->hide();
    IndicesView->verticalHeader()->hide();
    IndicesView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    IndicesView->setSelectionMode(QAbstractItemView::NoSelection);
    IndicesView->setFocusPolicy(Qt::NoFocus);
    IndicesView->setMinimumHeight(12 * IndicesView->verticalHeader()->defaultSectionSize() + 4);
    AnswerView->setMinimumHeight(150);

    auto* top = new QHBoxLayout;
    top->addWidget(ExerciseLabel);
    top->addStretch(1);
    top->addWidget(ScoreLabel);
    auto* plots = new QVBoxLayout;
    plots->addWidget(FlowVolumeView, kFlowVolumeSize.height());
    plots->addWidget(VolumeTimeView, kVolumeTimeSize.height());
    auto* right = new QVBoxLayout;
    right->addWidget(IndicesView);
    right->addWidget(CreateQuestions());
    right->addWidget(AnswerView, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(plots, 3);
    middle->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(CreateSeedRow());

    connect(AnswerButton, &QPushButton::clicked, this, &ExerciseDialog::Answer);
    connect(NewRoundButton, &QPushButton::clicked, this, &ExerciseDialog::NewRound);
    connect(SeedButton, &QPushButton::clicked, this, &ExerciseDialog::OpenSeed);
    ShowScore();
    GrowWithScreen(this, sizeHint());
}

ExerciseDialog::~ExerciseDialog() = default;

QWidget* ExerciseDialog::CreateQuestions() {
    auto* questions = new QWidget(this);
    auto* layout = new QHBoxLayout(questions);
    layout->setContentsMargins(0, 0, 0, 0);
    QStringList patterns, sites;
    for (Pattern p : kAllPatterns)
        patterns << PatternText(p);
    for (FaultSite s : kAllSites)
        sites << SiteText(s);
    layout->addWidget(ChoiceBox(tr("1. Which pattern?"), PatternChoices, patterns, questions));
    layout->addWidget(ChoiceBox(tr("2. Where is the fault?"), SiteChoices, sites, questions));
    return questions;
}

QWidget* ExerciseDialog::CreateSeedRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    SeedBox->setRange(1, static_cast<int>(kLargestExerciseSeed));
    SeedBox->setObjectName(QStringLiteral("SeedBox"));
    auto* close = new QPushButton(tr("Close"), row);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(AnswerButton);
    layout->addWidget(NewRoundButton);
    layout->addStretch(1);
    layout->addWidget(new QLabel(tr("Exercise number:"), row));
    layout->addWidget(SeedBox);
    layout->addWidget(SeedButton);
    layout->addWidget(close);
    return row;
}

void ExerciseDialog::NewRound() {
    if (session_.HasCases()) ShowRound(session_.NewRound());
}

void ExerciseDialog::OpenSeed() {
    if (session_.HasCases())
        ShowRound(session_.StartRound(static_cast<std::uint32_t>(SeedBox->value())));
}

// Runs the patient (a fraction of a second) and shows what a student may see.
void ExerciseDialog::ShowRound(const ExerciseRound& round) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    shown_ = std::make_unique<RunHistory>();
    shown_->Slots = *RunPatient(round.Patient, &defaults_);
    shown_->SelectedRun = 1;
    shown_->RunCount = 1;
    DrawPlots();
    FillIndices(IndicesView, *shown_);
    QApplication::restoreOverrideCursor();

    ExerciseLabel->setText(tr("Exercise %1").arg(round.Seed));
    SeedBox->setValue(static_cast<int>(round.Seed));
    for (QButtonGroup* group : {PatternChoices, SiteChoices}) {
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons())
            b->setChecked(false);
        group->setExclusive(true);
    }
    UnmarkChoices();
    AnswerButton->setEnabled(true);
    AnswerView->setHtml(tr("<p>Read the curves and the indices (Ref.: the normal reference, "
                           "Obs.: the patient), then answer both questions.</p>"));
}

void ExerciseDialog::Answer() {
    const auto& round = session_.Current();
    if (!round || !round->Case) return;
    if (PatternChoices->checkedId() < 0 || SiteChoices->checkedId() < 0) {
        AnswerView->setHtml(tr("<p>Choose an answer to both questions first.</p>"));
        return;
    }
    const auto pattern = static_cast<Pattern>(PatternChoices->checkedId());
    const auto site = static_cast<FaultSite>(SiteChoices->checkedId());
    const ExerciseAnswer answer = session_.Answer(pattern, site);
    const QString right = tr("right"), wrong = tr("wrong");
    QString html = tr("<p><b>Pattern: %1. Fault: %2.</b></p>")
                       .arg(answer.PatternRight ? right : wrong, answer.SiteRight ? right : wrong);
    if (!answer.Counted)
        html += tr("<p>Exercise %1 was answered before: this answer is not scored again.</p>")
                    .arg(round->Seed);
    MarkChoices(*round->Case);
    if (round->RandomPatient) html += tr("<p>A random patient of the family of this case:</p>");
    html += CaseNoteHtml(*round->Case, round->Patient);
    AnswerView->setHtml(html);
    AnswerButton->setEnabled(false);
    ShowScore();
}

void ExerciseDialog::DrawPlots() {
    if (!shown_) return;
    FlowVolumeView->setPixmap(FlowVolumePicture(*shown_, FlowVolumeView->size()));
    VolumeTimeView->setPixmap(VolumeTimePicture(*shown_, VolumeTimeView->size()));
}

void ExerciseDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    DrawPlots();
}

// The score belongs to the program run, so the title of every exercise
// window opened again shows it, even before a round is answered.
void ExerciseDialog::ShowScore() {
    const QString score =
        tr("Score: %1 of %2 (%n round(s))", nullptr, session_.AnsweredRounds())
            .arg(session_.Points())
            .arg(session_.PossiblePoints());
    ScoreLabel->setText(score);
    setWindowTitle(tr("Exercise - %1").arg(score));
}

// Beside each choice the reveal says whether it is a right answer, so that
// a student who chose wrongly sees the right one next to their own.
void ExerciseDialog::MarkChoices(const TeachingCase& shown) {
    for (QAbstractButton* choice : PatternChoices->buttons()) {
        const auto pattern = static_cast<Pattern>(PatternChoices->id(choice));
        choice->setText(MarkedChoice(PatternText(pattern), pattern == shown.ExpectedPattern,
                                     choice->isChecked()));
    }
    for (QAbstractButton* choice : SiteChoices->buttons()) {
        const auto site = static_cast<FaultSite>(SiteChoices->id(choice));
        choice->setText(MarkedChoice(SiteText(site), shown.HasSite(site), choice->isChecked()));
    }
}

void ExerciseDialog::UnmarkChoices() {
    for (QAbstractButton* choice : PatternChoices->buttons())
        choice->setText(PatternText(static_cast<Pattern>(PatternChoices->id(choice))));
    for (QAbstractButton* choice : SiteChoices->buttons())
        choice->setText(SiteText(static_cast<FaultSite>(SiteChoices->id(choice))));
}

QString ExerciseDialog::MarkedChoice(const QString& text, bool right, bool chosen) {
    if (right) return text + QStringLiteral("  \u2714 ") + tr("right answer");
    if (chosen) return text + QStringLiteral("  \u2718 ") + tr("your answer");
    return text;
}
