#include "sweep.h"

#include "elementary.h"
#include "session.h"
#include "output_file.h"
#include "run_outcome.h"
#include "run_report.h"
#include "strict_number.h"
#include "sweep_definition.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>

namespace breathlab {

namespace {

// "NAME=FROM:TO:STEPS"
std::optional<SweepAxis> ParseAxis(const std::string& text, std::string& error) {
    const auto eq = text.find('=');
    const auto c1 = text.find(':', eq == std::string::npos ? 0 : eq);
    const auto c2 = c1 == std::string::npos ? c1 : text.find(':', c1 + 1);
    if (eq == std::string::npos || c1 == std::string::npos || c2 == std::string::npos) {
        error = "bad --vary '" + text + "': expected NAME=FROM:TO:STEPS";
        return std::nullopt;
    }
    const std::string name = text.substr(0, eq);
    auto from = ParseSetting(name + "=" + text.substr(eq + 1, c1 - eq - 1), error);
    auto to = from ? ParseSetting(name + "=" + text.substr(c1 + 1, c2 - c1 - 1), error)
                   : std::nullopt;
    if (!from || !to) {
        error = "bad --vary '" + text + "': " + error;
        return std::nullopt;
    }
    const auto steps = ParseBoundedCount(std::string_view(text).substr(c2 + 1), 1, kMaxAxisSteps);
    if (!steps) {
        error = "bad --vary '" + text + "': STEPS must be a whole number from 1 to " +
                std::to_string(kMaxAxisSteps);
        return std::nullopt;
    }
    SweepAxis axis;
    axis.Name = SettingName(*from);
    axis.Setting = *from;
    axis.From = from->Percent;
    axis.To = to->Percent;
    axis.Steps = static_cast<int>(*steps);
    return axis;
}

// "I/N", both whole numbers, 1 <= I <= N.
bool ParseShard(const std::string& text, SweepOptions& options, std::string& error) {
    const auto slash = text.find('/');
    const std::string_view whole(text);
    const auto count = slash == std::string::npos
                           ? std::nullopt
                           : ParseBoundedCount(whole.substr(slash + 1), 1, kMaxGridPatients);
    const auto index = count ? ParseBoundedCount(whole.substr(0, slash), 1, *count) : std::nullopt;
    if (!index) {
        error = "bad --shard '" + text + "': expected I/N with 1 <= I <= N <= " +
                std::to_string(kMaxGridPatients);
        return false;
    }
    options.ShardIndex = static_cast<int>(*index);
    options.ShardCount = static_cast<int>(*count);
    return true;
}

// A percentage on two axes, or on an axis and in --set, or twice in --set,
// would label rows with values the patient never had.
bool RefuseRepeatedParameter(const SweepOptions& o, std::string& error) {
    std::vector<const ParameterSetting*> seen;
    for (const SweepAxis& a : o.Axes) seen.push_back(&a.Setting);
    for (const auto& fixed : o.Fixed) seen.push_back(&fixed.second);
    for (std::size_t i = 0; i < seen.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (SameParameter(*seen[i], *seen[j])) {
                error = SettingName(*seen[i]) + " is given twice (in --vary or --set)";
                return true;
            }
    return false;
}

} // namespace

ParameterSet PatientParameters(const SweepOptions& o, long patient) {
    ParameterSet p;
    for (const auto& fixed : o.Fixed) ApplySetting(fixed.second, p);
    for (std::size_t a = 0; a < o.Axes.size(); ++a) {
        ParameterSetting s = o.Axes[a].Setting;
        s.Percent = AxisValue(o, static_cast<int>(a), patient);
        ApplySetting(s, p);
    }
    return p;
}


std::string CsvRow(const SweepOptions& o, long patient, const ResultRecord& r) {
    std::string row = PatientFields(o, patient);
    const RunOutcome outcome = JudgeRun(r);
    row += "," + NumberText(outcome.Status);
    for (const IndexField& f : kIndexFields)
        row += "," + (outcome.Completed() ? CsvNumber(r.*f.Field) : std::string());
    return row;
}

namespace {

std::string JsonRow(const SweepOptions& o, long patient, const ResultRecord& r) {
    std::ostringstream out;
    out << "{\"patient\":" << patient;
    for (std::size_t a = 0; a < o.Axes.size(); ++a)
        out << ",\"" << o.Axes[a].Name << "\":" << NumberText(AxisValue(o, static_cast<int>(a), patient));
    for (const auto& fixed : o.Fixed) out << ",\"" << fixed.first << "\":" << NumberText(fixed.second.Percent);
    const RunOutcome outcome = JudgeRun(r);
    out << ",\"RunStatus\":" << NumberText(outcome.Status);
    for (const IndexField& f : kIndexFields)
        out << ",\"" << f.Name << "\":" << (outcome.Completed() ? JsonNumber(r.*f.Field) : "null");
    out << "}";
    return out.str();
}

// Rows are computed out of order by the workers and written in grid order.
// Each row is flushed as it is written, so that a full disk stops the sweep at
// once instead of after the whole grid has been computed.
class OrderedWriter {
public:
    OrderedWriter(std::ostream& out, long first) : out_(out), next_(first) {}
    void Put(long slotIndex, std::string row) {
        std::lock_guard lock(mutex_);
        pending_.emplace(slotIndex, std::move(row));
        for (auto it = pending_.find(next_); it != pending_.end() && !failed_;
             it = pending_.find(next_)) {
            out_ << it->second << '\n';
            if (!FlushChecked(out_, "the sweep's output", error_)) failed_ = true;
            pending_.erase(it);
            ++next_;
        }
    }
    bool Failed() const { return failed_; }
    const std::string& Error() const { return error_; }

private:
    std::ostream& out_;
    std::mutex mutex_;
    long next_;
    std::map<long, std::string> pending_;
    std::atomic<bool> failed_{false};
    std::string error_;
};

void ShowProgress(long done, long total, std::chrono::steady_clock::time_point start) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double rate = seconds > 0 ? done / seconds : 0;
    const double left = rate > 0 ? (total - done) / rate : 0;
    std::fprintf(stderr, "\r%ld/%ld patients, %.1f per second, %.0f s left   ", done, total, rate,
                 left);
    if (done == total) std::fputc('\n', stderr);
}

} // namespace

std::optional<SweepOptions> ParseSweepOptions(const std::vector<std::string>& args,
                                              std::string& error) {
    SweepOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (i + 1 >= args.size()) {
            error = arg.starts_with("--") ? arg + " needs a value" : "unknown argument '" + arg + "'";
            return std::nullopt;
        }
        const std::string& v = args[++i];
        if (arg == "--vary") {
            auto axis = ParseAxis(v, error);
            if (!axis) return std::nullopt;
            o.Axes.push_back(*axis);
        } else if (arg == "--set") {
            auto s = ParseSetting(v, error);
            if (!s) return std::nullopt;
            o.Fixed.emplace_back(SettingName(*s), *s);
        } else if (arg == "--scale" && (v == "log" || v == "linear")) {
            o.Scale = v == "log" ? SweepScale::Log : SweepScale::Linear;
        } else if (arg == "--jobs") {
            const auto jobs = ParseBoundedCount(v, 1, 1024);
            if (!jobs) {
                error = "bad --jobs '" + v + "': expected a whole number from 1 to 1024";
                return std::nullopt;
            }
            o.Jobs = static_cast<int>(*jobs);
        } else if (arg == "--shard") {
            if (!ParseShard(v, o, error)) return std::nullopt;
        } else if (arg == "--out") {
            const bool jsonLines = HasSuffixIgnoringCase(v, ".jsonl");
            if (!jsonLines && !HasSuffixIgnoringCase(v, ".csv")) {
                error = "bad --out '" + v + "': the file must end in .csv or .jsonl";
                return std::nullopt;
            }
            o.OutFile = v;
            o.Format = jsonLines ? SweepFormat::JsonLines : SweepFormat::Csv;
        } else {
            error = "bad argument '" + arg + " " + v + "'";
            return std::nullopt;
        }
    }
    if (o.Axes.empty()) {
        error = "a sweep needs at least one --vary";
        return std::nullopt;
    }
    if (RefuseRepeatedParameter(o, error)) return std::nullopt;
    if (GridSize(o) > kMaxGridPatients) {
        error = "the grid is larger than ten million patients";
        return std::nullopt;
    }
    return o;
}

long GridSize(const SweepOptions& o) {
    long n = 1;
    for (const SweepAxis& a : o.Axes) n = std::min(n * a.Steps, 1'000'000'000L);
    return n;
}

std::string CsvHeader(const SweepOptions& o) {
    std::string h = "patient";
    for (const SweepAxis& a : o.Axes) h += "," + a.Name;
    for (const auto& fixed : o.Fixed) h += "," + fixed.first;
    h += ",RunStatus";
    for (const IndexField& f : kIndexFields) h += std::string(",") + f.Name;
    return h;
}

std::string PatientFields(const SweepOptions& o, long patient) {
    std::string fields = std::to_string(patient);
    for (std::size_t a = 0; a < o.Axes.size(); ++a)
        fields += "," + NumberText(AxisValue(o, static_cast<int>(a), patient));
    for (const auto& fixed : o.Fixed) fields += "," + NumberText(fixed.second.Percent);
    return fields;
}

double AxisValue(const SweepOptions& o, int axis, long patient) {
    long stride = 1;
    for (std::size_t a = axis + 1; a < o.Axes.size(); ++a) stride *= o.Axes[a].Steps;
    const SweepAxis& a = o.Axes[axis];
    const int i = static_cast<int>((patient / stride) % a.Steps);
    if (a.Steps == 1) return a.From;
    const double t = static_cast<double>(i) / (a.Steps - 1);
    if (o.Scale == SweepScale::Log) return a.From * elementary::Pow(a.To / a.From, t);
    return a.From + (a.To - a.From) * t;
}

bool RunSweep(const SweepOptions& o, const ResultHistory* defaults, std::ostream& out,
              bool showProgress, std::string& error) {
    const long total = GridSize(o);
    // This shard's patients: every ShardCount-th, starting at ShardIndex - 1.
    std::vector<long> patients;
    for (long p = o.ShardIndex - 1; p < total; p += o.ShardCount) patients.push_back(p);

    const bool csv = o.Format == SweepFormat::Csv;
    if (csv) out << GridDefinitionText(o) << CsvHeader(o) << '\n';
    if (!FlushChecked(out, "the sweep's output", error)) return false;
    OrderedWriter writer(out, 0);
    std::atomic<long> next{0}, done{0};
    const auto start = std::chrono::steady_clock::now();
    std::mutex progressMutex;

    // Every patient starts from the same settled start-up session.
    const Session settled(defaults);
    auto work = [&] {
        auto record = std::make_unique<ResultRecord>();
        for (long k = next++; k < static_cast<long>(patients.size()) && !writer.Failed();
             k = next++) {
            {
                Session session(settled);
                session.Start(PatientParameters(o, patients[k]));
                *record = session.History()[1];
            }
            writer.Put(k, csv ? CsvRow(o, patients[k], *record) : JsonRow(o, patients[k], *record));
            const long finished = ++done;
            if (showProgress) {
                std::lock_guard lock(progressMutex);
                ShowProgress(finished, static_cast<long>(patients.size()), start);
            }
        }
    };
    const int jobs = o.Jobs > 0 ? o.Jobs : std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (int t = 1; t < jobs; ++t) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    if (writer.Failed()) {
        error = writer.Error();
        return false;
    }
    return true;
}

} // namespace breathlab
