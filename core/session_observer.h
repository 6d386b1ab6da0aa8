// What a session tells the front ends that watch it: which command changed
// the remembered runs, the selection or the working parameter set, and how a
// run goes on while START works. The session never knows who listens; every
// member may be left empty.
#pragma once

#include <functional>

namespace breathlab {

// The command that caused a notification, so that a front end can redraw
// what that command changes and nothing else.
enum class SessionCommand {
    Start,
    Select,
    Delete,
    UseAsReference,
    DefaultReference,
    Open,
    AddRun,
};

// Once a command is complete it calls, at most once each and in this order:
// HistoryChanged, SelectionChanged, ParametersLoaded. A command that changes
// nothing (Delete without a selected run, a file that is refused) calls none
// of them.
struct SessionObserver {
    // The records or the number of listed runs changed.
    std::function<void(SessionCommand)> HistoryChanged;
    // A run row became the selected one (1..3), or none is (-1).
    std::function<void(SessionCommand, int selectedRun)> SelectionChanged;
    // The working parameter set now holds the percentages of this slot (0:
    // the reference); a front end with sliders moves them there.
    std::function<void(SessionCommand, int slot)> ParametersLoaded;

    // START, while the model runs; nothing else may touch the session then.
    // Before the working slot is cleared: the front end clears its live views.
    std::function<void()> RunStarting;
    // A 100 ms recording point is in the working slot (slot 1) and the
    // model's state is the subject's at that moment.
    std::function<void()> TracePointStored;
    // The run clock may be shown (the model's DisplayTime).
    std::function<void()> ClockDue;
    // The flow solver gave up on a substep after its iteration cap.
    std::function<void()> SolverBeep;
};

} // namespace breathlab
