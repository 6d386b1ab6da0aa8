#include "window_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

WindowActions::WindowActions(QMenuBar* menuBar) : QObject(menuBar) {
    setObjectName("windowActions");
    CreateFileMenu(menuBar);
    defaultReferenceAction_ =
        Connected(menuBar->addAction(tr("ref.Default")), "defaultReferenceAction",
                  &WindowActions::defaultReferenceChosen);
    helpAction_ =
        Connected(menuBar->addAction(tr("Help")), "helpAction", &WindowActions::helpChosen);
    aboutAction_ =
        Connected(menuBar->addAction(tr("About")), "aboutAction", &WindowActions::aboutChosen);
    quitAction_ =
        Connected(menuBar->addAction(tr("Quit")), "quitAction", &WindowActions::quitChosen);
    // The teaching menus come after the classic ones, so that nothing the
    // users know moves.
    Connected(fileMenu_->addAction(tr("Export...")), "exportAction", &WindowActions::exportChosen);
    casesAction_ =
        Connected(menuBar->addAction(tr("Cases")), "casesAction", &WindowActions::casesChosen);
    exerciseAction_ = Connected(menuBar->addAction(tr("Exercise")), "exerciseAction",
                                &WindowActions::exerciseChosen);
    CreatePresentationMenu(menuBar);
}

QAction* WindowActions::Connected(QAction* action, const char* name,
                                  void (WindowActions::*chosen)()) {
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, chosen);
    return action;
}

void WindowActions::CreateFileMenu(QMenuBar* menuBar) {
    fileMenu_ = menuBar->addMenu(tr("File"));
    fileMenu_->setObjectName("fileMenu");
    Connected(fileMenu_->addAction(tr("Open")), "openAction", &WindowActions::openChosen);
    Connected(fileMenu_->addAction(tr("Save")), "saveAction", &WindowActions::saveChosen);
    Connected(fileMenu_->addAction(tr("Save as")), "saveAsAction", &WindowActions::saveAsChosen);
}

void WindowActions::CreatePresentationMenu(QMenuBar* menuBar) {
    QMenu* viewMenu = menuBar->addMenu(tr("View"));
    viewMenu->setObjectName("viewMenu");
    presentationAction_ = viewMenu->addAction(tr("Presentation"));
    presentationAction_->setObjectName("presentationAction");
    presentationAction_->setCheckable(true);
    presentationAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(presentationAction_, &QAction::toggled, this, &WindowActions::presentationToggled);
}

QList<QAction*> WindowActions::MainMenuItems() const {
    return {fileMenu_->menuAction(),
            defaultReferenceAction_,
            helpAction_,
            aboutAction_,
            quitAction_,
            casesAction_,
            exerciseAction_};
}

void WindowActions::SetMainMenuEnabled(bool enabled) {
    for (QAction* item : MainMenuItems())
        item->setEnabled(enabled);
}

bool WindowActions::PresentationChecked() const {
    return presentationAction_->isChecked();
}

void WindowActions::SetPresentationChecked(bool on) {
    const QSignalBlocker quiet(presentationAction_);
    presentationAction_->setChecked(on);
}
