#include "main_window.h"

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
#include "lower_panel.h"
#include "program_icon.h"
#include "runs_table_view.h"
#include "sliders_area.h"
#include "slot_colours.h"
#include "string_grid.h"
#include "window_actions.h"
#include "window_controls.h"
#include "window_font.h"

using namespace breathlab;

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), state_(std::make_unique<breathlab::AppState>()) {
    setObjectName("MainWindow");
    setWindowIcon(breathlab::ProgramIcon());
    client_ = new QWidget(this);
    client_->setObjectName("Client");
    Fill(client_, kSilver);
    setCentralWidget(client_);
    setFont(WindowFont(kDesignWindowFontPx));

    CreateMenus();
    CreateUpperHalf();
    CreateLowerHalf();
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

void MainWindow::CreateMenus() {
    windowActions_ = new WindowActions(menuBar());
    FollowPresentationMenu();
}

void MainWindow::CreateUpperHalf() {
    AirwayPanel::Queries queries;
    queries.Busy = [this] { return PictureIgnoresMouse(); };
    queries.SliderGroup = [this] { return state_->Session.Parameters().SliderGroup; };
    airwayPanel_ = new AirwayPanel(client_, std::move(queries));
    curvePlots_ = new CurvePlots(state_->Session.Runs(), state_->VolumeTime, client_);

    indicesView_ = new IndicesView(state_->Indices, state_->Session.Runs(), client_);
}

void MainWindow::CreateLowerHalf() {
    lowerPanel_ = new LowerPanel(client_);

    slidersArea_ = new SlidersArea(client_);
    CreateButtons();

    runsTableView_ = new RunsTableView(state_->Results, state_->Session.Runs(), client_);
    descriptionBox_ = new DescriptionView(client_);
    Fill(descriptionBox_, kSilver);
    Fill(descriptionBox_->viewport(), kSilver);
}

void MainWindow::CreateButtons() {
    commandBar_ = new CommandBar(client_);
}

void MainWindow::ConnectHandlers() {
    connect(commandBar_, &CommandBar::startClicked, this, &MainWindow::OnStartClicked);
    connect(commandBar_, &CommandBar::resetClicked, this, &MainWindow::OnResetClicked);
    connect(commandBar_, &CommandBar::resetAllClicked, this, &MainWindow::OnResetAllClicked);
    connect(commandBar_, &CommandBar::settingsClicked, this, &MainWindow::OnSettingsClicked);
    connect(commandBar_, &CommandBar::deleteRowClicked, this, &MainWindow::OnDeleteRowChosen);
    connect(commandBar_, &CommandBar::useAsReferenceClicked, this,
            &MainWindow::OnUseAsReferenceChosen);
    connect(commandBar_, &CommandBar::animationClicked, this, &MainWindow::OnAnimationClicked);
    connect(commandBar_, &CommandBar::pauseClicked, this, &MainWindow::OnPauseClicked);
    connect(commandBar_, &CommandBar::speedClicked, this, &MainWindow::OnAnimationSpeedClicked);

    connect(runsTableView_, &RunsTableView::deleteRequested, this, &MainWindow::OnDeleteRowChosen);
    connect(runsTableView_, &RunsTableView::useAsReferenceRequested, this,
            &MainWindow::OnUseAsReferenceChosen);
    connect(runsTableView_, &RunsTableView::settingsRequested, this,
            &MainWindow::OnRowSettingsChosen);
    connect(runsTableView_, &RunsTableView::helpRequested, this, &MainWindow::OnRowHelpChosen);
    connect(windowActions_, &WindowActions::openChosen, this, &MainWindow::OnOpenChosen);
    connect(windowActions_, &WindowActions::saveChosen, this, &MainWindow::OnSaveChosen);
    connect(windowActions_, &WindowActions::saveAsChosen, this, &MainWindow::OnSaveAsChosen);
    connect(windowActions_, &WindowActions::defaultReferenceChosen, this,
            &MainWindow::OnDefaultReferenceChosen);
    connect(windowActions_, &WindowActions::helpChosen, this, &MainWindow::OnHelpChosen);
    connect(windowActions_, &WindowActions::aboutChosen, this, &MainWindow::OnAboutChosen);
    connect(windowActions_, &WindowActions::quitChosen, this, &MainWindow::OnQuitChosen);
    connect(windowActions_, &WindowActions::exportChosen, this, &MainWindow::OnExportChosen);
    connect(windowActions_, &WindowActions::casesChosen, this, &MainWindow::OnCasesChosen);
    connect(windowActions_, &WindowActions::exerciseChosen, this, &MainWindow::OnExerciseChosen);

    connect(runsTableView_, &RunsTableView::rowSelected, this, &MainWindow::OnResultsRowClicked);

    connect(airwayPanel_, &AirwayPanel::sliderGroupPicked, this, &MainWindow::SelectSliderGroup);
    connect(airwayPanel_, &AirwayPanel::helpRequested, this,
            [this](const std::optional<QString>& regionCode) {
                Help()->ShowPictureHelp(state_->Folders.Data, regionCode);
            });
    for (QWidget* plot : curvePlots_->Plots())
        contextHelp_->Watch(plot);
    connect(indicesView_, &StringGrid::MouseDown, this,
            [this](Qt::MouseButton button, const QPoint&) {
                contextHelp_->OnPress(indicesView_, button);
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
    client_->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_) {
        if (event->type() == QEvent::Resize && laidOut_)
            lowerPanel_->FollowClientHeight(client_->height() - startupClientHeight_);
        if (event->type() == QEvent::Paint) FormPaint();
    }
    return false;
}
