// The window's one-time layout: the fonts for the screen, the texts measured
// in them, the rectangles of the start-up layout copied onto the controls.
#include "main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPainterPath>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionSlider>
#include <QTextEdit>

#include <cmath>

#include "picture_area.h"
#include "string_grid.h"
#include "window_font.h"

using namespace breathlab;

namespace {

// Texts are readable down to about 8 points.
constexpr double kReadablePoints = 8.0;
constexpr double kPointsPerInch = 72.0;

QRect ToQRect(const ControlRect& r) {
    return QRect(r.Left, r.Top, std::max(r.Width, 0), std::max(r.Height, 0));
}

// Labels size themselves to their text: the scaled design size can fall a
// pixel or two short of the text in the scaled font.
void Place(QWidget* widget, const ControlRect& rect) {
    QRect place = ToQRect(rect);
    if (const auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
        place.setSize(place.size().expandedTo(label->sizeHint()));
    widget->setGeometry(place);
}

TextSize Measure(const QFontMetrics& metrics, const QLabel* label) {
    return {metrics.horizontalAdvance(label->text()), metrics.height()};
}

QFont BoldWindowFont(int pixelSize) {
    QFont bold = WindowFont(pixelSize);
    bold.setBold(true);
    return bold;
}

// The size a button needs to show its text whole in its font: the text and
// the margins the style keeps around a button's contents.
TextSize ButtonFit(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.rect = QRect(0, 0, 400, 200);
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option,
                                                           button);
    const QFontMetrics metrics(button->font());
    return {metrics.horizontalAdvance(button->text()) + option.rect.width() - contents.width() + 2,
            metrics.height() + option.rect.height() - contents.height()};
}

int GroupTitleFit(const QGroupBox* group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.rect = QRect(0, 0, 400, 200);
    const QRect label =
        group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    return label.left() + label.width() + label.left();
}

} // namespace

// The slider's own geometry: where its thumb is centred, measured from its
// top, when it stands at `value` in a slider `height` pixels long. The style
// places the thumb by QStyle::sliderPositionFromValue over its groove.
int TForm1::ThumbCentre(int k, int value, int height) const {
    const QSlider* slider = TrackBar(k);
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.rect = QRect(0, 0, std::max(slider->width(), 1), height);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = value;
    option.sliderValue = value;
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    // A vertical slider draws its minimum at the bottom unless inverted.
    option.upsideDown = !slider->invertedAppearance();
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    const QRect handle =
        slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
    return handle.top() + handle.height() / 2;
}

QSize TForm1::StartupClientSize(const QSize& available) const {
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int menu = menuBar()->sizeHint().height();
    return {available.width(), available.height() - titleBar - menu};
}

DesignSizes TForm1::MeasureDesignSizes() const {
    DesignSizes d;
    const QFontMetrics plain(WindowFont(kDesignWindowFontPx));
    const QFontMetrics bold(BoldWindowFont(kDesignWindowFontPx));
    d.CaptionMain = Measure(bold, CaptionMain);
    d.CaptionMiddle = Measure(bold, CaptionMiddle);
    d.CaptionPeripheral = Measure(bold, CaptionPeripheral);
    d.CaptionLungs = Measure(bold, CaptionLungs);
    for (int t = 0; t < kSliderTitleCount; ++t)
        d.Titles[t] = Measure(plain, Titles[t]);
    for (int c = 0; c < kScaleColumnCount; ++c)
        for (int i = 0; i < kScaleLabelsPerColumn; ++i)
            d.ScaleLabels[c][i] = Measure(plain, ScaleLabels[c][i]);
    d.Label26 = Measure(QFontMetrics(WindowFont(kDesignLabel26FontPx)), Label26);
    d.Label50 = {0, plain.height()};
    return d;
}

// Measured once the fonts for the screen are set.
TextFits TForm1::MeasureTextFits() const {
    TextFits fits;
    fits.Button2 = ButtonFit(Button2);
    fits.Button1 = ButtonFit(Button1);
    fits.Button11 = ButtonFit(Button11);
    fits.Button9 = ButtonFit(Button9);
    fits.Button10 = ButtonFit(Button10);
    fits.Button8 = ButtonFit(Button8);
    fits.Button3 = ButtonFit(Button3);
    fits.Button6 = ButtonFit(Button6);
    fits.Button12 = ButtonFit(Button12);
    fits.GroupBox1Width = GroupTitleFit(GroupBox1);
    fits.CaptionHeight = QFontMetrics(CaptionMain->font()).height();
    fits.LabelHeight = Titles[kTitleR]->sizeHint().height();
    return fits;
}

int TForm1::ReadableTablePixels() const {
    const double dpi = screen() ? screen()->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(kReadablePoints * dpi / kPointsPerInch));
}

void TForm1::ApplyStartupLayout() {
    LayOutForScreen(screen()->geometry().size(), screen()->availableGeometry().size());
}

void TForm1::LayOutForScreen(const QSize& screenSize, const QSize& available) {
    const QSize client = StartupClientSize(available);
    LayoutInput input;
    input.ClientWidth = client.width();
    input.ClientHeight = client.height();
    input.ScreenWidth = screenSize.width();
    input.ScreenHeight = screenSize.height();
    input.Design = MeasureDesignSizes();
    ApplyFonts(ScaledLayoutFonts(input.ScreenWidth));
    input.Fits = MeasureTextFits();
    input.ThumbCentreAt = [this](int k, int value, int height) {
        return ThumbCentre(k, value, height);
    };
    input.ReadableTablePx = ReadableTablePixels();
    layout_ = breathlab::ApplyStartupLayout(input);

    // The window takes at once the size it will have maximized, so that it
    // fills the screen even where nothing maximizes it.
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    startupClientHeight_ = client.height();
    ApplyTableFonts();
    ApplyGeometry();
    ApplyGrids();
    ShapePanel6();
    RichEdit1->clear();
    laidOut_ = true;
}

void TForm1::ApplyFonts(const LayoutFonts& fonts) {
    setFont(WindowFont(fonts.WindowPx));
    for (QLabel* caption : {CaptionMain, CaptionMiddle, CaptionPeripheral, CaptionLungs})
        caption->setFont(BoldWindowFont(fonts.WindowPx));
    Label26->setFont(WindowFont(fonts.Label26Px));
    RichEdit1->setFont(WindowFont(fonts.RichEdit1Px));
    Memo1->setFont(WindowFont(fonts.Memo1Px));
}

// The tables never go below a readable size; the indices table has its
// 10-point font on screens taller than 768 pixels.
void TForm1::ApplyTableFonts() {
    const LayoutFonts& fonts = layout_.Fonts;
    QFont gridFont = WindowFont(fonts.TablePx);
    if (fonts.StringGrid1Points) gridFont.setPointSize(*fonts.StringGrid1Points);
    // The results table writes in the indices table's font.
    for (StringGrid* grid : {StringGrid1, StringGrid2, StringGrid3})
        grid->setFont(gridFont);
}

void TForm1::ApplyGeometry() {

    const StartupLayout& L = layout_;
    const std::pair<QWidget*, ControlRect> places[] = {
        {Image1, L.Image1},
        {Image2, L.Image2},
        {Image3, L.Image3},
        {Panel6, L.Panel6},
        {Label50, L.Label50},
        {Panel5, L.Panel5},
        {Panel7, L.Panel7},
        {Panel1, L.Panel1},
        {Panel8, L.Panel8},
        {Panel2, L.Panel2},
        {Panel3, L.Panel3},
        {Panel4, L.Panel4},
        {Button2, L.Button2},
        {Button1, L.Button1},
        {Button11, L.Button11},
        {Button9, L.Button9},
        {Button10, L.Button10},
        {Button8, L.Button8},
        {GroupBox1, L.GroupBox1},
        {Button3, L.Button3},
        {Button6, L.Button6},
        {Button12, L.Button12},
        {StringGrid1, L.StringGrid1},
        {StringGrid2, L.StringGrid2},
        {StringGrid3, L.StringGrid3},
        {RichEdit1, L.RichEdit1},
        {ComboBox1, L.ComboBox1},
        {TrackBar9, L.TrackBar9},
        {LabelExpirationDepth, L.LabelExpirationDepth},
        {LabelDepthMin, L.LabelDepthMin},
        {LabelDepthMax, L.LabelDepthMax},
        {Label56, L.Label56},
        {CheckBox1, L.CheckBox1},
        {tparm, L.tparm},
        {Memo1, L.Memo1},
        {CaptionMain, L.CaptionMain},
        {CaptionMiddle, L.CaptionMiddle},
        {CaptionPeripheral, L.CaptionPeripheral},
        {CaptionLungs, L.CaptionLungs},
    };
    for (const auto& [widget, rect] : places)
        Place(widget, rect);
    for (int k = 0; k < 8; ++k)
        Place(trackBars_[k], L.TrackBars[k]);
    for (int t = 0; t < kSliderTitleCount; ++t)
        Place(Titles[t], L.Titles[t]);
    for (int c = 0; c < kScaleColumnCount; ++c)
        for (int i = 0; i < kScaleLabelsPerColumn; ++i)
            Place(ScaleLabels[c][i], L.ScaleLabels[c][i]);

    // The data-source line gets longer when a file is opened; give it the room
    // up to the right end of the grey background.
    Place(Label26, L.Label26);
    Label26->resize(std::max(Label26->width(), L.Panel6.Width - L.Label26.Left - 15),
                    Label26->height());
}

void TForm1::ApplyGrids() {
    const std::pair<StringGrid*, const GridMetrics*> grids[] = {
        {StringGrid1, &layout_.StringGrid1Grid},
        {StringGrid2, &layout_.StringGrid2Grid},
        {StringGrid3, &layout_.StringGrid3Grid},
    };
    for (const auto& [grid, metrics] : grids) {
        for (int c = 0; c < metrics->ColCount; ++c)
            grid->SetColWidth(c, metrics->ColWidths[c]);
        grid->SetRowHeight(metrics->RowHeight);
    }
    StringGrid2->SetCurrentCell(0, 0);
    StringGrid3->SetCurrentCell(0, 0);
}

void TForm1::ShapePanel6() {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, Panel6->width(), Panel6->height()),
                        layout_.Panel6CornerWidth / 2.0, layout_.Panel6CornerHeight / 2.0);
    Panel6->setMask(QRegion(path.toFillPolygon().toPolygon()));
}
