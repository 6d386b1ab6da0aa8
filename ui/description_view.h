// The description box under the window's buttons: what a parameter means or
// how the last run went, read from the description file and laid out under a
// rule of dashes as wide as the box.
#pragma once

#include <QString>
#include <QTextEdit>

class DescriptionView : public QTextEdit {
    Q_OBJECT

  public:
    explicit DescriptionView(QWidget* parent = nullptr);

    // Shows block `block` of the description file at `path`, from its top.
    // False, with the reader's message in `error`, when it cannot be read;
    // the box then keeps what it showed.
    bool ShowBlock(const QString& path, int block, QString& error);

    // Before any run: what to do first, since nothing has run that a
    // description could be about.
    void ShowFirstSteps();

    // The width a line of the box has: the box less its text margins and less
    // the scroll bar that a long text brings with it.
    int LineWidth() const;
};
