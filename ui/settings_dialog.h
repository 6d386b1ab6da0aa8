// The settings view: a small modal window with the stored percentages of the
// selected run and of the reference, for every region and slider parameter.
#pragma once

#include "lung_model.h"
#include "run_history.h"
#include "settings_table.h"

#include <QDialog>

class QTableWidget;

// The window and its grid, filled from the given cell texts.
class SettingsDialog : public QDialog {
    Q_OBJECT

  public:
    // `smallestTextPx` raises the grid's text (presentation mode); 0 keeps its size.
    SettingsDialog(const breathlab::SettingsTableText& cells, QWidget* parent = nullptr,
                   int smallestTextPx = 0);

  private:
    QTableWidget* grid_;
};

// Builds the view anew, shows it modally and discards it when it is closed.
// Opening it sets the model's current chest-wall resistance to 1.0.
void ShowSettingsTable(QWidget* parent, const breathlab::RunHistory& history,
                       breathlab::LungModel& model, int smallestTextPx = 0);
