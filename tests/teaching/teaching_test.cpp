// The case list, the exercise and File > Export as a teacher uses them, and
// the exports read back.
#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "case_list_dialog.h"
#include "case_notes.h"
#include "description_view.h"
#include "exercise_dialog.h"
#include "export_commands.h"
#include "export_dialog.h"
#include "history_commands.h"
#include "history_file.h"
#include "main_window.h"
#include "window_actions.h"
#include "window_test_main.h"

using namespace breathlab;

class TeachingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void NewMenusComeAfterTheExistingOnes();
    void ChoosingCasesAddsTheirRunsToTheListedRuns();
    void CaseListShowsTheNoteOfTheSelectedCase();
    void CsvExportWritesTheSelectedRunsRowsAsTheCommandLineDoes();
    void ExportDialogWritesTheChosenKindWithItsSuffix();
    void ExerciseHidesTheSettingsUntilTheAnswerAndKeepsTheScore();
    void AnExerciseNumberGivesTheSamePatientAgain();
    void TheScoreOutlivesTheWindowAndAReplayedNumberScoresOnce();
    void PatientSettingsNameEveryPercentThatIsNotNormal();

  private:
    std::vector<TeachingCase> cases_;
    std::unique_ptr<ResultHistory> defaults_ = std::make_unique<ResultHistory>();
};

namespace {

std::unique_ptr<RunHistory> StoredCase(const QString& name) {
    auto history = std::make_unique<RunHistory>();
    const QString path = QStringLiteral(BREATHLAB_SOURCE_DIR "/cases/library/%1.spi").arg(name);
    if (!ReadHistorySet(path, history->Slots).Ok) qFatal("cannot read %s", qPrintable(path));
    CountRunsAfterOpen(*history);
    return history;
}

int LineCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    return file.readAll().count('\n');
}

QStringList ActionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions)
        texts << a->text();
    return texts;
}

} // namespace

void TeachingTest::initTestCase() {
    QLocale::setDefault(QLocale::c());
    std::string error;
    auto cases = ReadCaseTable(std::string(BREATHLAB_SOURCE_DIR) + "/" + kCaseTablePath, error);
    QVERIFY2(cases, error.c_str());
    cases_ = *cases;
    QVERIFY(
        ReadHistorySet(QStringLiteral(BREATHLAB_SOURCE_DIR "/datfiles1/standard.dat"), *defaults_)
            .Ok);
}

void TeachingTest::NewMenusComeAfterTheExistingOnes() {
    MainWindow form;
    QCOMPARE(ActionTexts(form.menuBar()->actions()),
             QStringList({"File", "ref.Default", "Help", "About", "Quit", "Cases", "Exercise", "View"}));
    QCOMPARE(ActionTexts(Named<QMenu>(form, "fileMenu")->actions()),
             QStringList({"Open", "Save", "Save as", "Export..."}));
    // A run holds the new menus as it holds the old ones.
    const QList<QAction*> mainItems = Named<WindowActions>(form, "windowActions")->MainMenuItems();
    QVERIFY(mainItems.contains(Named<QAction>(form, "casesAction")));
    QVERIFY(mainItems.contains(Named<QAction>(form, "exerciseAction")));
}

namespace {

// Opens the case of that title through the case list, as a teacher does,
// and returns the note the list showed for it. Whatever other window comes
// up is closed again, so that a failure cannot leave the test waiting.
QString ChooseCase(MainWindow& form, const QString& title) {
    QString chosenNote;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<CaseListDialog*>(modal);
        auto* caseList = dialog ? Named<QListWidget>(*dialog, "CaseList") : nullptr;
        const auto found =
            caseList ? caseList->findItems(title, Qt::MatchExactly) : QList<QListWidgetItem*>();
        if (found.size() != 1) {
            if (modal) modal->close();
            return;
        }
        caseList->setCurrentItem(found.first());
        chosenNote = Named<QTextBrowser>(*dialog, "CaseNote")->toPlainText();
        Named<QPushButton>(*dialog, "OpenCaseButton")->click();
    });
    form.OnCasesChosen();
    return chosenNote;
}

} // namespace

// Each case's run joins the listed runs, so that an obstructive and a
// restrictive case stand on one plot; the note of the selected run's case
// stays in the description box.
void TeachingTest::ChoosingCasesAddsTheirRunsToTheListedRuns() {
    MainWindow form;
    AppState& s = form.State();
    const DescriptionView* description = Named<DescriptionView>(form, "descriptionBox");
    QVERIFY(ChooseCase(form, "Fixed obstruction of the trachea").contains("flat top"));
    QCOMPARE(s.Session.Runs().RunCount, 1);
    QCOMPARE(s.Session.Runs().SelectedRun, 1);
    QCOMPARE(Named<QLabel>(form, "dataSourceLine")->text(), QString("Case: Fixed obstruction of the trachea"));
    QCOMPARE(s.Results.Cells[1][0], QString("   800")); // RMain of the listed run
    QCOMPARE(s.Indices.Cells[1][3].isEmpty(), false);
    QVERIFY(description->toPlainText().contains("Fixed obstruction of the trachea"));
    const float tracheaFev1 = s.Session.Runs().Slots[1].FEV1;

    const QString restrictive = QString::fromStdString(FindCase(cases_, "restrictive")->Title);
    QVERIFY(!ChooseCase(form, restrictive).isEmpty());
    QCOMPARE(s.Session.Runs().RunCount, 2);
    QCOMPARE(s.Session.Runs().Slots[2].FEV1, tracheaFev1); // the first case moved down, kept
    QVERIFY(s.Session.Runs().Slots[1].FEV1 != tracheaFev1);
    QVERIFY(description->toPlainText().contains(restrictive));

    form.OnResultsRowClicked(2);
    QCOMPARE(s.Session.Runs().SelectedRun, 2);
    QVERIFY(description->toPlainText().contains("Fixed obstruction of the trachea"));
    // The case files stay untouched: "Save" still writes the user's file.
    QCOMPARE(s.SaveName, QString("data_default.spi"));
}

void TeachingTest::CaseListShowsTheNoteOfTheSelectedCase() {
    CaseListDialog dialog(cases_);
    auto* caseList = Named<QListWidget>(dialog, "CaseList");
    QCOMPARE(caseList->count(), int(cases_.size()));
    QCOMPARE(caseList->currentRow(), 0);
    QCOMPARE(dialog.ChosenCase(), QString::fromStdString(cases_[0].Name));
    caseList->setCurrentRow(6);
    const TeachingCase& c = cases_[6];
    const QString note = Named<QTextBrowser>(dialog, "CaseNote")->toPlainText();
    QVERIFY(note.contains(QString::fromStdString(c.Title)));
    QVERIFY(note.contains(QString::fromStdString(c.LookFor).left(40)));
    for (const std::string& setting : c.SettingTexts) {
        const QString shown = QString::fromStdString(setting).replace('=', ' ') + " %";
        QVERIFY2(note.contains(shown), qPrintable(shown + " in " + note));
    }
    QCOMPARE(dialog.ChosenCase(), QString::fromStdString(c.Name));
}

void TeachingTest::CsvExportWritesTheSelectedRunsRowsAsTheCommandLineDoes() {
    QTemporaryDir dir;
    const auto history = StoredCase("severe-asthma");
    const ResultRecord& run = history->Slots[1];
    int samples = 0, points = 0;
    while (samples < kSampleCapacity && run.SampleVolume[samples] != 0)
        ++samples;
    while (points < kTracePoints && run.TimeAxis[points] != 0)
        ++points;
    QVERIFY(samples > 100 && points > 100);
    QString error;
    const QStringList written = WriteExport(ExportKind::Csv, dir.filePath("run.csv"), *history,
                                            FigureSizes{}, ReportInfo{}, error);
    QCOMPARE(written, QStringList({dir.filePath("run-volume-time.csv"),
                                   dir.filePath("run-flow-volume.csv")}));
    QCOMPARE(LineCount(written[0]), points + 1);  // the header and one row per point
    QCOMPARE(LineCount(written[1]), samples + 1); // the header and one row per sample
    QFile flowVolume(written[1]);
    QVERIFY(flowVolume.open(QIODevice::ReadOnly));
    QVERIFY(flowVolume.readLine().startsWith("sample,volume_l,flow_l_per_s,segment_resistance_1"));

    // Without a selected run there is nothing to write.
    history->SelectedRun = -1;
    QVERIFY(WriteExport(ExportKind::Csv, dir.filePath("none.csv"), *history, FigureSizes{},
                        ReportInfo{}, error)
                .isEmpty());
    QVERIFY(error.contains("Select a run"));
    QVERIFY(!QFile::exists(dir.filePath("none-flow-volume.csv")));
}

void TeachingTest::ExportDialogWritesTheChosenKindWithItsSuffix() {
    QTemporaryDir dir;
    const auto history = StoredCase("emphysema");
    ExportDialog dialog(*history, FigureSizes{}, ReportInfo{"emphysema"}, dir.path());
    QStringList suggested;
    dialog.SetAskPath([&](ExportKind kind, const QString& path) {
        suggested << path;
        return dir.filePath(kind == ExportKind::Pdf ? "report" : "figure"); // no suffix typed
    });
    auto* exportButton = Named<QPushButton>(dialog, "exportButton");
    QVERIFY(dialog.Kinds().button(int(ExportKind::Csv))->isEnabled());
    exportButton->click(); // PNG is the first choice
    QImage png(dir.filePath("figure.png"));
    QCOMPARE(png.size(), QSize(2 * 1040, 2 * 400));
    QVERIFY(Named<QLabel>(dialog, "statusLabel")->text().contains("figure.png"));
    dialog.Kinds().button(int(ExportKind::Pdf))->setChecked(true);
    exportButton->click();
    QVERIFY(QFileInfo(dir.filePath("report.pdf")).size() > 1000);
    QCOMPARE(suggested, QStringList({dir.filePath("breathlab-curves.png"),
                                     dir.filePath("breathlab-report.pdf")}));

    // Nothing selected: the CSV choice is not offered.
    history->SelectedRun = -1;
    ExportDialog withoutRun(*history, FigureSizes{}, ReportInfo{}, dir.path());
    QVERIFY(!withoutRun.Kinds().button(int(ExportKind::Csv))->isEnabled());
}

void TeachingTest::ExerciseHidesTheSettingsUntilTheAnswerAndKeepsTheScore() {
    ExerciseDialog dialog(cases_, *defaults_, 2024);
    dialog.NewRound();
    const auto round = *dialog.Session().Current();
    QVERIFY(round.Case && round.Case->InExercise);
    auto* scoreLabel = Named<QLabel>(dialog, "scoreLabel");
    auto* indicesTable = Named<QTableWidget>(dialog, "indicesTable");
    auto* answerView = Named<QTextBrowser>(dialog, "answerView");
    auto* answerButton = Named<QPushButton>(dialog, "answerButton");
    QCOMPARE(Named<QLabel>(dialog, "exerciseLabel")->text(),
             QString("Exercise %1").arg(round.Seed));
    QCOMPARE(indicesTable->item(1, 0)->text(), QString("FEV1"));
    QVERIFY(!indicesTable->item(1, 3)->text().isEmpty()); // the patient's FEV1
    QVERIFY(!Named<QLabel>(dialog, "flowVolumeView")->pixmap().isNull());
    const QString title = QString::fromStdString(round.Case->Title);
    QVERIFY(!answerView->toPlainText().contains(title));
    QCOMPARE(scoreLabel->text(), QString("Score: 0 of 0 (0 round(s))"));

    // Answering needs both choices.
    answerButton->click();
    QCOMPARE(dialog.Session().AnsweredRounds(), 0);
    dialog.PatternChoices().button(int(round.Case->ExpectedPattern))->setChecked(true);
    dialog.SiteChoices().button(int(round.Case->Sites.front()))->setChecked(true);
    answerButton->click();
    QCOMPARE(scoreLabel->text(), QString("Score: 2 of 2 (1 round(s))"));
    QVERIFY(answerView->toPlainText().contains(title));
    QVERIFY(answerView->toPlainText().contains("Pattern: right. Fault: right."));
    QVERIFY(!answerButton->isEnabled());

    Named<QPushButton>(dialog, "newRoundButton")->click();
    QVERIFY(dialog.Session().Current()->Case != round.Case);
    QVERIFY(answerButton->isEnabled());
    QVERIFY(dialog.PatternChoices().checkedId() < 0);
}

void TeachingTest::AnExerciseNumberGivesTheSamePatientAgain() {
    ExerciseDialog first(cases_, *defaults_, 1), second(cases_, *defaults_, 2);
    for (ExerciseDialog* dialog : {&first, &second}) {
        Named<QSpinBox>(*dialog, "SeedBox")->setValue(4711);
        Named<QPushButton>(*dialog, "openExerciseButton")->click();
        QCOMPARE(Named<QLabel>(*dialog, "exerciseLabel")->text(), QString("Exercise 4711"));
    }
    QCOMPARE(first.Session().Current()->Case, second.Session().Current()->Case);
    const auto* firstIndices = Named<QTableWidget>(first, "indicesTable");
    const auto* secondIndices = Named<QTableWidget>(second, "indicesTable");
    for (int row = 1; row < firstIndices->rowCount(); ++row)
        QCOMPARE(firstIndices->item(row, 3)->text(), secondIndices->item(row, 3)->text());
}

// A class closes the exercise between rounds; the score is the program run's
// and shows in the title of the next window. A wrong answer is marked next
// to the right one, and the same number answered again adds nothing.
void TeachingTest::TheScoreOutlivesTheWindowAndAReplayedNumberScoresOnce() {
    const int pointsBefore = ProgramExerciseScore().Points();
    const int roundsBefore = ProgramExerciseScore().AnsweredRounds();
    QString titleAfterAnswer;
    const TeachingCase* shown = nullptr;
    {
        ExerciseDialog first(cases_, *defaults_, 7);
        Named<QSpinBox>(first, "SeedBox")->setValue(4711);
        Named<QPushButton>(first, "openExerciseButton")->click();
        shown = first.Session().Current()->Case;
        const int wrongPattern = (int(shown->ExpectedPattern) + 1) % int(std::size(kAllPatterns));
        first.PatternChoices().button(wrongPattern)->setChecked(true);
        first.SiteChoices().button(int(shown->Sites.front()))->setChecked(true);
        Named<QPushButton>(first, "answerButton")->click();
        QVERIFY(first.PatternChoices().button(wrongPattern)->text().endsWith("your answer"));
        QVERIFY(first.PatternChoices()
                    .button(int(shown->ExpectedPattern))
                    ->text()
                    .endsWith("right answer"));
        QVERIFY(
            first.SiteChoices().button(int(shown->Sites.front()))->text().endsWith("right answer"));
        titleAfterAnswer = first.windowTitle();
        QVERIFY2(titleAfterAnswer.contains(QString("Score: %1 of %2")
                                               .arg(pointsBefore + 1)
                                               .arg(2 * (roundsBefore + 1))),
                 qPrintable(titleAfterAnswer));
        Named<QPushButton>(first, "newRoundButton")->click();
        QCOMPARE(first.PatternChoices().button(wrongPattern)->text(),
                 PatternText(Pattern(wrongPattern)));
    }
    ExerciseDialog second(cases_, *defaults_, 8);
    QCOMPARE(second.windowTitle(), titleAfterAnswer);
    Named<QSpinBox>(second, "SeedBox")->setValue(4711);
    Named<QPushButton>(second, "openExerciseButton")->click();
    QCOMPARE(second.Session().Current()->Case, shown);
    second.PatternChoices().button(int(shown->ExpectedPattern))->setChecked(true);
    second.SiteChoices().button(int(shown->Sites.front()))->setChecked(true);
    Named<QPushButton>(second, "answerButton")->click();
    QCOMPARE(second.windowTitle(), titleAfterAnswer);
    QVERIFY(Named<QTextBrowser>(second, "answerView")->toPlainText().contains("not scored again"));
}

void TeachingTest::PatientSettingsNameEveryPercentThatIsNotNormal() {
    const TeachingCase& bronchus = *FindCase(cases_, "left-bronchus");
    QCOMPARE(PatientSettingTexts(bronchus.Parameters()),
             QStringList({"LeftLung.RMain 800 %", "LeftLung.RMiddle 1600 %"}));
    QCOMPARE(PatientSettingTexts(FindCase(cases_, "submaximal")->Parameters()),
             QStringList({"expiration depth 25 %"}));
    QCOMPARE(PatientSettingTexts(ParameterSet{}), QStringList({"all at 100 %"}));
    ParameterSet p;
    p.At(kBothLungs, 7) = 62.5;
    QCOMPARE(PatientSettingTexts(p), QStringList({"Size 62.5 %"}));
}

BREATHLAB_WINDOW_TEST_MAIN(TeachingTest)
#include "teaching_test.moc"
