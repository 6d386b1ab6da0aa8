// The run controls beside the slider groups (START, reset, pause, the
// animation speed, animation) and the "Selected row" box under them with its
// commands on the chosen run (Delete row, Use as ref.). The buttons stand on
// the window's client area, where the start-up layout puts them; the bar
// owns them and says through signals which one was pressed.
#pragma once

#include "animation.h"
#include "startup_layout.h"

#include <QObject>

class QGroupBox;
class QPushButton;
class QWidget;

class CommandBar : public QObject {
    Q_OBJECT

  public:
    // The buttons become children of `client`, in the order they are stacked.
    explicit CommandBar(QWidget* client);

    // The sizes the buttons and the box's title need in their current fonts.
    void MeasureTextFits(breathlab::TextFits& fits) const;
    void Place(const breathlab::StartupLayout& layout);

    // While a command runs none of the buttons may start another.
    void SetCommandsEnabled(bool enabled);
    // A replay locks its controls one by one and keeps pause and speed live;
    // false when the control is not one of the bar's.
    bool SetControlEnabled(breathlab::AnimationControl control, bool enabled);

    void SetPauseText(const QString& text);
    void SetSpeedText(const QString& text);

    // START carries the general help page; the window's context help watches it.
    QWidget* StartControl() const;

  signals:
    void startClicked();
    void resetClicked();
    void resetAllClicked();
    void pauseClicked();
    void speedClicked();
    void animationClicked();
    void deleteRowClicked();
    void useAsReferenceClicked();
    void settingsClicked();

  private:
    QPushButton* AddButton(const char* name, const QString& text, QWidget* parent,
                           void (CommandBar::*clicked)());

    QPushButton* startButton_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* resetAllButton_ = nullptr; // hidden "reset all"
    QPushButton* pauseButton_ = nullptr;
    QPushButton* animationSpeedButton_ = nullptr;
    QPushButton* animationButton_ = nullptr;
    QGroupBox* selectedRowBox_ = nullptr;
    QPushButton* deleteRowButton_ = nullptr;
    QPushButton* useAsReferenceButton_ = nullptr;
    QPushButton* settingsButton_ = nullptr; // hidden "Settings"
};
