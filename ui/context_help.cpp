#include "context_help.h"

#include "help_pages.h"

#include <QMouseEvent>
#include <QWidget>

ContextHelp::ContextHelp(QObject* parent) : QObject(parent) {
    setObjectName("contextHelp");
}

void ContextHelp::Watch(QWidget* control) {
    control->installEventFilter(this);
}

void ContextHelp::OnPress(const QWidget* control, Qt::MouseButton button) {
    if (button == Qt::RightButton)
        emit pageRequested(breathlab::ContextHelpPage(control->objectName()));
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType())
        OnPress(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event)->button());
    return false;
}
