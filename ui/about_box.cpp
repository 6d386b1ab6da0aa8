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
const char* const kThanksText = QT_TRANSLATE_NOOP(
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
      creditsPanel_(new QFrame(this)), programIcon_(new QLabel(creditsPanel_)),
      productName_(MakeLabel(creditsPanel_, tr(" Varo.e-breathlab"))),
      version_(MakeLabel(creditsPanel_, tr("Version: ") + QStringLiteral(BREATHLAB_VERSION))),
      authorsLine_(MakeLabel(creditsPanel_, tr(kAuthorsLine), true)),
      creditText_(MakeLabel(creditsPanel_, tr(kCreditText), true)),
      thanksText_(MakeLabel(creditsPanel_, tr(kThanksText), true)),
      licence_(MakeLabel(creditsPanel_, tr("Free software under the MIT licence."))),
      okButton_(new QPushButton(tr("OK"), this)), creditTextBox_(new CreditPaintBox(this)) {
    const double scale = ScaleFor(screenWidth, smallestTextPx);
    setWindowTitle(tr("Autorzy"));
    setFixedSize(Scaled(460, scale), Scaled(335, scale));
    QPalette silver = palette();
    silver.setColor(QPalette::Window, kSilver);
    setPalette(silver);
    setAutoFillBackground(true);

    creditsPanel_->setObjectName(QStringLiteral("creditsPanel"));
    programIcon_->setObjectName(QStringLiteral("programIcon"));
    productName_->setObjectName(QStringLiteral("productName"));
    version_->setObjectName(QStringLiteral("version"));
    licence_->setObjectName(QStringLiteral("licence"));
    authorsLine_->setObjectName(QStringLiteral("authorsLine"));
    creditText_->setObjectName(QStringLiteral("creditText"));
    thanksText_->setObjectName(QStringLiteral("thanksText"));
    okButton_->setObjectName(QStringLiteral("okButton"));
    creditsPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    creditsPanel_->setLineWidth(2);
    Place(creditsPanel_, {9, 5, 440, 284}, scale);
    Place(programIcon_, {8, 8, 63, 57}, scale);
    programIcon_->setScaledContents(true);
    programIcon_->setPixmap(breathlab::ProgramIconPixmap(64, devicePixelRatioF()));
    Place(productName_, {88, 16, 330, 20}, scale, true);
    Place(version_, {88, 40, 330, 20}, scale, true);
    Place(licence_, {88, 60, 330, 16}, scale);
    Place(authorsLine_, {8, 80, 420, 36}, scale);
    Place(creditText_, {8, 124, 420, 70}, scale);
    Place(thanksText_, {8, 200, 420, 70}, scale);
    Place(okButton_, {192, 298, 75, 25}, scale);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    creditTextBox_->setObjectName(QStringLiteral("creditTextBox"));
    creditTextBox_->hide();
    creditsPanel_->installEventFilter(this);
}

double AboutBox::ScaleForScreenWidth(int screenWidth) {
    return double(screenWidth) / kDesignScreenWidth;
}

double AboutBox::ScaleFor(int screenWidth, int smallestTextPx) {
    return std::max(ScaleForScreenWidth(screenWidth), double(smallestTextPx) / kDesignFontPixels);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == creditsPanel_ && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && (mouse->modifiers() & Qt::ShiftModifier)) {
            ShowCreditText();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::ShowCreditText() {
    creditTextBox_->setGeometry(creditsPanel_->geometry());
    creditsPanel_->hide();
    creditTextBox_->show();
}

void AboutBox::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void AboutBox::hideEvent(QHideEvent* event) {
    creditTextBox_->hide();
    creditsPanel_->show();
    QDialog::hideEvent(event);
}
