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
      pageText_(new QTextEdit(this)) {
    setWindowTitle(tr("Spirometry help"));
    setSizeGripEnabled(true);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    pageText_->setObjectName(QStringLiteral("pageText"));
    pageText_->setReadOnly(true);
    pageText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(breathlab::PixelsOnScreen(kTextPixelSize, breathlab::ScreenWidthOf(this)));
    pageText_->setFont(font);
    QPalette palette = pageText_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    pageText_->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageText_);
    breathlab::GrowWithScreen(this, QSize(kDesignWidth, kDesignHeight));
}

bool HelpWindow::LoadHelpPage(const QString& path, QString& error) {
    pageText_->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = breathlab::CannotOpenFileMessage(path);
        return false;
    }
    breathlab::ReadRtf(file.readAll(), *pageText_->document());
    pageText_->moveCursor(QTextCursor::Start);
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
    pageText_->clear();
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
