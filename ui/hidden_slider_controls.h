// Controls the window keeps hidden for the state they hold: the hidden half
// of the MAIN frame (a panel of its own slider group), the expiration-depth
// slider with its three labels, and the lung selection, which always shows
// both lungs. Like the visible groups, they report a slider move and a click
// on the panel through signals.
#pragma once

#include "startup_layout.h"

#include <QObject>

class ContextHelp;
class QComboBox;
class QFrame;
class QLabel;
class QSlider;
class QWidget;

class HiddenSliderControls : public QObject {
    Q_OBJECT

  public:
    // The controls become hidden children of `client`.
    explicit HiddenSliderControls(QWidget* client);

    void Place(const breathlab::StartupLayout& layout);
    // The expiration-depth slider follows the bank's position without reporting a move.
    void ShowPosition(int position);
    void WatchHelp(ContextHelp& help) const;

    QSlider* ExpirationDepthSlider() const { return expirationDepthSlider_; }

  signals:
    void sliderMoved(int slider, int position);
    void groupActivated(int group);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void KeepBothLungs();

    QFrame* hiddenGroupPanel_ = nullptr;
    QSlider* expirationDepthSlider_ = nullptr;
    QLabel* expirationDepthLabel_ = nullptr; // "expiration deepness"
    QLabel* depthMinimumLabel_ = nullptr;    // "25%"
    QLabel* depthMaximumLabel_ = nullptr;    // "400 %"
    QComboBox* lungSelector_ = nullptr;
    QLabel* lungSelectorLabel_ = nullptr; // "Both lungs"
};
