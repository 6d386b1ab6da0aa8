#include "main_window.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>

#include "airway_panel.h"
#include "command_bar.h"
#include "context_help.h"
#include "curve_plots.h"
#include "description_view.h"
#include "help_window.h"
#include "indices_view.h"
#include "program_icon.h"
#include "sliders_area.h"
#include "slot_colours.h"
#include "string_grid.h"
#include "window_controls.h"
#include "window_font.h"

using namespace breathlab;

namespace {

// The window's own colours; the tables' colours are the slot colours' neighbours.
const QColor kGrey(128, 128, 128);
const QColor kLime(0, 255, 0);
const QColor kMenuColour(240, 240, 240);

StringGrid* NewGrid(const char* name, int cols, int rows, QWidget* parent) {
    auto* grid = new StringGrid(cols, rows, parent);
    grid->setObjectName(name);
    return grid;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), state_(std::make_unique<breathlab::AppState>()) {
    setObjectName("MainWindow");
    setWindowIcon(breathlab::ProgramIcon());
    Client = new QWidget(this);
    Client->setObjectName("Client");
    Fill(Client, kSilver);
    setCentralWidget(Client);
    setFont(WindowFont(kDesignWindowFontPx));

    CreateMenus();
    CreateUpperHalf();
    CreateLowerHalf();
    CreateHiddenControls();
    contextHelp_ = new ContextHelp(this);
    ConnectHandlers();
    ConnectSliderBank();
    ConnectSession();
    WatchMouse();
    FormCreate();
}

MainWindow::~MainWindow() {
    FormDestroy();
}

QList<QAction*> MainWindow::MainMenuItems() const {
    return {fileMenu->menuAction(),
            defaultReferenceAction,
            helpAction,
            aboutAction,
            quitAction,
            casesAction,
            exerciseAction};
}

void MainWindow::CreateMenus() {
    fileMenu = menuBar()->addMenu(tr("File"));
    fileMenu->setObjectName("fileMenu");
    openAction = fileMenu->addAction(tr("Open"));
    saveAction = fileMenu->addAction(tr("Save"));
    saveAsAction = fileMenu->addAction(tr("Save as"));
    defaultReferenceAction = menuBar()->addAction(tr("ref.Default"));
    helpAction = menuBar()->addAction(tr("Help"));
    aboutAction = menuBar()->addAction(tr("About"));
    quitAction = menuBar()->addAction(tr("Quit"));
    openAction->setObjectName("openAction");
    saveAction->setObjectName("saveAction");
    saveAsAction->setObjectName("saveAsAction");
    defaultReferenceAction->setObjectName("defaultReferenceAction");
    helpAction->setObjectName("helpAction");
    aboutAction->setObjectName("aboutAction");
    quitAction->setObjectName("quitAction");

    resultsRowMenu = new QMenu(this);
    resultsRowMenu->setObjectName("resultsRowMenu");
    deleteRowAction = resultsRowMenu->addAction(tr("Delete selected row"));
    useAsReferenceAction = resultsRowMenu->addAction(tr("Use as reference"));
    rowSettingsAction = resultsRowMenu->addAction(tr("Settins"));
    rowHelpAction = resultsRowMenu->addAction(tr("Pomoc"));
    deleteRowAction->setObjectName("deleteRowAction");
    useAsReferenceAction->setObjectName("useAsReferenceAction");
    rowSettingsAction->setObjectName("rowSettingsAction");
    rowHelpAction->setObjectName("rowHelpAction");
    CreateTeachingMenus();
}

void MainWindow::CreateUpperHalf() {
    AirwayPanel::Queries queries;
    queries.Busy = [this] { return PictureIgnoresMouse(); };
    queries.SliderGroup = [this] { return state_->Session.Parameters().SliderGroup; };
    airwayPanel_ = new AirwayPanel(Client, std::move(queries));
    curvePlots_ = new CurvePlots(state_->Session.Runs(), state_->VolumeTime, Client);

    indicesTable = new IndicesView(state_->Indices, state_->Session.Runs(), Client);
}

void MainWindow::CreateLowerHalf() {
    lowerPanel = NewPanel("lowerPanel", Client, kGrey);
    lowerPanel->setFrameStyle(QFrame::NoFrame);
    dataSourceLine = NewLabel("dataSourceLine", tr("Data from file:  Standard"), lowerPanel);
    QPalette lime = dataSourceLine->palette();
    lime.setColor(QPalette::WindowText, kLime);
    dataSourceLine->setPalette(lime);

    slidersArea_ = new SlidersArea(Client);
    CreateButtons();

    resultsTable = NewGrid("resultsTable", 11, kResultsTableRows, Client);
    resultsTable->SetColor(kMenuColour);
    descriptionBox = new DescriptionView(Client);
    Fill(descriptionBox, kSilver);
    Fill(descriptionBox->viewport(), kSilver);
    bottomAnchor = NewLabel("bottomAnchor", "", Client);
}

void MainWindow::CreateButtons() {
    commandBar_ = new CommandBar(Client);
}

void MainWindow::CreateHiddenControls() {
    expirationDepthColumn = NewGrid("expirationDepthColumn", 1, kResultsTableRows, Client);
    expirationDepthColumn->SetColor(kMenuColour);
    expirationDepthColumn->hide();

}

void MainWindow::ConnectHandlers() {
    connect(commandBar_, &CommandBar::startClicked, this, &MainWindow::OnStartClicked);
    connect(commandBar_, &CommandBar::resetClicked, this, &MainWindow::OnResetClicked);
    connect(commandBar_, &CommandBar::resetAllClicked, this, &MainWindow::OnResetAllClicked);
    connect(commandBar_, &CommandBar::settingsClicked, this, &MainWindow::OnSettingsClicked);
    connect(commandBar_, &CommandBar::deleteRowClicked, this, &MainWindow::OnDeleteRowClicked);
    connect(commandBar_, &CommandBar::useAsReferenceClicked, this,
            &MainWindow::OnUseAsReferenceClicked);
    connect(commandBar_, &CommandBar::animationClicked, this, &MainWindow::OnAnimationClicked);
    connect(commandBar_, &CommandBar::pauseClicked, this, &MainWindow::OnPauseClicked);
    connect(commandBar_, &CommandBar::speedClicked, this, &MainWindow::OnAnimationSpeedClicked);

    connect(deleteRowAction, &QAction::triggered, this, &MainWindow::OnDeleteRowChosen);
    connect(useAsReferenceAction, &QAction::triggered, this, &MainWindow::OnUseAsReferenceChosen);
    connect(rowSettingsAction, &QAction::triggered, this, &MainWindow::OnRowSettingsChosen);
    connect(rowHelpAction, &QAction::triggered, this, &MainWindow::OnRowHelpChosen);
    connect(openAction, &QAction::triggered, this, &MainWindow::OnOpenChosen);
    connect(saveAction, &QAction::triggered, this, &MainWindow::OnSaveChosen);
    connect(saveAsAction, &QAction::triggered, this, &MainWindow::OnSaveAsChosen);
    connect(defaultReferenceAction, &QAction::triggered, this,
            &MainWindow::OnDefaultReferenceChosen);
    connect(helpAction, &QAction::triggered, this, &MainWindow::OnHelpChosen);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::OnAboutChosen);
    connect(quitAction, &QAction::triggered, this, &MainWindow::OnQuitChosen);

    for (StringGrid* grid : {resultsTable, expirationDepthColumn}) {
        connect(grid, &StringGrid::DrawCell, this,
                [this, grid](QPainter* painter, int col, int row, const QRect& rect) {
                    DrawResultsCell(grid, painter, col, row, rect);
                });
    }
    connect(resultsTable, &StringGrid::SelectCell, this, &MainWindow::OnResultsRowClicked);
    connect(resultsTable, &StringGrid::MouseDown, this, &MainWindow::OnResultsTableMouseDown);

    connect(airwayPanel_, &AirwayPanel::sliderGroupPicked, this, &MainWindow::SelectSliderGroup);
    connect(airwayPanel_, &AirwayPanel::helpRequested, this,
            [this](const std::optional<QString>& regionCode) {
                Help()->ShowPictureHelp(state_->Folders.Data, regionCode);
            });
    for (QWidget* plot : curvePlots_->Plots())
        contextHelp_->Watch(plot);
    connect(indicesTable, &StringGrid::MouseDown, this,
            [this](Qt::MouseButton button, const QPoint&) {
                contextHelp_->OnPress(indicesTable, button);
            });
    connect(contextHelp_, &ContextHelp::pageRequested, this, &MainWindow::ShowHelpPage);

    ConnectSliders();
}

void MainWindow::ConnectSliders() {
    connect(slidersArea_, &SlidersArea::sliderMoved, this,
            [this](int k, int position) { state_->Sliders.SetPosition(k, position); });
    connect(slidersArea_, &SlidersArea::groupActivated, this, &MainWindow::PanelClick);
}

// The slider groups and START carry help pages; the client area reports its
// size and its painting through eventFilter.
void MainWindow::WatchMouse() {
    slidersArea_->WatchHelp(*contextHelp_);
    contextHelp_->Watch(commandBar_->StartControl());
    Client->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client) {
        if (event->type() == QEvent::Resize && laidOut_) {
            // bottomAnchor is anchored to the bottom edge.
            bottomAnchor->move(layout_.bottomAnchor.Left,
                               layout_.bottomAnchor.Top + Client->height() - startupClientHeight_);
        }
        if (event->type() == QEvent::Paint) FormPaint();
    }
    return false;
}
