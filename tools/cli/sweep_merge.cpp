// merge: the parts of one sweep, computed as shards, put back in grid order.
// Everything a part holds is checked before a single row is written, so that
// a merged table never mixes sweeps or carries a damaged row.
#include "sweep.h"
#include "sweep_definition.h"

#include "output_file.h"
#include "strict_number.h"
#include "text_excerpt.h"
#include "text_lines.h"

#include <map>

namespace breathlab {

namespace {

// One part as read: its grid definition, its column header and its rows.
struct SweepPart {
    std::string File;
    std::vector<std::string> Definition;
    std::string Header;
    long HeaderLine = 0;
};

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::string Where(const std::string& file, long line) {
    return file + ":" + std::to_string(line) + ": ";
}

// A sweep's row holds some twenty numbers; a line far beyond that is no row.
// The parts of the largest grid stay well below the file limit.
constexpr TextLimits kSweepPartLimits{64 * 1024, 64ULL * 1024 * 1024 * 1024};

// The "# " lines, then the header; false with the reason.
bool ReadHead(TextLineReader& in, SweepPart& part, std::string& error) {
    std::string line;
    while (in.Next(line)) {
        part.HeaderLine = in.LineNumber();
        if (!line.starts_with("# ")) {
            part.Header = line;
            if (in.LineEnded()) return true;
            break;
        }
        part.Definition.push_back(line.substr(2));
    }
    error = !in.Error().empty() ? in.Error()
                                : part.File + " is not a sweep CSV file: it has no column header";
    return false;
}

// The first line in which two definitions differ, in words.
std::string FirstDifference(const SweepPart& first, const SweepPart& other) {
    const auto& a = first.Definition;
    const auto& b = other.Definition;
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    const auto quoted = [](const std::vector<std::string>& d, std::size_t k) {
        return k < d.size() ? "'" + Excerpt(d[k]) + "'" : std::string("nothing");
    };
    return other.File + " belongs to another sweep: its grid has " + quoted(b, i) + " where " +
           first.File + " has " + quoted(a, i);
}

// A row: as many fields as the header, a patient of the grid with the
// settings the grid gives that patient, a status of the model's, and the
// indices exactly when the run completed; numbers or the empty field that
// stands for null.
std::optional<long> CheckRow(std::string_view row, std::size_t fieldCount,
                             const SweepOptions& grid, long patients, std::string& problem) {
    const auto fields = SplitFields(row);
    if (fields.size() != fieldCount) {
        problem = "the row has " + std::to_string(fields.size()) + " fields, the header " +
                  std::to_string(fieldCount);
        return std::nullopt;
    }
    const auto patient = ParseBoundedCount(fields[0], 0, patients - 1);
    if (!patient) {
        problem = "'" + Excerpt(fields[0]) + "' is not a patient of the grid";
        return std::nullopt;
    }
    for (std::size_t k = 1; k < fields.size(); ++k)
        if (!fields[k].empty() && !ParseStrictDouble(fields[k])) {
            problem = "field " + std::to_string(k + 1) + " '" + Excerpt(fields[k]) +
                      "' is not a number";
            return std::nullopt;
        }
    const std::string settings = PatientFields(grid, *patient);
    if (!row.starts_with(settings + ",")) {
        problem = "the settings of patient " + std::to_string(*patient) + " are not the grid's (" +
                  Excerpt(settings) + ")";
        return std::nullopt;
    }
    const std::size_t statusField = 1 + grid.Axes.size() + grid.Fixed.size();
    const std::string_view status = fields[statusField];
    if (status != "1" && status != "0" && status != "-1") {
        problem = "RunStatus '" + Excerpt(status) + "' is none of the model's (1, 0, -1)";
        return std::nullopt;
    }
    for (std::size_t k = statusField + 1; k < fields.size(); ++k)
        if (fields[k].empty() == (status == "1")) {
            problem = status == "1" ? "a completed run (RunStatus 1) lacks field " + std::to_string(k + 1)
                                    : "a run that did not complete has an index in field " +
                                          std::to_string(k + 1);
            return std::nullopt;
        }
    return patient;
}

bool ReadRows(TextLineReader& in, const SweepPart& part, const SweepOptions& grid, long patients,
              std::map<long, std::string>& rows, std::string& error) {
    const std::size_t fieldCount = SplitFields(part.Header).size();
    std::string line;
    while (in.Next(line)) {
        const long number = in.LineNumber();
        std::string problem;
        std::optional<long> patient;
        if (!in.LineEnded())
            problem = "the last row is cut short (it has no line end)";
        else
            patient = CheckRow(line, fieldCount, grid, patients, problem);
        if (!patient) {
            error = Where(part.File, number) + problem;
            return false;
        }
        if (!rows.emplace(*patient, line).second) {
            error = Where(part.File, number) + "patient " + std::to_string(*patient) +
                    " appears twice";
            return false;
        }
    }
    error = in.Error();
    return error.empty();
}

} // namespace

bool MergeSweepFiles(const std::vector<std::string>& files, std::ostream& out, std::string& error) {
    if (files.empty()) {
        error = "merge needs at least one file";
        return false;
    }
    SweepPart first;
    SweepOptions grid;
    long patients = 0;
    std::map<long, std::string> rows;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& file = files[i];
        TextLineReader in(file, kSweepPartLimits);
        if (!in.Open()) {
            error = in.Error();
            return false;
        }
        SweepPart part;
        part.File = file;
        if (!ReadHead(in, part, error)) return false;
        if (i == 0) {
            std::string reason;
            const auto defined = DefinedPatients(part.Definition, reason);
            const auto described = defined ? GridFromDefinition(part.Definition, reason) : std::nullopt;
            if (!described) {
                error = file + " is not a sweep CSV file: " + reason;
                return false;
            }
            patients = *defined;
            grid = *described;
            first = part;
        } else if (part.Definition != first.Definition) {
            error = FirstDifference(first, part);
            return false;
        }
        if (part.Header != CsvHeader(grid)) {
            error = file + ":" + std::to_string(part.HeaderLine) +
                    ": the column header is not the one its grid gives";
            return false;
        }
        if (!ReadRows(in, part, grid, patients, rows, error)) return false;
    }
    for (long p = 0; p < patients; ++p)
        if (!rows.count(p)) {
            error = "patient " + std::to_string(p) + " is missing";
            return false;
        }
    for (const std::string& line : first.Definition) out << "# " << line << '\n';
    out << first.Header << '\n';
    for (const auto& row : rows) out << row.second << '\n';
    return FlushChecked(out, "the merged table", error);
}

} // namespace breathlab
