// START in the window against the same examination without a window: the
// live drawing of the curve and of the airway schematic is what the window adds.
#include "session.h"
#include "main_window.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

constexpr int kRuns = 3;

// Processor time of this thread: other work on the machine does not count.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The first START of a process also loads fonts and opens the sound server;
// that one-time cost is reported apart.
double WindowStartMs(int runs) {
    double total = 0;
    for (int i = 0; i < runs; ++i) {
        MainWindow form; // a fresh start-up each time: the same patient in the same state
        form.show();
        const double start = ThreadMs();
        form.OnStartClicked();
        total += ThreadMs() - start;
    }
    return total / runs;
}

// The headless run of the patient the window starts with: its history set
// (the shipped default one) and its parameter set. Without them the headless
// session runs an all-normal reference, a different and cheaper examination.
double HeadlessStartMs(const breathlab::ResultHistory* history,
                       const breathlab::ParameterSet& parameters) {
    double total = 0;
    for (int i = 0; i < kRuns; ++i) {
        breathlab::Session session(history);
        const double start = ThreadMs();
        session.Start(parameters);
        total += ThreadMs() - start;
    }
    return total / kRuns;
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double first = WindowStartMs(1);
    const double window = WindowStartMs(kRuns);
    const double allNormal = HeadlessStartMs(nullptr, breathlab::ParameterSet{});
    MainWindow startUp;
    const double samePatient =
        HeadlessStartMs(&startUp.State().Session.Runs().Slots, startUp.State().Session.Parameters());
    std::printf("START of a default patient (processor time): window %.1f ms (first in the "
                "process %.1f ms)\n",
                window, first);
    std::printf("  headless, same patient as the window: %.1f ms, ratio %.2f\n", samePatient,
                window / samePatient);
    std::printf("  headless, all-normal reference: %.1f ms, ratio %.2f\n", allNormal,
                window / allNormal);
    return 0;
}
