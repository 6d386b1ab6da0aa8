// The program's one working window: airway picture, plots, indices table,
// slider panels, command buttons, results table, description box and menus.
// Each of these is a part that owns its controls and says through signals
// what the user did; the window creates the parts, places them by the
// one-time layout, turns their signals into the session's commands and
// redraws them from the session's notifications.
#pragma once

#include <QMainWindow>
#include <QPainter>

#include "app_state.h"
#include "frame_pacer.h"
#include "opened_case_notes.h"
#include "startup_layout.h"

#include <memory>

namespace breathlab {
struct TeachingCase;
}
class DescriptionView;
class QSlider;

class AboutBox;
class AirwayPanel;
class CommandBar;
class CurvePlots;
class ContextHelp;
class IndicesView;
class HelpWindow;
class SlidersArea;
class LowerPanel;
class RunsTableView;
class WindowActions;

class MainWindow : public QMainWindow {
    Q_OBJECT
    friend class FormAnimationHost;

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Places every control from the client size the maximized window will
    // have; runs once, from FormCreate. Later resizing leaves the controls
    // where they are, except the lower panel's bottom anchor, which keeps its
    // distance to the bottom.
    void ApplyStartupLayout();
    // The same for a screen of the given size and available area; the window
    // is laid out as it would be there (its fonts included).
    void LayOutForScreen(const QSize& screenSize, const QSize& available);
    const breathlab::StartupLayout& Layout() const { return layout_; }

    // False when start-up met a condition that ends the program (a second
    // instance, missing data files, a folder that cannot be written); the
    // message has been shown.
    bool StartupSucceeded() const { return startupSucceeded_; }
    // The program's state: model, runs, parameter set, tables, plots, pictures.
    breathlab::AppState& State() { return *state_; }

    // What "Open" does once its dialog has given a path, for a file named on
    // the command line (a double click in the file manager). A missing or
    // unreadable file shows the usual message and changes nothing.
    void OpenFileFromCommandLine(const QString& path);

    // The help and about windows, created by the program entry after this one.
    void SetHelpWindow(HelpWindow* helpWindow) { helpWindow_ = helpWindow; }
    void SetAboutBox(AboutBox* aboutBox) { aboutBox_ = aboutBox; }

    // The nine sliders by number, 1 (mainResistanceSlider) .. 9 (expirationDepthSlider).
    QSlider* Slider(int k) const;

  public slots:
    void OnStartClicked();
    void OnResetClicked();
    void OnResetAllClicked();
    void OnSettingsClicked();
    void OnAnimationClicked();
    void OnPauseClicked();
    void OnAnimationSpeedClicked();
    void OnDeleteRowChosen();
    void OnUseAsReferenceChosen();
    void OnRowSettingsChosen();
    void OnRowHelpChosen();
    void OnOpenChosen();
    void OnSaveChosen();
    void OnSaveAsChosen();
    void OnDefaultReferenceChosen();
    void OnHelpChosen();
    void OnAboutChosen();
    void OnQuitChosen();
    void OnExportChosen();
    void OnCasesChosen();
    void OnExerciseChosen();
    // Presentation mode: on, it lays the window out again with large texts.
    // View > Presentation also keeps the choice in the settings.
    void SetPresentationMode(bool on);
    bool InPresentationMode() const;

    void OnResultsRowClicked(int row);

    void FormPaint();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    bool StartupChecks();
    void FormDestroy();

    // The run and what it shows while it goes on.
    void SetCommandControlsEnabled(bool enabled);
    void ShowRunStarting();
    void ShowTracePoint();
    void ShowRunClock();
    void ShowLiveFrame();

    // What each of the session's commands changed.
    void ConnectSession();
    void ShowHistoryChange(breathlab::SessionCommand command);
    void ShowFinishedRun();
    void ShowRunDeleted();
    void ShowNewReference();
    void ShowDefaultReference();
    void ShowOpenedHistory();
    void ShowAddedRun();

    // Tables, plots and description.
    void ShowIndices(int slot, bool withObserved);
    void ShowRunRow(int row, int slot);
    void ShowAllRunRows();
    void RepaintTables();
    void ShowDescription(int block);
    void AfterRunSelected(int slot);

    // Sliders.
    void ConnectSliderBank();
    void SelectSliderGroup(int n);
    void PanelClick(int group);

    // The airway picture ignores the mouse while a run or a replay goes on.
    bool PictureIgnoresMouse() const;

    // Help, about, files and the settings view.
    HelpWindow* Help();
    void ShowHelpPage(const QString& page);
    void AfterHistoryReplaced();
    // Opens a history file as File > Open does once a file is chosen.
    void OpenHistoryPath(const QString& path);
    void AddCaseRun(const breathlab::TeachingCase& chosen);
    void FollowPresentationMenu();
    void ApplyPresentationMode();
    int SmallestTextPixels(const QSize& screenSize) const;
    void ApplyPresentationToTheRest(int smallestPx);
    void ShowCaseNoteOfSelectedRun();

    void CreateMenus();
    void CreateUpperHalf();
    void CreateLowerHalf();
    void CreateButtons();
    void ConnectHandlers();
    void ConnectSliders();
    void WatchMouse();

    QSize StartupClientSize(const QSize& available) const;
    breathlab::DesignSizes MeasureDesignSizes() const;
    breathlab::TextFits MeasureTextFits() const;
    int ReadableTablePixels() const;
    void ApplyFonts(const breathlab::LayoutFonts& fonts);
    void ApplyTableFonts();
    void ApplyGeometry();
    void ApplyGrids();

    std::unique_ptr<breathlab::AppState> state_;
    // The client area; every position of the layout is relative to it.
    QWidget* client_ = nullptr;
    WindowActions* windowActions_ = nullptr; // the menu bar's menus and actions
    AirwayPanel* airwayPanel_ = nullptr;
    CurvePlots* curvePlots_ = nullptr;
    CommandBar* commandBar_ = nullptr;
    SlidersArea* slidersArea_ = nullptr;
    LowerPanel* lowerPanel_ = nullptr;       // grey background, data-source line, bottom anchor
    RunsTableView* runsTableView_ = nullptr; // results table and its row menu
    ContextHelp* contextHelp_ = nullptr;
    IndicesView* indicesView_ = nullptr;        // spirometric indices
    DescriptionView* descriptionBox_ = nullptr; // description of a parameter or of the run status
    HelpWindow* helpWindow_ = nullptr;
    AboutBox* aboutBox_ = nullptr;
    bool startupSucceeded_ = false;
    // The run's live pictures are shown once a frame.
    FramePacer livePictures_;
    breathlab::StartupLayout layout_;
    int startupClientHeight_ = 0;
    bool laidOut_ = false;
    breathlab::OpenedCaseNotes openedCaseNotes_;
    QSize laidOutScreen_, laidOutAvailable_; // what LayOutForScreen was last given
    QFont normalApplicationFont_;            // the menus' and dialogs' font outside presentation
    bool caseNoteShown_ = false;             // the description box holds a case's note
};
