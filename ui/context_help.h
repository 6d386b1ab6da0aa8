// Help for what the pointer is on: a right click on a watched control asks
// for the help page that its object name maps to (the slider groups, their
// titles and scale labels, START, the plots and the indices table).
#pragma once

#include <QObject>

class QWidget;

class ContextHelp : public QObject {
    Q_OBJECT

  public:
    explicit ContextHelp(QObject* parent = nullptr);

    // Right presses on the control ask for its page; the press itself goes on
    // to the control and to any other filter, as before.
    void Watch(QWidget* control);
    // For controls that report their presses themselves (the tables paint
    // and take the mouse on a viewport of their own).
    void OnPress(const QWidget* control, Qt::MouseButton button);

  signals:
    void pageRequested(const QString& page);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
