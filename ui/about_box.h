// The about window: the program's name, version and credits.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    // Laid out for the width of the primary screen.
    explicit TAboutBox(QWidget* parent = nullptr);
    // Laid out for a screen of the given width: the design is for 1024 pixels.
    explicit TAboutBox(int screenWidth, QWidget* parent = nullptr);

    static double ScaleForScreenWidth(int screenWidth);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright; // the authors line
    QLabel* Comments;
    QLabel* Comments2;
    QLabel* Licence;
    QPushButton* OKButton;
    QWidget* PaintBox1; // shows the hidden credit text in place of the panel

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void ShowCreditText();
};
