#include "help_window.h"

#include "rtf_reader.h"
#include "screen_share.h"

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

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      pageText(new QTextEdit(this)) {
    setWindowTitle(tr("Spirometry help"));
    setSizeGripEnabled(true);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    pageText->setObjectName(QStringLiteral("pageText"));
    pageText->setReadOnly(true);
    pageText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(breathlab::PixelsOnScreen(kTextPixelSize, breathlab::ScreenWidthOf(this)));
    pageText->setFont(font);
    QPalette palette = pageText->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    pageText->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageText);
    breathlab::GrowWithScreen(this, QSize(kDesignWidth, kDesignHeight));
}

bool HelpWindow::LoadHelpPage(const QString& path, QString& error) {
    pageText->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = breathlab::CannotOpenFileMessage(path);
        return false;
    }
    breathlab::ReadRtf(file.readAll(), *pageText->document());
    pageText->moveCursor(QTextCursor::Start);
    return true;
}

void HelpWindow::ShowHelpPage(const QString& path) {
    QString error;
    if (!LoadHelpPage(path, error)) {
        ReportError(error);
        return;
    }
    exec();
}

void HelpWindow::ShowPictureHelp(const QString& programFolder,
                                 const std::optional<QString>& regionCode) {
    pageText->clear();
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

void HelpWindow::ReportError(const QString& message) {
    QMessageBox::critical(parentWidget(), QApplication::applicationName(), message);
}
