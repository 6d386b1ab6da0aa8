// breathlab-cli: simulated examinations without a window, for preparing cases
// and for running many virtual patients.
#include "cli_arguments.h"
#include "headless_session.h"
#include "history_set_io.h"
#include "run_report.h"
#include "sweep.h"
#ifdef BREATHLAB_HAVE_CASES
#include "case_commands.h"
#endif
#ifdef BREATHLAB_HAVE_FIGURES
#include "plot_command.h"
#endif

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

using namespace breathlab;

constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

void PrintUsage(std::ostream& out) {
    out << "usage:\n"
           "  breathlab-cli run [--set [REGION.]NAME=PERCENT]... [--reference FILE.spi] [--runs N]\n"
           "                    [--json] [--csv PREFIX] [--save FILE.spi]\n"
           "                    [--case NAME] [--plot FILE.svg|FILE.png|FILE.pdf]\n"
           "  breathlab-cli sweep --vary NAME=FROM:TO:STEPS [--vary ...] [--set ...]\n"
           "                      [--scale log|linear] [--jobs N] [--shard I/N] [--out FILE.csv|.jsonl]\n"
           "  breathlab-cli merge A.csv B.csv ... > all.csv\n"
           "  breathlab-cli make-standard FILE\n"
           "  breathlab-cli make-cases CASE_TABLE FOLDER\n"
           "NAME: RMain VDc RMiddle StiffMiddle RPeripheral CCC Size Cm, or G1..G20\n"
           "REGION: LeftLung RightLung BothLungs (default) UpperLeftLobe LowerLeftLobe\n"
           "        UpperRightLobe MiddleRightLobe LowerRightLobe\n";
}

std::filesystem::path ProgramFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

// The default history set shipped beside the program, as the window loads it
// at start-up; without it the history starts empty.
std::unique_ptr<ResultHistory> LoadDefaultHistory() {
    auto history = std::make_unique<ResultHistory>();
    std::string error;
    if (ReadHistorySet((ProgramFolder() / "datfiles1" / "standard.dat").string(), *history, error))
        return history;
    return nullptr;
}

int Run(RunOptions options) {
    if (options.CaseName) {
#ifdef BREATHLAB_HAVE_CASES
        std::string error;
        if (!ApplyCase(options, ProgramFolder() / "cases" / "case_table.txt", error)) {
            std::cerr << "breathlab-cli: " << error << '\n';
            return kExitFileError;
        }
#else
        std::cerr << "breathlab-cli: this build has no case library\n";
        return kExitUsage;
#endif
    }
    std::unique_ptr<ResultHistory> reference;
    if (options.ReferenceFile) {
        reference = std::make_unique<ResultHistory>();
        std::string error;
        if (!ReadHistorySet(*options.ReferenceFile, *reference, error)) {
            std::cerr << "breathlab-cli: " << error << '\n';
            return kExitFileError;
        }
    }
    const auto defaults = LoadDefaultHistory();
    HeadlessSession session(defaults.get());
    if (reference) session.UseReferencePercentages((*reference)[0]);

    for (int run = 1; run <= options.Runs; ++run) {
        session.Start(options.Parameters);
        const ResultRecord& r = session.History()[1];
        if (options.Json)
            PrintJsonLine(std::cout, r, session.Model());
        else
            PrintIndexTable(std::cout, run, r, session.Model());
    }

    std::string error;
    if (options.CsvPrefix && !WriteTraceCsv(*options.CsvPrefix, session.History()[1], error)) {
        std::cerr << "breathlab-cli: " << error << '\n';
        return kExitFileError;
    }
    if (options.SaveFile && !WriteFileAtomically(*options.SaveFile, &session.History(),
                                                 sizeof(ResultHistory), error)) {
        std::cerr << "breathlab-cli: " << error << '\n';
        return kExitFileError;
    }
    if (options.PlotFile) {
#ifdef BREATHLAB_HAVE_FIGURES
        const std::string source = options.CaseName ? "case " + *options.CaseName : "breathlab-cli run";
        if (!WritePlotFile(*options.PlotFile, session.History(), options.Runs, source, error)) {
            std::cerr << "breathlab-cli: " << error << '\n';
            return kExitFileError;
        }
#else
        std::cerr << "breathlab-cli: this build draws no figures\n";
        return kExitUsage;
#endif
    }
    return 0;
}

// The default history set: slot 0 is the first START with every percentage
// at 100 after a fresh start-up, so that a user's first default START
// reproduces the reference exactly; the other slots hold no samples.
int MakeStandard(const std::string& path) {
    HeadlessSession session;
    session.Start(ParameterSet{});
    auto standard = std::make_unique<ResultHistory>();
    for (ResultRecord& r : *standard) {
        for (auto& row : r.ParameterBlock)
            for (int col = 0; col < 8; ++col) row[col] = 100;
        std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
    }
    (*standard)[0] = session.History()[1];
    std::string error;
    if (!WriteFileAtomically(path, standard.get(), sizeof(ResultHistory), error)) {
        std::cerr << "breathlab-cli: " << error << '\n';
        return kExitFileError;
    }
    return 0;
}

int Sweep(const SweepOptions& options) {
    const auto defaults = LoadDefaultHistory();
    const bool progress = ::isatty(STDERR_FILENO);
    std::string error;
    if (!options.OutFile) {
        if (RunSweep(options, defaults.get(), std::cout, progress, error)) return 0;
        std::cerr << "breathlab-cli: " << error << '\n';
        return kExitFileError;
    }
    // Written under a temporary name and renamed, so a cut-off sweep never
    // looks like a finished one.
    const std::string temp = *options.OutFile + ".part";
    std::ofstream out(temp, std::ios::trunc);
    bool ok = out && RunSweep(options, defaults.get(), out, progress, error);
    out.close();
    std::error_code ec;
    if (ok) std::filesystem::rename(temp, *options.OutFile, ec);
    if (!ok || ec || !out) {
        std::cerr << "breathlab-cli: cannot write " << *options.OutFile
                  << (error.empty() ? "" : ": " + error) << '\n';
        std::filesystem::remove(temp, ec);
        return kExitFileError;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        PrintUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? kExitUsage : 0;
    }
    if (args[0] == "make-standard") {
        if (args.size() != 2) {
            std::cerr << "breathlab-cli: make-standard takes one file name\n";
            return kExitUsage;
        }
        return MakeStandard(args[1]);
    }
#ifdef BREATHLAB_HAVE_CASES
    if (args[0] == "make-cases") {
        if (args.size() != 3) {
            std::cerr << "breathlab-cli: make-cases takes the case table and a folder\n";
            return kExitUsage;
        }
        std::string error;
        const auto defaults = LoadDefaultHistory();
        if (MakeCaseFiles(args[1], args[2], defaults.get(), error)) return 0;
        std::cerr << "breathlab-cli: " << error << '\n';
        return kExitFileError;
    }
#endif
    if (args[0] == "run") {
        std::string error;
        auto options = ParseRunOptions({args.begin() + 1, args.end()}, error);
        if (!options) {
            std::cerr << "breathlab-cli: " << error << '\n';
            return kExitUsage;
        }
        return Run(*options);
    }
    if (args[0] == "sweep") {
        std::string error;
        auto options = ParseSweepOptions({args.begin() + 1, args.end()}, error);
        if (!options) {
            std::cerr << "breathlab-cli: " << error << '\n';
            return kExitUsage;
        }
        return Sweep(*options);
    }
    if (args[0] == "merge") {
        std::string error;
        if (MergeSweepFiles({args.begin() + 1, args.end()}, std::cout, error)) return 0;
        std::cerr << "breathlab-cli: " << error << '\n';
        return kExitFileError;
    }
    std::cerr << "breathlab-cli: unknown command '" << args[0] << "'\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}
