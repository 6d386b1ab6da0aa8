#include "sweep.h"

#include "elementary.h"
#include "headless_session.h"
#include "run_report.h"

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

constexpr const char* kGridMark = "# breathlab sweep, patients: ";

// "NAME=FROM:TO:STEPS"
std::optional<SweepAxis> ParseAxis(const std::string& text, std::string& error) {
    const auto eq = text.find('=');
    const auto c1 = text.find(':', eq == std::string::npos ? 0 : eq);
    const auto c2 = c1 == std::string::npos ? c1 : text.find(':', c1 + 1);
    if (eq == std::string::npos || c1 == std::string::npos || c2 == std::string::npos) {
        error = "bad --vary '" + text + "': expected NAME=FROM:TO:STEPS";
        return std::nullopt;
    }
    SweepAxis axis;
    axis.Name = text.substr(0, eq);
    auto from = ParseSetting(axis.Name + "=" + text.substr(eq + 1, c1 - eq - 1), error);
    auto to = from ? ParseSetting(axis.Name + "=" + text.substr(c1 + 1, c2 - c1 - 1), error)
                   : std::nullopt;
    if (!from || !to) {
        error = "bad --vary '" + text + "': " + error;
        return std::nullopt;
    }
    char* end = nullptr;
    const std::string steps = text.substr(c2 + 1);
    const long n = std::strtol(steps.c_str(), &end, 10);
    if (steps.empty() || *end != '\0' || n < 1 || n > 100000) {
        error = "bad --vary '" + text + "': STEPS must be a whole number from 1 to 100000";
        return std::nullopt;
    }
    axis.Setting = *from;
    axis.From = from->Percent;
    axis.To = to->Percent;
    axis.Steps = static_cast<int>(n);
    return axis;
}

bool ParseShard(const std::string& text, SweepOptions& options, std::string& error) {
    int index = 0, count = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d/%d%c", &index, &count, &tail) != 2 || count < 1 ||
        index < 1 || index > count) {
        error = "bad --shard '" + text + "': expected I/N with 1 <= I <= N";
        return false;
    }
    options.ShardIndex = index;
    options.ShardCount = count;
    return true;
}

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

std::string CsvHeader(const SweepOptions& o) {
    std::string h = "patient";
    for (const SweepAxis& a : o.Axes) h += "," + a.Name;
    for (const auto& fixed : o.Fixed) h += "," + fixed.first;
    h += ",RunStatus";
    for (const IndexField& f : kIndexFields) h += std::string(",") + f.Name;
    return h;
}

std::string CsvRow(const SweepOptions& o, long patient, const ResultRecord& r) {
    std::string row = std::to_string(patient);
    for (std::size_t a = 0; a < o.Axes.size(); ++a)
        row += "," + NumberText(AxisValue(o, static_cast<int>(a), patient));
    for (const auto& fixed : o.Fixed) row += "," + NumberText(fixed.second.Percent);
    row += "," + NumberText(r.RunStatus);
    for (const IndexField& f : kIndexFields) row += "," + NumberText(r.*f.Field);
    return row;
}

std::string JsonRow(const SweepOptions& o, long patient, const ResultRecord& r) {
    std::ostringstream out;
    out << "{\"patient\":" << patient;
    for (std::size_t a = 0; a < o.Axes.size(); ++a)
        out << ",\"" << o.Axes[a].Name << "\":" << NumberText(AxisValue(o, static_cast<int>(a), patient));
    for (const auto& fixed : o.Fixed) out << ",\"" << fixed.first << "\":" << NumberText(fixed.second.Percent);
    out << ",\"RunStatus\":" << NumberText(r.RunStatus);
    for (const IndexField& f : kIndexFields) out << ",\"" << f.Name << "\":" << JsonNumber(r.*f.Field);
    out << "}";
    return out.str();
}

// Rows are computed out of order by the workers and written in grid order.
class OrderedWriter {
public:
    OrderedWriter(std::ostream& out, long first) : out_(out), next_(first) {}
    void Put(long slotIndex, std::string row) {
        std::lock_guard lock(mutex_);
        pending_.emplace(slotIndex, std::move(row));
        for (auto it = pending_.find(next_); it != pending_.end(); it = pending_.find(next_)) {
            out_ << it->second << '\n';
            pending_.erase(it);
            ++next_;
        }
    }

private:
    std::ostream& out_;
    std::mutex mutex_;
    long next_;
    std::map<long, std::string> pending_;
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
            error = arg.rfind("--", 0) == 0 ? arg + " needs a value" : "unknown argument '" + arg + "'";
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
            o.Fixed.emplace_back(v.substr(0, v.find('=')), *s);
        } else if (arg == "--scale" && (v == "log" || v == "linear")) {
            o.Scale = v == "log" ? SweepScale::Log : SweepScale::Linear;
        } else if (arg == "--jobs") {
            char* end = nullptr;
            const long jobs = std::strtol(v.c_str(), &end, 10);
            if (v.empty() || *end != '\0' || jobs < 1 || jobs > 1024) {
                error = "bad --jobs '" + v + "': expected a whole number from 1 to 1024";
                return std::nullopt;
            }
            o.Jobs = static_cast<int>(jobs);
        } else if (arg == "--shard") {
            if (!ParseShard(v, o, error)) return std::nullopt;
        } else if (arg == "--out") {
            o.OutFile = v;
            const bool jsonl = v.size() >= 6 && v.compare(v.size() - 6, 6, ".jsonl") == 0;
            o.Format = jsonl ? SweepFormat::JsonLines : SweepFormat::Csv;
        } else {
            error = "bad argument '" + arg + " " + v + "'";
            return std::nullopt;
        }
    }
    if (o.Axes.empty()) {
        error = "a sweep needs at least one --vary";
        return std::nullopt;
    }
    if (GridSize(o) > 10'000'000) {
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
    if (csv) out << kGridMark << total << '\n' << CsvHeader(o) << '\n';
    OrderedWriter writer(out, 0);
    std::atomic<long> next{0}, done{0};
    const auto start = std::chrono::steady_clock::now();
    std::mutex progressMutex;

    // Every patient starts from the same settled start-up session.
    const HeadlessSession settled(defaults);
    auto work = [&] {
        auto record = std::make_unique<ResultRecord>();
        for (long k = next++; k < static_cast<long>(patients.size()); k = next++) {
            {
                HeadlessSession session(settled);
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
    out.flush();
    if (!out) {
        error = "cannot write the sweep's output";
        return false;
    }
    return true;
}

bool MergeSweepFiles(const std::vector<std::string>& files, std::ostream& out, std::string& error) {
    std::string mark, header;
    std::map<long, std::string> rows;
    for (const std::string& file : files) {
        std::ifstream in(file);
        std::string fileMark, fileHeader, line;
        if (!in || !std::getline(in, fileMark) || !std::getline(in, fileHeader) ||
            fileMark.rfind(kGridMark, 0) != 0) {
            error = file + " is not a sweep CSV file";
            return false;
        }
        if (mark.empty()) {
            mark = fileMark;
            header = fileHeader;
        } else if (fileMark != mark || fileHeader != header) {
            error = file + " belongs to another sweep (its grid or columns differ)";
            return false;
        }
        while (std::getline(in, line)) {
            if (line.empty()) continue;
            char* end = nullptr;
            const long patient = std::strtol(line.c_str(), &end, 10);
            if (end == line.c_str() || *end != ',' || patient < 0) {
                error = file + ": bad row '" + line.substr(0, 40) + "'";
                return false;
            }
            if (!rows.emplace(patient, line).second) {
                error = "patient " + std::to_string(patient) + " appears twice (" + file + ")";
                return false;
            }
        }
    }
    if (files.empty()) {
        error = "merge needs at least one file";
        return false;
    }
    const long total = std::strtol(mark.c_str() + std::string(kGridMark).size(), nullptr, 10);
    for (long p = 0; p < total; ++p) {
        if (!rows.count(p)) {
            error = "patient " + std::to_string(p) + " is missing";
            return false;
        }
    }
    if (static_cast<long>(rows.size()) != total) {
        error = "rows beyond the grid's " + std::to_string(total) + " patients";
        return false;
    }
    out << mark << '\n' << header << '\n';
    for (const auto& row : rows) out << row.second << '\n';
    return static_cast<bool>(out);
}

} // namespace breathlab
