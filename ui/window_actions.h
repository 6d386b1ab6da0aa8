// The menu bar's menus and actions: File (Open, Save, Save as, Export...),
// ref.Default, Help, About, Quit, Cases, Exercise and View > Presentation.
// Each action says through its own signal that the user chose it; the window
// connects them to its commands.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

class WindowActions : public QObject {
    Q_OBJECT

  public:
    // The menus are added to `menuBar` in the order the users know.
    explicit WindowActions(QMenuBar* menuBar);

    // "File", "ref.Default", "Help", "About", "Quit", "Cases", "Exercise":
    // the items that a run disables and enables again.
    QList<QAction*> MainMenuItems() const;
    void SetMainMenuEnabled(bool enabled);

    bool PresentationChecked() const;
    // Ticks or clears View > Presentation without presentationToggled.
    void SetPresentationChecked(bool on);

  signals:
    void openChosen();
    void saveChosen();
    void saveAsChosen();
    void exportChosen();
    void defaultReferenceChosen();
    void helpChosen();
    void aboutChosen();
    void quitChosen();
    void casesChosen();
    void exerciseChosen();
    void presentationToggled(bool on);

  private:
    void CreateFileMenu(QMenuBar* menuBar);
    void CreatePresentationMenu(QMenuBar* menuBar);
    QAction* Connected(QAction* action, const char* name, void (WindowActions::*chosen)());

    QMenu* fileMenu_ = nullptr;
    QAction* defaultReferenceAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* quitAction_ = nullptr;
    QAction* casesAction_ = nullptr;        // "Cases": the case library
    QAction* exerciseAction_ = nullptr;     // "Exercise"
    QAction* presentationAction_ = nullptr; // View > Presentation, Ctrl+Shift+P
};
