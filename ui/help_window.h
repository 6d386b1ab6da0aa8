// The help window: one read-only rich-text box that shows a help page.
#pragma once

#include "help_pages.h"

#include <QDialog>
#include <QString>

#include <optional>

class QTextEdit;

class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Clears the box and loads the page into it. False, with the message
    // "Cannot open file <path>" in `error`, when the page cannot be read.
    bool LoadHelpPage(const QString& path, QString& error);

    // Loads the page and shows the window modally; a page that cannot be
    // read is reported in a message box and the window stays closed.
    void ShowHelpPage(const QString& path);

    // Help for a right click on the airway picture: `regionCode` is the hot
    // spot's region text, or nothing when the click hit no hot spot.
    void ShowPictureHelp(const QString& programFolder, const std::optional<QString>& regionCode);

  private:
    void ReportError(const QString& message);

    QTextEdit* pageText_;
};
