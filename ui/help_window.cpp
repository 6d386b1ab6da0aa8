#include "help_window.h"

#include "rtf_reader.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int kDesignWidth = 654;
constexpr int kDesignHeight = 518;
constexpr int kTextPixelSize = 13;
} // namespace

TForm4::TForm4(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      RichEdit1(new QTextEdit(this)) {
    setWindowTitle(tr("Spirometry help"));
    resize(kDesignWidth, kDesignHeight);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(kTextPixelSize);
    RichEdit1->setFont(font);
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    RichEdit1->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit1);
}

bool TForm4::LoadHelpPage(const QString& path, QString& error) {
    RichEdit1->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = breathlab::CannotOpenFileMessage(path);
        return false;
    }
    breathlab::ReadRtf(file.readAll(), *RichEdit1->document());
    RichEdit1->moveCursor(QTextCursor::Start);
    return true;
}

void TForm4::ShowHelpPage(const QString& path) {
    QString error;
    if (!LoadHelpPage(path, error)) {
        ReportError(error);
        return;
    }
    exec();
}

void TForm4::ShowPictureHelp(const QString& programFolder,
                             const std::optional<QString>& regionCode) {
    RichEdit1->clear();
    const breathlab::PictureHelp help = breathlab::PictureHelpPage(regionCode);
    if (!help.Ok) {
        ReportError(help.Error);
        return;
    }
    if (!help.Page.isEmpty()) {
        ShowHelpPage(breathlab::HelpPagePath(programFolder, help.Page));
        return;
    }
    exec();
}

void TForm4::ReportError(const QString& message) {
    QMessageBox::critical(parentWidget(), QApplication::applicationName(), message);
}
