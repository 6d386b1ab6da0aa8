// The open and save dialogs of the "File" menu, opening in the simulation
// folder and offering "Spirometry files (*.spi)".
#pragma once

#include <QString>

class QWidget;

// The file to open, or empty when the user cancelled.
QString AskOpenHistoryPath(QWidget* parent, const QString& programFolder);

// The file for "Save as", asked again as long as the user picks the name of
// the shipped default history; empty when the user cancelled.
QString AskSaveAsHistoryPath(QWidget* parent, const QString& programFolder);
