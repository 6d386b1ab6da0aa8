// Parameter sweeps: a cartesian grid of virtual patients, each a fresh
// start-up followed by one START, computed on several threads and, with
// shards, on several machines.
#pragma once

#include "cli_arguments.h"
#include "result_record.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace breathlab {

// Bounds of a grid: steps of one axis, and patients of the whole grid (and
// thus shards).
constexpr long kMaxAxisSteps = 100000;
constexpr long kMaxGridPatients = 10'000'000;

struct SweepAxis {
    std::string Name; // the program's spelling, e.g. "RPeripheral" or "UpperLeftLobe.CCC"
    ParameterSetting Setting;
    double From = 100, To = 100;
    int Steps = 1;
};

enum class SweepScale { Linear, Log };
enum class SweepFormat { Csv, JsonLines };

struct SweepOptions {
    std::vector<SweepAxis> Axes;
    std::vector<std::pair<std::string, ParameterSetting>> Fixed; // the --set values, by name
    SweepScale Scale = SweepScale::Linear;
    int Jobs = 0;          // 0: every core
    int ShardIndex = 1;    // 1-based
    int ShardCount = 1;
    std::optional<std::string> OutFile;
    SweepFormat Format = SweepFormat::Csv;
};

std::optional<SweepOptions> ParseSweepOptions(const std::vector<std::string>& args,
                                              std::string& error);

// Number of patients in the whole grid.
long GridSize(const SweepOptions& options);

// Value of axis `axis` for patient `patient` (0-based, first axis slowest).
double AxisValue(const SweepOptions& options, int axis, long patient);

// The percentages of patient `patient`: the fixed settings, then the axes.
ParameterSet PatientParameters(const SweepOptions& options, long patient);

// The column header of the grid's CSV rows.
std::string CsvHeader(const SweepOptions& options);

// The first fields of a patient's CSV row: its number, then the value of
// every axis and every fixed setting, as the row writes them.
std::string PatientFields(const SweepOptions& options, long patient);

// One patient's whole CSV row, as the sweep writes it.
std::string CsvRow(const SweepOptions& options, long patient, const ResultRecord& r);

// Runs this shard's patients and writes them in grid order. `defaults` is the
// start-up history (may be null). Returns false with a message at the first
// output error, without computing the patients still to come.
bool RunSweep(const SweepOptions& options, const ResultHistory* defaults, std::ostream& out,
              bool showProgress, std::string& error);

// Puts shards back together in grid order (sweep_merge.cpp). Refuses parts of
// different grids, naming the first difference of their definitions, rows
// that overlap or are missing, and rows that are cut short or hold anything
// but numbers, naming file and line.
bool MergeSweepFiles(const std::vector<std::string>& files, std::ostream& out, std::string& error);

} // namespace breathlab
