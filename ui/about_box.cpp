#include "about_box.h"

#include "program_icon.h"

#include "rounding.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#ifndef BREATHLAB_VERSION
#error "BREATHLAB_VERSION must name the program version"
#endif

namespace {

constexpr int kDesignScreenWidth = 1024;
constexpr int kDesignFontPixels = 11;
const QColor kSilver(192, 192, 192);
const QColor kLime(0, 255, 0);

const char* const kAuthorsLine = QT_TRANSLATE_NOOP(
    "AboutBox", "Model of forced expiration and program: the Varo.e-breathlab team");
const char* const kCreditText = QT_TRANSLATE_NOOP(
    "AboutBox", "A teaching simulator of the forced expiration: move the sliders, press "
                "START and compare the flow-volume curves of your patients with the "
                "reference.");
const char* const kCreditText2 = QT_TRANSLATE_NOOP(
    "AboutBox", "Thanks to the students and teachers of physiology who tried it first and "
                "told us what was missing.");
const char* const kHiddenCreditText = QT_TRANSLATE_NOOP("AboutBox", "Breathe out, hard and long!");

int Scaled(int value, double scale) {
    return int(breathlab::RoundHalfEven(value * scale));
}

QFont DesignFont(double scale, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(std::max(1, Scaled(kDesignFontPixels, scale)));
    font.setBold(bold);
    return font;
}

void Place(QWidget* widget, QRect design, double scale, bool bold = false) {
    widget->setGeometry(Scaled(design.x(), scale), Scaled(design.y(), scale),
                        Scaled(design.width(), scale), Scaled(design.height(), scale));
    widget->setFont(DesignFont(scale, bold));
}

QLabel* MakeLabel(QWidget* parent, const QString& text, bool wrap = false) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Paints the hidden credit text; it exists only while the panel is hidden.
class CreditPaintBox : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(QFont(QStringLiteral("Arial"), 30));
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(kLime);
        painter.drawText(QRect(40, 50, width() - 40, height() - 50), Qt::AlignLeft | Qt::AlignTop,
                         AboutBox::tr(kHiddenCreditText));
    }
};

int PrimaryScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : kDesignScreenWidth;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : AboutBox(PrimaryScreenWidth(), parent) {}

AboutBox::AboutBox(int screenWidth, QWidget* parent, int smallestTextPx)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      creditsPanel(new QFrame(this)), ProgramIcon(new QLabel(creditsPanel)),
      ProductName(MakeLabel(creditsPanel, tr(" Varo.e-breathlab"))),
      Version(MakeLabel(creditsPanel, tr("Version: ") + QStringLiteral(BREATHLAB_VERSION))),
      Copyright(MakeLabel(creditsPanel, tr(kAuthorsLine), true)),
      Comments(MakeLabel(creditsPanel, tr(kCreditText), true)),
      Comments2(MakeLabel(creditsPanel, tr(kCreditText2), true)),
      Licence(MakeLabel(creditsPanel, tr("Free software under the MIT licence."))),
      OKButton(new QPushButton(tr("OK"), this)), creditTextBox(new CreditPaintBox(this)) {
    const double scale = ScaleFor(screenWidth, smallestTextPx);
    setWindowTitle(tr("Autorzy"));
    setFixedSize(Scaled(460, scale), Scaled(335, scale));
    QPalette silver = palette();
    silver.setColor(QPalette::Window, kSilver);
    setPalette(silver);
    setAutoFillBackground(true);

    creditsPanel->setObjectName(QStringLiteral("creditsPanel"));
    creditsPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    creditsPanel->setLineWidth(2);
    Place(creditsPanel, {9, 5, 440, 284}, scale);
    Place(ProgramIcon, {8, 8, 63, 57}, scale);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(breathlab::ProgramIconPixmap(64, devicePixelRatioF()));
    Place(ProductName, {88, 16, 330, 20}, scale, true);
    Place(Version, {88, 40, 330, 20}, scale, true);
    Place(Licence, {88, 60, 330, 16}, scale);
    Place(Copyright, {8, 80, 420, 36}, scale);
    Place(Comments, {8, 124, 420, 70}, scale);
    Place(Comments2, {8, 200, 420, 70}, scale);
    Place(OKButton, {192, 298, 75, 25}, scale);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    creditTextBox->setObjectName(QStringLiteral("creditTextBox"));
    creditTextBox->hide();
    creditsPanel->installEventFilter(this);
}

double AboutBox::ScaleForScreenWidth(int screenWidth) {
    return double(screenWidth) / kDesignScreenWidth;
}

double AboutBox::ScaleFor(int screenWidth, int smallestTextPx) {
    return std::max(ScaleForScreenWidth(screenWidth), double(smallestTextPx) / kDesignFontPixels);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == creditsPanel && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && (mouse->modifiers() & Qt::ShiftModifier)) {
            ShowCreditText();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::ShowCreditText() {
    creditTextBox->setGeometry(creditsPanel->geometry());
    creditsPanel->hide();
    creditTextBox->show();
}

void AboutBox::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void AboutBox::hideEvent(QHideEvent* event) {
    creditTextBox->hide();
    creditsPanel->show();
    QDialog::hideEvent(event);
}
