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

    QLabel* ExerciseLabel; // "Exercise 4711"
    QLabel* ScoreLabel;
    QLabel* FlowVolumeView;
    QLabel* VolumeTimeView;
    QTableWidget* IndicesView;
    QButtonGroup* PatternChoices; // ids: the Pattern values
    QButtonGroup* SiteChoices;    // ids: the FaultSite values
    QPushButton* AnswerButton;
    QPushButton* NewRoundButton;
    QSpinBox* SeedBox;
    QPushButton* SeedButton;
    QTextBrowser* AnswerView;

  public slots:
    void NewRound();
    void OpenSeed();
    void Answer();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* CreateQuestions();
    void DrawPlots();
    QWidget* CreateSeedRow();
    void ShowRound(const breathlab::ExerciseRound& round);
    void ShowScore();
    void MarkChoices(const breathlab::TeachingCase& shown);
    void UnmarkChoices();
    static QString MarkedChoice(const QString& text, bool right, bool chosen);

    breathlab::ExerciseSession session_;
    const breathlab::ResultHistory& defaults_;
    std::unique_ptr<breathlab::RunHistory> shown_; // the patient on screen
};
