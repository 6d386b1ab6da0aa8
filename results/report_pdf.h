// The one-page PDF report of the shown runs: both plots with a colour legend
// of the runs, the indices of the selected run against the reference, the
// settings of the listed runs, the source and the date, and the teaching case
// with its note when the runs come from one.
#pragma once

#include <QColor>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include "figure_export.h"

namespace breathlab {

// "RMain" .. "Cm" for parameters 1..8, "LeftLung" .. "LowerRightLobe" for
// regions -2..5, as the command line names them.
QString ParameterKeyName(int parameter);
QString RegionKeyName(int region);

// The lines of the settings section: one per listed run and one for the
// reference, with the sliders' percentages and any region that differs from
// 100 %.
QStringList SettingsLines(const RunHistory& history);

// The legend's entries: the reference and each listed run, with its colour.
struct LegendEntry {
    QString Label;
    QColor Colour;
};
QList<LegendEntry> RunLegend(const RunHistory& history);

// Writes the report to device; the caller opens it and keeps it whole or
// discards it.
bool WriteReportPdf(QIODevice& device, const RunHistory& history, const FigureSizes& sizes,
                    const ReportInfo& info);

} // namespace breathlab
