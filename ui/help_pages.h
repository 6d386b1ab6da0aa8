// Which help page belongs to which part of the main window. The pages live
// in "helpfiles" beside the program; each explains one area of the window.
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace breathlab {

inline const QString kGeneralHelpPage = QStringLiteral("H0000.rtf");      // window, menu "Help"
inline const QString kMainAirwayHelpPage = QStringLiteral("H0001.rtf");   // MAIN and VDc
inline const QString kMiddleAirwayHelpPage = QStringLiteral("H0002.rtf"); // MIDDLE
inline const QString kPeripheralHelpPage = QStringLiteral("H0003.rtf");   // PERIPHERAL and CCC
inline const QString kLungHelpPage = QStringLiteral("H0004.rtf");         // LUNGS
inline const QString kResultsTableHelpPage = QStringLiteral("H0005.rtf");
inline const QString kIndicesHelpPage = QStringLiteral("H0006.rtf");

// A control of the main window that opens help on a right click, by its
// object name, and the page it opens.
struct ContextHelpControl {
    const char* ControlName;
    const QString* Page;
};

constexpr int kContextHelpControlCount = 50;

// The fifty controls that share the right-button help handler. The main
// window gives its controls these object names; the labels are named after
// their group and text ("MainScale50" is the "50%" label of the main slider,
// "MiddleScale1600" the "1600 (v. heavy)" label of the middle one).
const std::array<ContextHelpControl, kContextHelpControlCount>& ContextHelpControls();

// The page for a right click on the named control; the general page for a
// control that has none of its own.
QString ContextHelpPage(const QString& controlName);

// The folder of the help pages and descriptions in the window's language,
// within the data folder: "helpfiles/" holds the pages of the built-in texts,
// and a translation names the folder of its own pages ("helpfiles/en/"), so
// that the pages name what the window shows.
QString HelpFolder();

// The program's folder followed by the help folder and the page.
QString HelpPagePath(const QString& programFolder, const QString& page);

// The help for a right click on the airway picture. `RegionCode` is the text of
// the hot spot's region column, or nothing when no hot spot was hit.
struct PictureHelp {
    bool Ok = true;
    QString Error; // a region code that is not a number
    QString Page;  // empty: the help window opens without a page
};
PictureHelp PictureHelpPage(const std::optional<QString>& regionCode);

QString CannotOpenFileMessage(const QString& path);
QString InvalidIntegerMessage(const QString& text);

} // namespace breathlab
