// breathlab-cli: simulated examinations without a window, for preparing cases
// and for running many virtual patients.
#include "cli_arguments.h"
#include "session.h"
#include "history_set_io.h"
#include "output_file.h"
#include "run_outcome.h"
#include "run_csv.h"
#include "run_report.h"
#include "sweep.h"
#include "text_excerpt.h"
#ifdef BREATHLAB_HAVE_CASES
#include "case_commands.h"
#include "teaching_case.h"
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

// Every failure reaches the user as one line on standard error and an exit code.
// Names and data from outside go through it escaped, so that no control
// character reaches the terminal.
int Fail(const std::string& message, int code = kExitFileError) {
    std::cerr << "breathlab-cli: " << EscapeControl(message) << '\n';
    return code;
}

void PrintUsage(std::ostream& out) {
    out << "usage:\n"
           "  breathlab-cli run [--set [REGION.]NAME=PERCENT]... [--reference FILE.spi] [--runs N]\n"
           "                    [--json] [--csv PREFIX] [--save FILE.spi]\n"
           "                    [--case NAME | --exercise N] [--plot FILE.svg|FILE.png|FILE.pdf]\n"
           "  breathlab-cli sweep --vary NAME=FROM:TO:STEPS [--vary ...] [--set ...]\n"
           "                      [--scale log|linear] [--jobs N] [--shard I/N] [--out FILE.csv|.jsonl]\n"
           "  breathlab-cli merge A.csv B.csv ... > all.csv\n"
           "  breathlab-cli make-standard FILE\n"
           "  breathlab-cli cases                 (the case library: names and titles)\n"
           "  breathlab-cli make-cases CASE_TABLE FOLDER\n"
           "NAME: RMain VDc RMiddle StiffMiddle RPeripheral CCC Size Cm, or G1..G20\n"
           "REGION: LeftLung RightLung BothLungs (default) UpperLeftLobe LowerLeftLobe\n"
           "        UpperRightLobe MiddleRightLobe LowerRightLobe\n"
           "Numbers are plain decimals. Bounds: --runs 1..10000, --exercise 1..99999,\n"
           "STEPS 1..100000, --jobs 1..1024, --shard N and the grid's patients up to 10000000.\n"
           "A run that the model could not finish (RunStatus 0 dead, -1 error), or that it\n"
           "finished with impossible indices (reported as -1), has null indices.\n"
           "Exit codes: 0 done; 1 a file could not be read or written (standard output\n"
           "included); 2 bad arguments; 3 (run) a run did not complete.\n";
}

std::filesystem::path ProgramFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

// The data folders travel beside the program, or, installed, in
// PREFIX/share/breathlab; the first of the two that holds the file is used.
std::filesystem::path ShippedDataFile(const std::filesystem::path& relative) {
    const auto beside = ProgramFolder() / relative;
    const auto installed = ProgramFolder() / ".." / "share" / "breathlab" / relative;
    std::error_code ec;
    return std::filesystem::exists(beside, ec) || !std::filesystem::exists(installed, ec)
               ? beside
               : installed;
}

// The default history set, as the window loads it at start-up; without it the
// history starts empty.
std::unique_ptr<ResultHistory> LoadDefaultHistory() {
    auto history = std::make_unique<ResultHistory>();
    std::string error;
    if (ReadHistorySet(ShippedDataFile("datfiles1/standard.dat").string(), *history, error))
        return history;
    return nullptr;
}

int Run(RunOptions options) {
    [[maybe_unused]] std::string caseTitle, caseNote;
    if (options.CaseName) {
#ifdef BREATHLAB_HAVE_CASES
        std::string error;
        CaseDescription description;
        const CaseChoice choice = ApplyCase(options, ShippedDataFile(kCaseTablePath), description, error);
        caseTitle = description.Title;
        caseNote = description.Note;
        switch (choice) {
        case CaseChoice::Applied: break;
        case CaseChoice::UnknownCase: return Fail(error, kExitUsage);
        case CaseChoice::TableUnreadable: return Fail(error);
        }
#else
        return Fail("this build has no case library", kExitUsage);
#endif
    } else if (options.ExerciseNumber) {
#ifdef BREATHLAB_HAVE_CASES
        std::string error;
        if (!ApplyExercise(options, ShippedDataFile(kCaseTablePath), error)) return Fail(error);
#else
        return Fail("this build has no case library", kExitUsage);
#endif
    }
    std::unique_ptr<ResultHistory> reference;
    if (options.ReferenceFile) {
        reference = std::make_unique<ResultHistory>();
        std::string error;
        if (!ReadHistorySet(*options.ReferenceFile, *reference, error))
            return Fail(error);
    }
    const auto defaults = LoadDefaultHistory();
    Session session(defaults.get());
    if (reference) session.UseReferencePercentages((*reference)[0]);

    bool allCompleted = true;
    std::string error;
    for (int run = 1; run <= options.Runs; ++run) {
        session.Start(options.Parameters);
        const ResultRecord& r = session.History()[1];
        allCompleted = allCompleted && JudgeRun(r).Completed();
        if (options.Json)
            PrintJsonLine(std::cout, r, session.Model());
        else
            PrintIndexTable(std::cout, run, r, session.Model());
        if (!FinishStandardOutput(error))
            return Fail(error);
    }

    if (options.CsvPrefix && !WriteTraceCsv(*options.CsvPrefix, session.History()[1], error))
        return Fail(error);
    if (options.SaveFile && !session.Save(*options.SaveFile, error))
        return Fail(error);
    if (options.PlotFile) {
#ifdef BREATHLAB_HAVE_FIGURES
        UseEnglishFigureTexts(ShippedDataFile("translations/breathlab_en.qm").string());
        const PlotSource source{options.CaseName ? "case " + *options.CaseName : "breathlab-cli run",
                                caseTitle, caseNote};
        if (!WritePlotFile(*options.PlotFile, session.History(), options.Runs, source, error))
            return Fail(error);
#else
        return Fail("this build draws no figures", kExitUsage);
#endif
    }
    return allCompleted ? 0 : kExitRunIncomplete;
}

// The default history set: slot 0 is the first START with every percentage
// at 100 after a fresh start-up, so that a user's first default START
// reproduces the reference exactly; the other slots hold no samples.
int MakeStandard(const std::string& path) {
    Session session;
    session.Start(ParameterSet{});
    auto standard = std::make_unique<ResultHistory>();
    for (ResultRecord& r : *standard) {
        for (auto& row : r.ParameterBlock)
            for (int col = 0; col < 8; ++col) row[col] = 100;
        std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
    }
    (*standard)[0] = session.History()[1];
    std::string error;
    if (!WriteHistorySet(path, *standard, error)) return Fail(error);
    return 0;
}

int Sweep(const SweepOptions& options) {
    const auto defaults = LoadDefaultHistory();
    const bool progress = ::isatty(STDERR_FILENO);
    std::string error;
    if (!options.OutFile) {
        if (RunSweep(options, defaults.get(), std::cout, progress, error)) return 0;
        return Fail(error);
    }
    // Written under a temporary name of its own and renamed, so a cut-off
    // sweep never looks like a finished one and never replaces a finished one.
    TemporaryOutputFile out(*options.OutFile);
    if (!out.Open(error) || !RunSweep(options, defaults.get(), out.Stream(), progress, error) ||
        !out.Commit(error))
        return Fail(error);
    return 0;
}

int Merge(const std::vector<std::string>& files) {
    if (files.empty())
        return Fail("merge needs at least one file", kExitUsage);
    std::string error;
    if (MergeSweepFiles(files, std::cout, error)) return 0;
    return Fail(error);
}

// Whatever a command printed must have reached standard output, or the
// command failed, however well it went otherwise.
int CheckedExit(int code) {
    std::string error;
    if (code == kExitFileError || code == kExitUsage || FinishStandardOutput(error)) return code;
    return Fail(error);
}

int Dispatch(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        PrintUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? kExitUsage : 0;
    }
    if (args[0] == "make-standard") {
        if (args.size() != 2)
            return Fail("make-standard takes one file name", kExitUsage);
        return MakeStandard(args[1]);
    }
#ifdef BREATHLAB_HAVE_CASES
    if (args[0] == "cases") {
        if (args.size() != 1) return Fail("cases takes no arguments", kExitUsage);
        std::string error;
        if (ListCases(ShippedDataFile(kCaseTablePath), std::cout, error)) return 0;
        return Fail(error);
    }
    if (args[0] == "make-cases") {
        if (args.size() != 3)
            return Fail("make-cases takes the case table and a folder", kExitUsage);
        std::string error;
        const auto defaults = LoadDefaultHistory();
        if (MakeCaseFiles(args[1], args[2], defaults.get(), error)) return 0;
        return Fail(error);
    }
#endif
    if (args[0] == "run") {
        std::string error;
        auto options = ParseRunOptions({args.begin() + 1, args.end()}, error);
        if (!options)
            return Fail(error, kExitUsage);
        return Run(*options);
    }
    if (args[0] == "sweep") {
        std::string error;
        auto options = ParseSweepOptions({args.begin() + 1, args.end()}, error);
        if (!options)
            return Fail(error, kExitUsage);
        return Sweep(*options);
    }
    if (args[0] == "merge") return Merge({args.begin() + 1, args.end()});
    std::cerr << "breathlab-cli: unknown command '" << Excerpt(args[0]) << "'\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    return CheckedExit(Dispatch(std::vector<std::string>(argv + 1, argv + argc)));
}
