// The program's one working window: airway picture, plots, indices table,
// slider panels, command buttons, results table, description box and menus.
// The controls keep the names the event handlers refer to; what the handlers
// do lives with the logic they call.
#pragma once

#include <QMainWindow>
#include <QPainter>

#include <array>

#include "app_state.h"
#include "startup_layout.h"

#include <memory>

class PictureArea;
class StringGrid;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QTextEdit;
class QTimer;

class TAboutBox;
class TForm4;

class TForm1 : public QMainWindow {
    Q_OBJECT
    friend class FormAnimationHost;

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Places every control from the client size the maximized window will
    // have; runs once, from FormCreate. Later resizing leaves the controls
    // where they are, except Label50, which keeps its distance to the bottom.
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
    void SetHelpWindow(TForm4* helpWindow) { helpWindow_ = helpWindow; }
    void SetAboutBox(TAboutBox* aboutBox) { aboutBox_ = aboutBox; }

    // TrackBar1..TrackBar9 by number.
    QSlider* TrackBar(int k) const { return trackBars_[k - 1]; }
    // "File", "ref.Default", "Help", "About", "Quit", "Cases", "Exercise":
    // the items that a run disables and enables again.
    QList<QAction*> MainMenuItems() const;

    // The client area; every position of the layout is relative to it.
    QWidget* Client = nullptr;

    PictureArea* Image1 = nullptr;     // airway picture and its hot spots
    PictureArea* Image2 = nullptr;     // flow-volume plot
    PictureArea* Image3 = nullptr;     // volume-time plot
    StringGrid* StringGrid1 = nullptr; // spirometric indices
    StringGrid* StringGrid2 = nullptr; // results table
    StringGrid* StringGrid3 = nullptr; // hidden: expiration depth of each results row
    StringGrid* tparm = nullptr;       // hidden: hot-spot table

    QFrame* Panel6 = nullptr;  // grey rounded background of the lower half
    QLabel* Label26 = nullptr; // data-source line, inside Panel6
    QLabel* Label50 = nullptr; // empty, anchored to the bottom
    QFrame* Panel5 = nullptr;  // frame of the three airway groups
    QFrame* Panel7 = nullptr;  // frame of the lung group
    QFrame* Panel1 = nullptr;  // MAIN: TrackBar1
    QFrame* Panel2 = nullptr;  // MIDDLE: TrackBar2, TrackBar3, hidden TrackBar4
    QFrame* Panel3 = nullptr;  // PERIPHERAL: TrackBar5, TrackBar6
    QFrame* Panel4 = nullptr;  // LUNGS: TrackBar7, TrackBar8
    QFrame* Panel8 = nullptr;  // hidden
    QLabel* CaptionMain = nullptr;
    QLabel* CaptionMiddle = nullptr;
    QLabel* CaptionPeripheral = nullptr;
    QLabel* CaptionLungs = nullptr;
    // Titles over the sliders and the scale labels beside them, indexed by
    // breathlab::SliderTitle and breathlab::ScaleColumn.
    std::array<QLabel*, breathlab::kSliderTitleCount> Titles{};
    std::array<std::array<QLabel*, breathlab::kScaleLabelsPerColumn>, breathlab::kScaleColumnCount>
        ScaleLabels{};
    QSlider* TrackBar1 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QSlider* TrackBar3 = nullptr;
    QSlider* TrackBar4 = nullptr; // hidden stiffness slider
    QSlider* TrackBar5 = nullptr;
    QSlider* TrackBar6 = nullptr;
    QSlider* TrackBar7 = nullptr;
    QSlider* TrackBar8 = nullptr;
    QSlider* TrackBar9 = nullptr;           // hidden expiration depth
    QLabel* LabelExpirationDepth = nullptr; // hidden "expiration deepness"
    QLabel* LabelDepthMin = nullptr;        // hidden "25%"
    QLabel* LabelDepthMax = nullptr;        // hidden "400 %"

    QPushButton* Button2 = nullptr;  // "START"
    QPushButton* Button1 = nullptr;  // "reset"
    QPushButton* Button11 = nullptr; // hidden "reset all"
    QPushButton* Button9 = nullptr;  // "pause"
    QPushButton* Button10 = nullptr; // "3", the animation speed
    QPushButton* Button8 = nullptr;  // "animation"
    QGroupBox* GroupBox1 = nullptr;  // "Selected row"
    QPushButton* Button3 = nullptr;  // "Delete row"
    QPushButton* Button6 = nullptr;  // "Use as ref."
    QPushButton* Button12 = nullptr; // hidden "Settings"

    QTextEdit* RichEdit1 = nullptr; // description of a parameter or of the run status
    QLabel* Memo1 = nullptr;        // region-name label over the picture
    QComboBox* ComboBox1 = nullptr; // hidden lung selection
    QLabel* Label56 = nullptr;      // hidden "Both lungs"
    QCheckBox* CheckBox1 = nullptr; // hidden "tab": shows tparm
    QTimer* Timer1 = nullptr;       // hides the region-name label

    QMenu* File1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Saveas1 = nullptr;
    QAction* refDefault1 = nullptr;
    QAction* Help1 = nullptr;
    QAction* About1 = nullptr;
    QAction* Quit1 = nullptr;
    QAction* Export1 = nullptr;   // File > "Export..."
    QAction* Cases1 = nullptr;    // "Cases": the case library
    QAction* Exercise1 = nullptr; // "Exercise"
    QMenu* PopupMenu1 = nullptr;  // of the results table
    QAction* DE1 = nullptr;       // "Delete selected row"
    QAction* Useasref1 = nullptr; // "Use as reference"
    QAction* Settins1 = nullptr;  // "Settins"
    QAction* Pomoc1 = nullptr;    // "Pomoc"

  public slots:
    void Button2Click();
    void Button1Click();
    void Button11Click();
    void Button12Click();
    void Button3Click();
    void Button6Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void DE1Click();
    void Useasref1Click();
    void Settins1Click();
    void Pomoc1Click();
    void Open1Click();
    void Save1Click();
    void Saveas1Click();
    void refDefault1Click();
    void Help1Click();
    void About1Click();
    void Quit1Click();
    void Export1Click();
    void Cases1Click();
    void Exercise1Click();

    void StringGrid1DrawCell(QPainter* painter, int col, int row, const QRect& rect);
    // Paints StringGrid2 and StringGrid3; grid tells which.
    void StringGrid2DrawCell(StringGrid* grid, QPainter* painter, int col, int row,
                             const QRect& rect);
    void StringGrid2SelectCell(int col, int row, bool* canSelect);
    void StringGrid2MouseDown(Qt::MouseButton button, const QPoint& pos);

    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void TrackBar4Change();
    void TrackBar5Change();
    void TrackBar6Change();
    void TrackBar7Change();
    void TrackBar8Change();
    void TrackBar9Change();

    void Panel1Click();
    void Panel2Click();
    void Panel3Click();
    void Panel4Click();
    void Panel8Click();
    // Any mouse button on one of the controls that carry a help page: the
    // slider panels, captions, titles and scale labels, StringGrid1, Image2,
    // Image3 and START.
    void ContextHelpMouseDown(QWidget* control, Qt::MouseButton button);

    void Image1MouseMove(int x, int y);
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void Memo1MouseMove();
    void FormPaint();
    void OnLabelTimer();
    void ComboBox1Change(int index);
    void CheckBox1Click(bool checked);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    bool StartupChecks();
    void LoadHotSpotTable();
    void LoadPictures();
    void FormDestroy();

    // The run and what it shows while it goes on.
    void SetCommandControlsEnabled(bool enabled);
    static void TraceHook(void* form);
    static void RunDisplayHook(void* form);
    static void SolverBeep(void* form);
    void PaintNow(QWidget* picture);

    // Tables, plots and description.
    void ShowIndices(int slot, bool withObserved);
    void ShowRunRow(int row, int slot);
    void ShowAllRunRows();
    void RepaintTables();
    void DrawFlowVolumePlot();
    void DrawVolumeTimeStep(int slot);
    void RedrawVolumeTime();
    void ShowDescription(int block);
    int DescriptionLineWidth() const;
    void AfterRunSelected(int slot);

    // Sliders.
    void ConnectSliderBank();
    void SelectSliderGroup(int n);
    void SliderMoved(int k);
    void PanelClick(int group, int region);
    bool SliderPanelClick(QWidget* widget);

    // Airway picture.
    void ShowRegion(int n, int x, int y);
    void ShowAirwayPicture(int picture);
    void DrawSchematic(int slot);
    bool PictureIgnoresMouse() const;
    void ApplyRegionLabel();
    breathlab::HotSpotTable HotSpotRows() const;

    // Help, about, files and the settings view.
    TForm4* HelpWindow();
    void ShowHelpPage(const QString& page);
    void AfterHistoryReplaced();
    // Opens a history file as File > Open does once a file is chosen.
    void OpenHistoryPath(const QString& path);
    void CreateTeachingMenus();

    void CreateMenus();
    void CreateUpperHalf();
    void CreateLowerHalf();
    void CreateSliderPanels();
    void CreateSliders();
    void CreateSliderLabels();
    void CreateButtons();
    void CreateHiddenControls();
    void ConnectHandlers();
    void ConnectSliders();
    void WatchMouse();

    QSize StartupClientSize(const QSize& available) const;
    breathlab::DesignSizes MeasureDesignSizes() const;
    breathlab::TextFits MeasureTextFits() const;
    int ThumbCentre(int k, int value, int height) const;
    int ReadableTablePixels() const;
    void ApplyFonts(const breathlab::LayoutFonts& fonts);
    void ApplyTableFonts();
    void ApplyGeometry();
    void ApplyGrids();
    void ShapePanel6();
    QWidget* PanelOfSlider(int k) const;
    QWidget* PanelOfScaleColumn(int column) const;

    std::unique_ptr<breathlab::AppState> state_;
    TForm4* helpWindow_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    bool startupSucceeded_ = false;
    bool painting_ = false;   // inside the client area's paint event
    bool batchPaint_ = false; // pictures wait for one common repaint
    std::array<QSlider*, 9> trackBars_{};
    QList<QWidget*> contextHelpControls_;
    breathlab::StartupLayout layout_;
    int startupClientHeight_ = 0;
    bool laidOut_ = false;
};
