// File > Export without its dialog: the kinds of export, their file filters
// and names, and writing one of them for the runs the window shows.
#pragma once

#include "figure_export.h"
#include "run_history.h"

#include <QString>
#include <QStringList>

namespace breathlab {

enum class ExportKind { Png, Svg, Pdf, Csv };

constexpr ExportKind kExportKinds[] = {ExportKind::Png, ExportKind::Svg, ExportKind::Pdf,
                                       ExportKind::Csv};

QString ExportKindText(ExportKind kind); // the dialog's choice
QString ExportFilter(ExportKind kind);   // the file dialog's filter
QString ExportSuffix(ExportKind kind);   // "png", "svg", "pdf", "csv"

// The chosen path with the kind's suffix added when the user left it out.
QString WithExportSuffix(ExportKind kind, const QString& path);

// The CSV export writes the two files of `breathlab-cli run --csv PREFIX`:
// PREFIX-volume-time.csv and PREFIX-flow-volume.csv, PREFIX being the chosen
// path without ".csv".
QStringList CsvFilesForPath(const QString& path);

// Writes the export; returns the files written, or none with a message. The
// CSV holds the selected run's samples and traces and needs a selected run.
QStringList WriteExport(ExportKind kind, const QString& path, const RunHistory& history,
                        const FigureSizes& sizes, const ReportInfo& info, QString& error);

} // namespace breathlab
