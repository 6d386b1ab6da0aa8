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

struct SweepAxis {
    std::string Name; // as written, e.g. "RPeripheral" or "UpperLeftLobe.CCC"
    ParameterSetting Setting;
    double From = 100, To = 100;
    int Steps = 1;
};

enum class SweepScale { Linear, Log };
enum class SweepFormat { Csv, JsonLines };

struct SweepOptions {
    std::vector<SweepAxis> Axes;
    std::vector<std::pair<std::string, ParameterSetting>> Fixed; // the --set values
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

// Runs this shard's patients and writes them in grid order. `defaults` is the
// start-up history (may be null). Returns false with a message on an output error.
bool RunSweep(const SweepOptions& options, const ResultHistory* defaults, std::ostream& out,
              bool showProgress, std::string& error);

// Puts shards back together in grid order; refuses overlapping or missing rows.
bool MergeSweepFiles(const std::vector<std::string>& files, std::ostream& out, std::string& error);

} // namespace breathlab
