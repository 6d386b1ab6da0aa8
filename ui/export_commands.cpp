#include "export_commands.h"

#include "run_csv.h"

#include <QCoreApplication>

namespace breathlab {

namespace {

const QString kCsvSuffix = QStringLiteral(".csv");

QString CsvPrefix(const QString& path) {
    return path.endsWith(kCsvSuffix, Qt::CaseInsensitive) ? path.chopped(kCsvSuffix.size()) : path;
}

QStringList WriteSelectedRunCsv(const QString& path, const RunHistory& history, QString& error) {
    const int slot = history.SelectedRun;
    if (slot < 1 || slot > history.RunCount) {
        error = QCoreApplication::translate(
            "ExportCommands",
            "Select a run first: the CSV export writes the samples of the selected run.");
        return {};
    }
    std::string message;
    if (!WriteTraceCsv(CsvPrefix(path).toStdString(), history.Slots[slot], message)) {
        error = QString::fromStdString(message);
        return {};
    }
    return CsvFilesForPath(path);
}

} // namespace

QString ExportKindText(ExportKind kind) {
    switch (kind) {
    case ExportKind::Png:
        return QCoreApplication::translate("ExportCommands",
                                           "Both plots as a PNG picture (twice the screen size)");
    case ExportKind::Svg:
        return QCoreApplication::translate("ExportCommands", "Both plots as an SVG drawing");
    case ExportKind::Pdf:
        return QCoreApplication::translate("ExportCommands",
                                           "A one-page PDF report: plots, indices, settings");
    case ExportKind::Csv:
        return QCoreApplication::translate("ExportCommands",
                                           "The selected run's samples and traces as CSV");
    }
    return {};
}

QString ExportFilter(ExportKind kind) {
    switch (kind) {
    case ExportKind::Png:
        return QCoreApplication::translate("ExportCommands", "PNG pictures (*.png)");
    case ExportKind::Svg:
        return QCoreApplication::translate("ExportCommands", "SVG drawings (*.svg)");
    case ExportKind::Pdf:
        return QCoreApplication::translate("ExportCommands", "PDF documents (*.pdf)");
    case ExportKind::Csv:
        return QCoreApplication::translate("ExportCommands", "CSV tables (*.csv)");
    }
    return {};
}

QString ExportSuffix(ExportKind kind) {
    static const QString suffixes[] = {QStringLiteral("png"), QStringLiteral("svg"),
                                       QStringLiteral("pdf"), QStringLiteral("csv")};
    return suffixes[static_cast<int>(kind)];
}

QString WithExportSuffix(ExportKind kind, const QString& path) {
    const QString dotted = QLatin1Char('.') + ExportSuffix(kind);
    return path.endsWith(dotted, Qt::CaseInsensitive) ? path : path + dotted;
}

QStringList CsvFilesForPath(const QString& path) {
    QStringList files;
    for (const std::string& file : TraceCsvPaths(CsvPrefix(path).toStdString()))
        files << QString::fromStdString(file);
    return files;
}

QStringList WriteExport(ExportKind kind, const QString& path, const RunHistory& history,
                        const FigureSizes& sizes, const ReportInfo& info, QString& error) {
    const QString target = WithExportSuffix(kind, path);
    if (kind == ExportKind::Csv) return WriteSelectedRunCsv(target, history, error);
    if (!WriteFigureFile(target, history, sizes, info, error)) return {};
    return {target};
}

} // namespace breathlab
