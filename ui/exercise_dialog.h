// The "Exercise" window: a patient's curves and indices with the settings
// hidden, two multiple-choice questions, then the answer with the case's
// note and the revealed settings, and the score of the session.
#pragma once

#include "exercise_session.h"
#include "result_record.h"
#include "run_history.h"

#include <QDialog>

#include <memory>
#include <vector>

class QButtonGroup;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTextBrowser;

class ExerciseDialog : public QDialog {
    Q_OBJECT

  public:
    // `defaults` is the start-up history whose reference every patient is
    // compared with; the session seed orders the fresh rounds.
    ExerciseDialog(const std::vector<breathlab::TeachingCase>& cases,
                   const breathlab::ResultHistory& defaults, std::uint32_t sessionSeed,
                   QWidget* parent = nullptr);
    ~ExerciseDialog() override;

    breathlab::ExerciseSession& Session() { return session_; }

    // The two questions' choices (ids: the Pattern and the FaultSite values).
    const QButtonGroup& PatternChoices() const { return *patternChoices_; }
    const QButtonGroup& SiteChoices() const { return *siteChoices_; }

  public slots:
    void NewRound();
    void OpenSeed();
    void Answer();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void NameControls();
    QWidget* CreateQuestions();
    void DrawPlots();
    QWidget* CreateSeedRow();
    void ShowRound(const breathlab::ExerciseRound& round);
    void ShowScore();
    void MarkChoices(const breathlab::TeachingCase& shown);
    void UnmarkChoices();
    static QString MarkedChoice(const QString& text, bool right, bool chosen);

    QLabel* exerciseLabel_; // "Exercise 4711"
    QLabel* scoreLabel_;
    QLabel* flowVolumeView_;
    QLabel* volumeTimeView_;
    QTableWidget* indicesTable_;
    QButtonGroup* patternChoices_; // ids: the Pattern values
    QButtonGroup* siteChoices_;    // ids: the FaultSite values
    QPushButton* answerButton_;
    QPushButton* newRoundButton_;
    QSpinBox* seedBox_; // the exercise number
    QPushButton* openExerciseButton_;
    QTextBrowser* answerView_;
    breathlab::ExerciseSession session_;
    const breathlab::ResultHistory& defaults_;
    std::unique_ptr<breathlab::RunHistory> shown_; // the patient on screen
};
