// The about window: the program's name, version and credits.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class AboutBox : public QDialog {
    Q_OBJECT

  public:
    // Laid out for the width of the primary screen.
    explicit AboutBox(QWidget* parent = nullptr);
    // Laid out for a screen of the given width: the design is for 1024 pixels.
    // A `smallestTextPx` above the design's text (presentation mode) draws the
    // whole box larger, so that its texts reach that size.
    explicit AboutBox(int screenWidth, QWidget* parent = nullptr, int smallestTextPx = 0);

    static double ScaleForScreenWidth(int screenWidth);
    static double ScaleFor(int screenWidth, int smallestTextPx);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void ShowCreditText();

    QFrame* creditsPanel_;
    QLabel* programIcon_;
    QLabel* productName_;
    QLabel* version_;
    QLabel* authorsLine_;
    QLabel* creditText_;
    QLabel* thanksText_;
    QLabel* licence_;
    QPushButton* okButton_;
    QWidget* creditTextBox_; // shows the hidden credit text in place of the panel
};
