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
    : QDialog(parent), exerciseLabel_(new QLabel(this)), scoreLabel_(new QLabel(this)),
      flowVolumeView_(new QLabel(this)), volumeTimeView_(new QLabel(this)),
      indicesTable_(new QTableWidget(0, kIndicesColumns, this)),
      patternChoices_(new QButtonGroup(this)), siteChoices_(new QButtonGroup(this)),
      answerButton_(new QPushButton(tr("Answer"), this)),
      newRoundButton_(new QPushButton(tr("New round"), this)), seedBox_(new QSpinBox(this)),
      openExerciseButton_(new QPushButton(tr("Open exercise"), this)),
      answerView_(new QTextBrowser(this)), session_(cases, sessionSeed), defaults_(defaults) {
    setObjectName(QStringLiteral("ExerciseDialog"));
    NameControls();
    QFont large = exerciseLabel_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.3);
    exerciseLabel_->setFont(large);
    // The plots are drawn afresh at whatever size the window grows to.
    for (auto [view, size] : {std::pair{flowVolumeView_, kFlowVolumeSize},
                              std::pair{volumeTimeView_, kVolumeTimeSize}}) {
        view->setMinimumSize(size);
        view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    setSizeGripEnabled(true);
    indicesTable_->horizontalHeader()->hide();
    indicesTable_->verticalHeader()->hide();
    indicesTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    indicesTable_->setSelectionMode(QAbstractItemView::NoSelection);
    indicesTable_->setFocusPolicy(Qt::NoFocus);
    indicesTable_->setMinimumHeight(12 * indicesTable_->verticalHeader()->defaultSectionSize() + 4);
    answerView_->setMinimumHeight(150);

    auto* top = new QHBoxLayout;
    top->addWidget(exerciseLabel_);
    top->addStretch(1);
    top->addWidget(scoreLabel_);
    auto* plots = new QVBoxLayout;
    plots->addWidget(flowVolumeView_, kFlowVolumeSize.height());
    plots->addWidget(volumeTimeView_, kVolumeTimeSize.height());
    auto* right = new QVBoxLayout;
    right->addWidget(indicesTable_);
    right->addWidget(CreateQuestions());
    right->addWidget(answerView_, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(plots, 3);
    middle->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(CreateSeedRow());

    connect(answerButton_, &QPushButton::clicked, this, &ExerciseDialog::Answer);
    connect(newRoundButton_, &QPushButton::clicked, this, &ExerciseDialog::NewRound);
    connect(openExerciseButton_, &QPushButton::clicked, this, &ExerciseDialog::OpenSeed);
    ShowScore();
    GrowWithScreen(this, sizeHint());
}

ExerciseDialog::~ExerciseDialog() = default;

// Object names say what each control is, for the tests that find them.
void ExerciseDialog::NameControls() {
    exerciseLabel_->setObjectName(QStringLiteral("exerciseLabel"));
    scoreLabel_->setObjectName(QStringLiteral("scoreLabel"));
    flowVolumeView_->setObjectName(QStringLiteral("flowVolumeView"));
    volumeTimeView_->setObjectName(QStringLiteral("volumeTimeView"));
    indicesTable_->setObjectName(QStringLiteral("indicesTable"));
    answerButton_->setObjectName(QStringLiteral("answerButton"));
    newRoundButton_->setObjectName(QStringLiteral("newRoundButton"));
    seedBox_->setObjectName(QStringLiteral("SeedBox"));
    openExerciseButton_->setObjectName(QStringLiteral("openExerciseButton"));
    answerView_->setObjectName(QStringLiteral("answerView"));
}

QWidget* ExerciseDialog::CreateQuestions() {
    auto* questions = new QWidget(this);
    auto* layout = new QHBoxLayout(questions);
    layout->setContentsMargins(0, 0, 0, 0);
    QStringList patterns, sites;
    for (Pattern p : kAllPatterns)
        patterns << PatternText(p);
    for (FaultSite s : kAllSites)
        sites << SiteText(s);
    layout->addWidget(ChoiceBox(tr("1. Which pattern?"), patternChoices_, patterns, questions));
    layout->addWidget(ChoiceBox(tr("2. Where is the fault?"), siteChoices_, sites, questions));
    return questions;
}

QWidget* ExerciseDialog::CreateSeedRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    seedBox_->setRange(1, static_cast<int>(kLargestExerciseSeed));
    auto* close = new QPushButton(tr("Close"), row);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(answerButton_);
    layout->addWidget(newRoundButton_);
    layout->addStretch(1);
    layout->addWidget(new QLabel(tr("Exercise number:"), row));
    layout->addWidget(seedBox_);
    layout->addWidget(openExerciseButton_);
    layout->addWidget(close);
    return row;
}

void ExerciseDialog::NewRound() {
    if (session_.HasCases()) ShowRound(session_.NewRound());
}

void ExerciseDialog::OpenSeed() {
    if (session_.HasCases())
        ShowRound(session_.StartRound(static_cast<std::uint32_t>(seedBox_->value())));
}

// Runs the patient (a fraction of a second) and shows what a student may see.
void ExerciseDialog::ShowRound(const ExerciseRound& round) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    shown_ = std::make_unique<RunHistory>();
    shown_->Slots = *RunPatient(round.Patient, &defaults_);
    shown_->SelectedRun = 1;
    shown_->RunCount = 1;
    DrawPlots();
    FillIndices(indicesTable_, *shown_);
    QApplication::restoreOverrideCursor();

    exerciseLabel_->setText(tr("Exercise %1").arg(round.Seed));
    seedBox_->setValue(static_cast<int>(round.Seed));
    for (QButtonGroup* group : {patternChoices_, siteChoices_}) {
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons())
            b->setChecked(false);
        group->setExclusive(true);
    }
    UnmarkChoices();
    answerButton_->setEnabled(true);
    answerView_->setHtml(tr("<p>Read the curves and the indices (Ref.: the normal reference, "
                            "Obs.: the patient), then answer both questions.</p>"));
}

void ExerciseDialog::Answer() {
    const auto& round = session_.Current();
    if (!round || !round->Case) return;
    if (patternChoices_->checkedId() < 0 || siteChoices_->checkedId() < 0) {
        answerView_->setHtml(tr("<p>Choose an answer to both questions first.</p>"));
        return;
    }
    const auto pattern = static_cast<Pattern>(patternChoices_->checkedId());
    const auto site = static_cast<FaultSite>(siteChoices_->checkedId());
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
    answerView_->setHtml(html);
    answerButton_->setEnabled(false);
    ShowScore();
}

void ExerciseDialog::DrawPlots() {
    if (!shown_) return;
    flowVolumeView_->setPixmap(FlowVolumePicture(*shown_, flowVolumeView_->size()));
    volumeTimeView_->setPixmap(VolumeTimePicture(*shown_, volumeTimeView_->size()));
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
    scoreLabel_->setText(score);
    setWindowTitle(tr("Exercise - %1").arg(score));
}

// Beside each choice the reveal says whether it is a right answer, so that
// a student who chose wrongly sees the right one next to their own.
void ExerciseDialog::MarkChoices(const TeachingCase& shown) {
    for (QAbstractButton* choice : patternChoices_->buttons()) {
        const auto pattern = static_cast<Pattern>(patternChoices_->id(choice));
        choice->setText(MarkedChoice(PatternText(pattern), pattern == shown.ExpectedPattern,
                                     choice->isChecked()));
    }
    for (QAbstractButton* choice : siteChoices_->buttons()) {
        const auto site = static_cast<FaultSite>(siteChoices_->id(choice));
        choice->setText(MarkedChoice(SiteText(site), shown.HasSite(site), choice->isChecked()));
    }
}

void ExerciseDialog::UnmarkChoices() {
    for (QAbstractButton* choice : patternChoices_->buttons())
        choice->setText(PatternText(static_cast<Pattern>(patternChoices_->id(choice))));
    for (QAbstractButton* choice : siteChoices_->buttons())
        choice->setText(SiteText(static_cast<FaultSite>(siteChoices_->id(choice))));
}

QString ExerciseDialog::MarkedChoice(const QString& text, bool right, bool chosen) {
    if (right) return text + QStringLiteral("  \u2714 ") + tr("right answer");
    if (chosen) return text + QStringLiteral("  \u2718 ") + tr("your answer");
    return text;
}
