#include "main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>

#include "command_bar.h"
#include "context_help.h"
#include "description_view.h"
#include "indices_view.h"
#include "lower_panel.h"
#include "picture_area.h"
#include "program_icon.h"
#include "runs_table_view.h"
#include "slider_table.h"
#include "slot_colours.h"
#include "string_grid.h"
#include "window_actions.h"
#include "window_font.h"

using namespace breathlab;

namespace {

// The window's own colours; the tables' colours are the slot colours' neighbours.
const QColor kButtonFace(240, 240, 240);

const char* const kTitleTexts[kSliderTitleCount] = {
    QT_TRANSLATE_NOOP("MainWindow", "R"),           QT_TRANSLATE_NOOP("MainWindow", "VDc"),
    QT_TRANSLATE_NOOP("MainWindow", " R(1/lumen)"), QT_TRANSLATE_NOOP("MainWindow", "Stiff"),
    QT_TRANSLATE_NOOP("MainWindow", " R(1/lumen)"), QT_TRANSLATE_NOOP("MainWindow", "CCC"),
    QT_TRANSLATE_NOOP("MainWindow", "Size"),        QT_TRANSLATE_NOOP("MainWindow", "Cm")};
// Object names: the help pages are chosen by them.
const char* const kTitleNames[kSliderTitleCount] = {"MainTitle",  "VDcTitle",        "MiddleTitle",
                                                    "StiffTitle", "PeripheralTitle", "CCCTitle",
                                                    "SizeTitle",  "CmTitle"};

const char* const kScaleTexts[kScaleColumnCount][kScaleLabelsPerColumn] = {
    {QT_TRANSLATE_NOOP("MainWindow", "50%"), QT_TRANSLATE_NOOP("MainWindow", "100%"),
     QT_TRANSLATE_NOOP("MainWindow", "200%"), QT_TRANSLATE_NOOP("MainWindow", "400%"),
     QT_TRANSLATE_NOOP("MainWindow", "800%")},
    {QT_TRANSLATE_NOOP("MainWindow", "50%"), QT_TRANSLATE_NOOP("MainWindow", "100%"),
     QT_TRANSLATE_NOOP("MainWindow", "150%"), QT_TRANSLATE_NOOP("MainWindow", "200%"),
     QT_TRANSLATE_NOOP("MainWindow", "250%")},
    {QT_TRANSLATE_NOOP("MainWindow", "100 (norm)"), QT_TRANSLATE_NOOP("MainWindow", "200 (mild)"),
     QT_TRANSLATE_NOOP("MainWindow", "400 (moder.)"),
     QT_TRANSLATE_NOOP("MainWindow", "800 (heavy)"),
     QT_TRANSLATE_NOOP("MainWindow", "1600 (v. heavy)")},
    {QT_TRANSLATE_NOOP("MainWindow", "50%"), QT_TRANSLATE_NOOP("MainWindow", "100%"),
     QT_TRANSLATE_NOOP("MainWindow", "200%"), QT_TRANSLATE_NOOP("MainWindow", "400%"),
     QT_TRANSLATE_NOOP("MainWindow", "800%")},
    {QT_TRANSLATE_NOOP("MainWindow", "50%"), QT_TRANSLATE_NOOP("MainWindow", "100%"),
     QT_TRANSLATE_NOOP("MainWindow", "150%"), QT_TRANSLATE_NOOP("MainWindow", "200%"),
     QT_TRANSLATE_NOOP("MainWindow", "250%")},
    {QT_TRANSLATE_NOOP("MainWindow", "50%"), QT_TRANSLATE_NOOP("MainWindow", "75%"),
     QT_TRANSLATE_NOOP("MainWindow", "100%"), QT_TRANSLATE_NOOP("MainWindow", "125%"),
     QT_TRANSLATE_NOOP("MainWindow", "150%")},
};
// A scale label's object name is this prefix and the number its text starts with.
const char* const kScaleNames[kScaleColumnCount] = {"MainScale",       "VDcScale", "MiddleScale",
                                                    "PeripheralScale", "CCCScale", "LungScale"};

// Position ranges and start positions of mainResistanceSlider..expirationDepthSlider; every start
// position stands for 100 percent.
struct SliderRange {
    int Minimum;
    int Maximum;
    int Position;
};
constexpr SliderRange kSliderRanges[9] = {
    {100, 500, 200}, {100, 500, 200}, {100, 600, 200}, {100, 500, 200}, {100, 500, 200},
    {100, 500, 200}, {100, 500, 300}, {100, 500, 300}, {0, 400, 200},
};

void Fill(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame* NewPanel(const char* name, QWidget* parent, const QColor& colour) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Fill(panel, colour);
    return panel;
}

QLabel* NewLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

StringGrid* NewGrid(const char* name, int cols, int rows, QWidget* parent) {
    auto* grid = new StringGrid(cols, rows, parent);
    grid->setObjectName(name);
    return grid;
}

PictureArea* NewPicture(const char* name, QWidget* parent) {
    auto* picture = new PictureArea(parent);
    picture->setObjectName(name);
    return picture;
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
    airwayPicture = NewPicture("airwayPicture", Client);
    airwayPicture->setCursor(Qt::PointingHandCursor);
    airwayPicture->setMouseTracking(true);
    airwayPicture->SetStretch(true);
    flowVolumePlot = NewPicture("flowVolumePlot", Client);
    flowVolumePlot->SetStretch(true);
    volumeTimePlot = NewPicture("volumeTimePlot", Client);

    indicesTable = new IndicesView(state_->Indices, *state_->History, Client);
}

void MainWindow::CreateLowerHalf() {
    lowerPanel_ = new LowerPanel(Client);

    CreateSliderPanels();
    CreateSliders();
    CreateSliderLabels();
    CreateButtons();

    runsTableView_ = new RunsTableView(state_->Results, *state_->History, Client);
    descriptionBox = new DescriptionView(Client);
    Fill(descriptionBox, kSilver);
    Fill(descriptionBox->viewport(), kSilver);
}

void MainWindow::CreateSliderPanels() {
    airwayGroupsFrame = NewPanel("airwayGroupsFrame", Client, kSilver);
    lungGroupFrame = NewPanel("lungGroupFrame", Client, kSilver);
    mainGroupPanel = NewPanel("mainGroupPanel", Client, kButtonFace);
    hiddenGroupPanel = NewPanel("hiddenGroupPanel", Client, kButtonFace);
    hiddenGroupPanel->hide();
    middleGroupPanel = NewPanel("middleGroupPanel", Client, kButtonFace);
    peripheralGroupPanel = NewPanel("peripheralGroupPanel", Client, kButtonFace);
    lungsGroupPanel = NewPanel("lungsGroupPanel", Client, kButtonFace);

    CaptionMain = NewLabel("MainCaption", tr("MAIN"), airwayGroupsFrame);
    CaptionMiddle = NewLabel("MiddleCaption", tr("MIDDLE"), airwayGroupsFrame);
    CaptionPeripheral = NewLabel("PeripheralCaption", tr("PERIPHERAL"), airwayGroupsFrame);
    CaptionLungs = NewLabel("LungsCaption", tr("LUNGS"), lungGroupFrame);
}

QWidget* MainWindow::PanelOfSlider(int k) const {
    switch (k) {
    case 1:
        return mainGroupPanel;
    case 2:
    case 3:
    case 4:
        return middleGroupPanel;
    case 5:
    case 6:
        return peripheralGroupPanel;
    default:
        return lungsGroupPanel;
    }
}

QWidget* MainWindow::PanelOfScaleColumn(int column) const {
    switch (column) {
    case kScaleMainR:
        return mainGroupPanel;
    case kScaleVDc:
    case kScaleMiddleR:
        return middleGroupPanel;
    case kScalePeripheralR:
    case kScaleCCC:
        return peripheralGroupPanel;
    default:
        return lungsGroupPanel;
    }
}

void MainWindow::CreateSliders() {
    for (int k = 1; k <= 9; ++k) {
        const bool depth = k == 9;
        auto* slider =
            new QSlider(depth ? Qt::Horizontal : Qt::Vertical, depth ? Client : PanelOfSlider(k));
        slider->setObjectName(QLatin1String(kSliders[k - 1].Name));
        const SliderRange& range = kSliderRanges[k - 1];
        slider->setRange(range.Minimum, range.Maximum);
        slider->setValue(range.Position);
        slider->setTickInterval(100);
        slider->setTickPosition(QSlider::TicksBelow);
        if (!depth) {
            // Smallest value at the top; the keys move the thumb the way they point.
            slider->setInvertedAppearance(true);
            slider->setInvertedControls(true);
        }
        trackBars_[k - 1] = slider;
    }
    mainResistanceSlider = trackBars_[0];
    deadSpaceSlider = trackBars_[1];
    middleResistanceSlider = trackBars_[2];
    middleStiffnessSlider = trackBars_[3];
    peripheralResistanceSlider = trackBars_[4];
    closingCapacitySlider = trackBars_[5];
    lungSizeSlider = trackBars_[6];
    lungComplianceSlider = trackBars_[7];
    expirationDepthSlider = trackBars_[8];
    middleStiffnessSlider->hide();
    expirationDepthSlider->hide();
}

void MainWindow::CreateSliderLabels() {
    for (int t = 0; t < kSliderTitleCount; ++t)
        Titles[t] = NewLabel(kTitleNames[t], tr(kTitleTexts[t]), PanelOfSlider(t + 1));
    Titles[kTitleStiff]->hide();
    for (int c = 0; c < kScaleColumnCount; ++c) {
        for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
            const QString text = kScaleTexts[c][i];
            const QString name = kScaleNames[c] + text.section(QRegularExpression("[^0-9]"), 0, 0);
            ScaleLabels[c][i] =
                NewLabel(name.toLatin1().constData(), tr(kScaleTexts[c][i]), PanelOfScaleColumn(c));
        }
    }
}

void MainWindow::CreateButtons() {
    commandBar_ = new CommandBar(Client);
}

void MainWindow::CreateHiddenControls() {
    hotSpotGrid = NewGrid("hotSpotGrid", 5, 40, Client);
    hotSpotGrid->SetFixedRows(1);
    hotSpotGrid->hide();

    lungSelector = new QComboBox(Client);
    lungSelector->setObjectName("lungSelector");
    lungSelector->addItems({tr("Both lungs"), tr("Left lung"), tr("Right lung")});
    lungSelector->hide();
    lungSelectorLabel = NewLabel("lungSelectorLabel", tr("Both lungs"), Client);
    lungSelectorLabel->hide();
    hotSpotTableBox = new QCheckBox(tr("tab"), Client);
    hotSpotTableBox->setObjectName("hotSpotTableBox");
    hotSpotTableBox->hide();
    LabelExpirationDepth = NewLabel("LabelExpirationDepth", tr("expiration deepness"), Client);
    LabelDepthMin = NewLabel("LabelDepthMin", tr("25%"), Client);
    LabelDepthMax = NewLabel("LabelDepthMax", tr("400 %"), Client);
    LabelExpirationDepth->hide();
    LabelDepthMin->hide();
    LabelDepthMax->hide();

    // regionLabel comes last so that it lies over the picture.
    regionLabel = NewLabel("regionLabel", "", Client);
    Fill(regionLabel, kYellow);
    regionLabel->setMouseTracking(true);
    regionLabel->hide();

    regionLabelTimer = new QTimer(this);
    regionLabelTimer->setObjectName("regionLabelTimer");
    regionLabelTimer->setInterval(2000);
    regionLabelTimer->start();
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

    connect(airwayPicture, &PictureArea::MouseMoved, this, &MainWindow::OnAirwayPictureMouseMove);
    connect(airwayPicture, &PictureArea::MouseDown, this, &MainWindow::OnAirwayPictureMouseDown);
    for (PictureArea* image : {flowVolumePlot, volumeTimePlot})
        contextHelp_->Watch(image);
    connect(indicesTable, &StringGrid::MouseDown, this,
            [this](Qt::MouseButton button, const QPoint&) {
                contextHelp_->OnPress(indicesTable, button);
            });
    connect(contextHelp_, &ContextHelp::pageRequested, this, &MainWindow::ShowHelpPage);

    connect(regionLabelTimer, &QTimer::timeout, this, &MainWindow::OnLabelTimer);
    connect(lungSelector, &QComboBox::currentIndexChanged, this, &MainWindow::OnLungSelected);
    connect(hotSpotTableBox, &QCheckBox::toggled, this, &MainWindow::OnHotSpotTableToggled);
    ConnectSliders();
}

void MainWindow::ConnectSliders() {
    using Handler = void (MainWindow::*)();
    constexpr Handler handlers[9] = {
        &MainWindow::OnMainResistanceSliderMoved,
        &MainWindow::OnDeadSpaceSliderMoved,
        &MainWindow::OnMiddleResistanceSliderMoved,
        &MainWindow::OnMiddleStiffnessSliderMoved,
        &MainWindow::OnPeripheralResistanceSliderMoved,
        &MainWindow::OnClosingCapacitySliderMoved,
        &MainWindow::OnLungSizeSliderMoved,
        &MainWindow::OnLungComplianceSliderMoved,
        &MainWindow::OnExpirationDepthSliderMoved,
    };
    for (int k = 0; k < 9; ++k)
        connect(trackBars_[k], &QSlider::valueChanged, this, handlers[k]);
}

// Panels, labels, START and regionLabel report their mouse through eventFilter.
void MainWindow::WatchMouse() {
    QList<QWidget*> controls = {mainGroupPanel,       middleGroupPanel,
                                peripheralGroupPanel, lungsGroupPanel,
                                hiddenGroupPanel,     CaptionMain,
                                CaptionMiddle,        CaptionPeripheral,
                                CaptionLungs,         commandBar_->StartControl()};
    for (QLabel* title : Titles)
        controls.append(title);
    for (const auto& column : ScaleLabels)
        for (QLabel* label : column)
            controls.append(label);
    // The help filter goes on last, so that it sees a press before the
    // window's own filter keeps a label's press to the label.
    for (QWidget* control : controls)
        control->installEventFilter(this);
    for (QWidget* control : controls)
        contextHelp_->Watch(control);
    regionLabel->installEventFilter(this);
    Client->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client) {
        if (event->type() == QEvent::Resize && laidOut_)
            lowerPanel_->FollowClientHeight(Client->height() - startupClientHeight_);
        if (event->type() == QEvent::Paint) FormPaint();
        return false;
    }
    if (watched == regionLabel && event->type() == QEvent::MouseMove) {
        OnRegionLabelMouseMove();
        return false;
    }
    if (event->type() != QEvent::MouseButtonPress) return false;
    auto* control = static_cast<QWidget*>(watched);
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    // A left click anywhere in a slider panel, on a title or a greyed scale
    // label as well as on the panel itself, selects the panel's group.
    if (button == Qt::LeftButton) {
        QWidget* panel = control;
        while (panel && panel != Client && !SliderPanelClick(panel))
            panel = panel->parentWidget();
    }
    // A press on a label belongs to the label alone, not to the panel under it.
    return qobject_cast<QLabel*>(control) != nullptr;
}

// Runs the click handler of a slider panel; false for any other widget.
bool MainWindow::SliderPanelClick(QWidget* widget) {
    const std::pair<QWidget*, void (MainWindow::*)()> panels[] = {
        {mainGroupPanel, &MainWindow::OnMainGroupClicked},
        {middleGroupPanel, &MainWindow::OnMiddleGroupClicked},
        {peripheralGroupPanel, &MainWindow::OnPeripheralGroupClicked},
        {lungsGroupPanel, &MainWindow::OnLungsGroupClicked},
        {hiddenGroupPanel, &MainWindow::OnHiddenGroupClicked},
    };
    for (const auto& [panel, click] : panels) {
        if (widget != panel) continue;
        (this->*click)();
        return true;
    }
    return false;
}
