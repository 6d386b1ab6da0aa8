#include "main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPushButton>
#include <QRegion>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>

#include "picture_area.h"
#include "program_icon.h"
#include "slot_colours.h"
#include "string_grid.h"
#include "window_font.h"

using namespace breathlab;

namespace {

// The window's own colours; the tables' colours are the slot colours' neighbours.
const QColor kGrey(128, 128, 128);
const QColor kLime(0, 255, 0);
const QColor kButtonFace(240, 240, 240);
const QColor kMenuColour(240, 240, 240);

const char* const kTitleTexts[kSliderTitleCount] = {
    QT_TRANSLATE_NOOP("TForm1", "R"),           QT_TRANSLATE_NOOP("TForm1", "VDc"),
    QT_TRANSLATE_NOOP("TForm1", " R(1/lumen)"), QT_TRANSLATE_NOOP("TForm1", "Stiff"),
    QT_TRANSLATE_NOOP("TForm1", " R(1/lumen)"), QT_TRANSLATE_NOOP("TForm1", "CCC"),
    QT_TRANSLATE_NOOP("TForm1", "Size"),        QT_TRANSLATE_NOOP("TForm1", "Cm")};
// Object names: the help pages are chosen by them.
const char* const kTitleNames[kSliderTitleCount] = {
    "MainTitle",       "VDcTitle", "MiddleTitle", "StiffTitle",
    "PeripheralTitle", "CCCTitle", "SizeTitle",   "CmTitle"};

const char* const kScaleTexts[kScaleColumnCount][kScaleLabelsPerColumn] = {
    {QT_TRANSLATE_NOOP("TForm1", "50%"), QT_TRANSLATE_NOOP("TForm1", "100%"),
     QT_TRANSLATE_NOOP("TForm1", "200%"), QT_TRANSLATE_NOOP("TForm1", "400%"),
     QT_TRANSLATE_NOOP("TForm1", "800%")},
    {QT_TRANSLATE_NOOP("TForm1", "50%"), QT_TRANSLATE_NOOP("TForm1", "100%"),
     QT_TRANSLATE_NOOP("TForm1", "150%"), QT_TRANSLATE_NOOP("TForm1", "200%"),
     QT_TRANSLATE_NOOP("TForm1", "250%")},
    {QT_TRANSLATE_NOOP("TForm1", "100 (norm)"), QT_TRANSLATE_NOOP("TForm1", "200 (mild)"),
     QT_TRANSLATE_NOOP("TForm1", "400 (moder.)"), QT_TRANSLATE_NOOP("TForm1", "800 (heavy)"),
     QT_TRANSLATE_NOOP("TForm1", "1600 (v. heavy)")},
    {QT_TRANSLATE_NOOP("TForm1", "50%"), QT_TRANSLATE_NOOP("TForm1", "100%"),
     QT_TRANSLATE_NOOP("TForm1", "200%"), QT_TRANSLATE_NOOP("TForm1", "400%"),
     QT_TRANSLATE_NOOP("TForm1", "800%")},
    {QT_TRANSLATE_NOOP("TForm1", "50%"), QT_TRANSLATE_NOOP("TForm1", "100%"),
     QT_TRANSLATE_NOOP("TForm1", "150%"), QT_TRANSLATE_NOOP("TForm1", "200%"),
     QT_TRANSLATE_NOOP("TForm1", "250%")},
    {QT_TRANSLATE_NOOP("TForm1", "50%"), QT_TRANSLATE_NOOP("TForm1", "75%"),
     QT_TRANSLATE_NOOP("TForm1", "100%"), QT_TRANSLATE_NOOP("TForm1", "125%"),
     QT_TRANSLATE_NOOP("TForm1", "150%")},
};
// A scale label's object name is this prefix and the number its text starts with.
const char* const kScaleNames[kScaleColumnCount] = {"MainScale",       "VDcScale", "MiddleScale",
                                                    "PeripheralScale", "CCCScale", "LungScale"};

// Position ranges and start positions of TrackBar1..TrackBar9; every start
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

QPushButton* NewButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
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

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), state_(std::make_unique<breathlab::AppState>()) {
    setObjectName("Form1");
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
    ConnectHandlers();
    ConnectSliderBank();
    WatchMouse();
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
}

QList<QAction*> TForm1::MainMenuItems() const {
    return {File1->menuAction(), refDefault1, Help1, About1, Quit1, Cases1, Exercise1};
}

void TForm1::CreateMenus() {
    File1 = menuBar()->addMenu(tr("File"));
    File1->setObjectName("File1");
    Open1 = File1->addAction(tr("Open"));
    Save1 = File1->addAction(tr("Save"));
    Saveas1 = File1->addAction(tr("Save as"));
    refDefault1 = menuBar()->addAction(tr("ref.Default"));
    Help1 = menuBar()->addAction(tr("Help"));
    About1 = menuBar()->addAction(tr("About"));
    Quit1 = menuBar()->addAction(tr("Quit"));
    Open1->setObjectName("Open1");
    Save1->setObjectName("Save1");
    Saveas1->setObjectName("Saveas1");
    refDefault1->setObjectName("refDefault1");
    Help1->setObjectName("Help1");
    About1->setObjectName("About1");
    Quit1->setObjectName("Quit1");

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    DE1 = PopupMenu1->addAction(tr("Delete selected row"));
    Useasref1 = PopupMenu1->addAction(tr("Use as reference"));
    Settins1 = PopupMenu1->addAction(tr("Settins"));
    Pomoc1 = PopupMenu1->addAction(tr("Pomoc"));
    DE1->setObjectName("DE1");
    Useasref1->setObjectName("Useasref1");
    Settins1->setObjectName("Settins1");
    Pomoc1->setObjectName("Pomoc1");
    CreateTeachingMenus();
}

void TForm1::CreateUpperHalf() {
    Image1 = NewPicture("Image1", Client);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setMouseTracking(true);
    Image1->SetStretch(true);
    Image2 = NewPicture("Image2", Client);
    Image2->SetStretch(true);
    Image3 = NewPicture("Image3", Client);

    StringGrid1 = NewGrid("StringGrid1", 5, kStringGrid1Rows, Client);
    StringGrid1->SetFixedRows(1);
    StringGrid1->SetColor(kSilver);
    StringGrid1->SetFixedColor(kAqua);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TForm1::CreateLowerHalf() {
    Panel6 = NewPanel("Panel6", Client, kGrey);
    Panel6->setFrameStyle(QFrame::NoFrame);
    Label26 = NewLabel("Label26", tr("Data from file:  Standard"), Panel6);
    QPalette lime = Label26->palette();
    lime.setColor(QPalette::WindowText, kLime);
    Label26->setPalette(lime);

    CreateSliderPanels();
    CreateSliders();
    CreateSliderLabels();
    CreateButtons();

    StringGrid2 = NewGrid("StringGrid2", 11, kStringGrid2Rows, Client);
    StringGrid2->SetColor(kMenuColour);
    RichEdit1 = new QTextEdit(Client);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    Fill(RichEdit1, kSilver);
    Fill(RichEdit1->viewport(), kSilver);
    Label50 = NewLabel("Label50", "", Client);
}

void TForm1::CreateSliderPanels() {
    Panel5 = NewPanel("Panel5", Client, kSilver);
    Panel7 = NewPanel("Panel7", Client, kSilver);
    Panel1 = NewPanel("Panel1", Client, kButtonFace);
    Panel8 = NewPanel("Panel8", Client, kButtonFace);
    Panel8->hide();
    Panel2 = NewPanel("Panel2", Client, kButtonFace);
    Panel3 = NewPanel("Panel3", Client, kButtonFace);
    Panel4 = NewPanel("Panel4", Client, kButtonFace);

    CaptionMain = NewLabel("MainCaption", tr("MAIN"), Panel5);
    CaptionMiddle = NewLabel("MiddleCaption", tr("MIDDLE"), Panel5);
    CaptionPeripheral = NewLabel("PeripheralCaption", tr("PERIPHERAL"), Panel5);
    CaptionLungs = NewLabel("LungsCaption", tr("LUNGS"), Panel7);
}

QWidget* TForm1::PanelOfSlider(int k) const {
    switch (k) {
    case 1:
        return Panel1;
    case 2:
    case 3:
    case 4:
        return Panel2;
    case 5:
    case 6:
        return Panel3;
    default:
        return Panel4;
    }
}

QWidget* TForm1::PanelOfScaleColumn(int column) const {
    switch (column) {
    case kScaleMainR:
        return Panel1;
    case kScaleVDc:
    case kScaleMiddleR:
        return Panel2;
    case kScalePeripheralR:
    case kScaleCCC:
        return Panel3;
    default:
        return Panel4;
    }
}

void TForm1::CreateSliders() {
    for (int k = 1; k <= 9; ++k) {
        const bool depth = k == 9;
        auto* slider =
            new QSlider(depth ? Qt::Horizontal : Qt::Vertical, depth ? Client : PanelOfSlider(k));
        slider->setObjectName(QString("TrackBar%1").arg(k));
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
    TrackBar1 = trackBars_[0];
    TrackBar2 = trackBars_[1];
    TrackBar3 = trackBars_[2];
    TrackBar4 = trackBars_[3];
    TrackBar5 = trackBars_[4];
    TrackBar6 = trackBars_[5];
    TrackBar7 = trackBars_[6];
    TrackBar8 = trackBars_[7];
    TrackBar9 = trackBars_[8];
    TrackBar4->hide();
    TrackBar9->hide();
}

void TForm1::CreateSliderLabels() {
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

void TForm1::CreateButtons() {
    Button2 = NewButton("Button2", tr("START"), Client);
    Button1 = NewButton("Button1", tr("reset"), Client);
    Button11 = NewButton("Button11", tr("reset all"), Client);
    Button11->hide();
    Button9 = NewButton("Button9", tr("pause"), Client);
    Button10 = NewButton("Button10", "3", Client);
    Button8 = NewButton("Button8", tr("animation"), Client);

    GroupBox1 = new QGroupBox(tr("Selected row"), Client);
    GroupBox1->setObjectName("GroupBox1");
    Button3 = NewButton("Button3", tr("Delete row"), GroupBox1);
    Button6 = NewButton("Button6", tr("Use as ref."), GroupBox1);
    Button12 = NewButton("Button12", tr("Settings"), GroupBox1);
    Button12->hide();
}

void TForm1::CreateHiddenControls() {
    StringGrid3 = NewGrid("StringGrid3", 1, kStringGrid2Rows, Client);
    StringGrid3->SetColor(kMenuColour);
    StringGrid3->hide();
    tparm = NewGrid("tparm", 5, 40, Client);
    tparm->SetFixedRows(1);
    tparm->hide();

    ComboBox1 = new QComboBox(Client);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems({tr("Both lungs"), tr("Left lung"), tr("Right lung")});
    ComboBox1->hide();
    Label56 = NewLabel("Label56", tr("Both lungs"), Client);
    Label56->hide();
    CheckBox1 = new QCheckBox(tr("tab"), Client);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->hide();
    LabelExpirationDepth = NewLabel("LabelExpirationDepth", tr("expiration deepness"), Client);
    LabelDepthMin = NewLabel("LabelDepthMin", tr("25%"), Client);
    LabelDepthMax = NewLabel("LabelDepthMax", tr("400 %"), Client);
    LabelExpirationDepth->hide();
    LabelDepthMin->hide();
    LabelDepthMax->hide();

    // Memo1 comes last so that it lies over the picture.
    Memo1 = NewLabel("Memo1", "", Client);
    Fill(Memo1, kYellow);
    Memo1->setMouseTracking(true);
    Memo1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(2000);
    Timer1->start();
}

void TForm1::ConnectHandlers() {
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);

    connect(DE1, &QAction::triggered, this, &TForm1::DE1Click);
    connect(Useasref1, &QAction::triggered, this, &TForm1::Useasref1Click);
    connect(Settins1, &QAction::triggered, this, &TForm1::Settins1Click);
    connect(Pomoc1, &QAction::triggered, this, &TForm1::Pomoc1Click);
    connect(Open1, &QAction::triggered, this, &TForm1::Open1Click);
    connect(Save1, &QAction::triggered, this, &TForm1::Save1Click);
    connect(Saveas1, &QAction::triggered, this, &TForm1::Saveas1Click);
    connect(refDefault1, &QAction::triggered, this, &TForm1::refDefault1Click);
    connect(Help1, &QAction::triggered, this, &TForm1::Help1Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
    connect(Quit1, &QAction::triggered, this, &TForm1::Quit1Click);

    connect(StringGrid1, &StringGrid::DrawCell, this, &TForm1::StringGrid1DrawCell);
    for (StringGrid* grid : {StringGrid2, StringGrid3}) {
        connect(grid, &StringGrid::DrawCell, this,
                [this, grid](QPainter* painter, int col, int row, const QRect& rect) {
                    StringGrid2DrawCell(grid, painter, col, row, rect);
                });
    }
    connect(StringGrid2, &StringGrid::SelectCell, this, &TForm1::StringGrid2SelectCell);
    connect(StringGrid2, &StringGrid::MouseDown, this, &TForm1::StringGrid2MouseDown);

    connect(Image1, &PictureArea::MouseMoved, this, &TForm1::Image1MouseMove);
    connect(Image1, &PictureArea::MouseDown, this, &TForm1::Image1MouseDown);
    for (PictureArea* image : {Image2, Image3}) {
        connect(image, &PictureArea::MouseDown, this,
                [this, image](Qt::MouseButton button, int, int) {
                    ContextHelpMouseDown(image, button);
                });
    }
    connect(StringGrid1, &StringGrid::MouseDown, this,
            [this](Qt::MouseButton button, const QPoint&) {
                ContextHelpMouseDown(StringGrid1, button);
            });

    connect(Timer1, &QTimer::timeout, this, &TForm1::OnLabelTimer);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox1Change);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    ConnectSliders();
}

void TForm1::ConnectSliders() {
    using Handler = void (TForm1::*)();
    constexpr Handler handlers[9] = {
        &TForm1::TrackBar1Change, &TForm1::TrackBar2Change, &TForm1::TrackBar3Change,
        &TForm1::TrackBar4Change, &TForm1::TrackBar5Change, &TForm1::TrackBar6Change,
        &TForm1::TrackBar7Change, &TForm1::TrackBar8Change, &TForm1::TrackBar9Change,
    };
    for (int k = 0; k < 9; ++k)
        connect(trackBars_[k], &QSlider::valueChanged, this, handlers[k]);
}

// Panels, labels, START and Memo1 report their mouse through eventFilter.
void TForm1::WatchMouse() {
    contextHelpControls_ = {Panel1,       Panel2,      Panel3,        Panel4,
                            Panel8,       CaptionMain, CaptionMiddle, CaptionPeripheral,
                            CaptionLungs, Button2};
    for (QLabel* title : Titles)
        contextHelpControls_.append(title);
    for (const auto& column : ScaleLabels)
        for (QLabel* label : column)
            contextHelpControls_.append(label);
    for (QWidget* control : contextHelpControls_)
        control->installEventFilter(this);
    Memo1->installEventFilter(this);
    Client->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client) {
        if (event->type() == QEvent::Resize && laidOut_) {
            // Label50 is anchored to the bottom edge.
            Label50->move(layout_.Label50.Left,
                          layout_.Label50.Top + Client->height() - startupClientHeight_);
        }
        if (event->type() == QEvent::Paint) FormPaint();
        return false;
    }
    if (watched == Memo1 && event->type() == QEvent::MouseMove) {
        Memo1MouseMove();
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
    ContextHelpMouseDown(control, button);
    // A press on a label belongs to the label alone, not to the panel under it.
    return qobject_cast<QLabel*>(control) != nullptr;
}

// Runs the click handler of a slider panel; false for any other widget.
bool TForm1::SliderPanelClick(QWidget* widget) {
    const std::pair<QWidget*, void (TForm1::*)()> panels[] = {
        {Panel1, &TForm1::Panel1Click}, {Panel2, &TForm1::Panel2Click},
        {Panel3, &TForm1::Panel3Click}, {Panel4, &TForm1::Panel4Click},
        {Panel8, &TForm1::Panel8Click},
    };
    for (const auto& [panel, click] : panels) {
        if (widget != panel) continue;
        (this->*click)();
        return true;
    }
    return false;
}
