// Before the window is created: is there a display to show it on? Without one
// the toolkit aborts with a message about reinstalling; the program says what
// is missing instead.
#pragma once

#include <optional>
#include <string>

namespace breathlab {

// Where an X display named like ":0", "unix:1.0" or "localhost:10.0" listens.
struct XDisplayAddress {
    std::string Host; // empty for the local socket
    int Number = 0;
};

// Nothing for a name that is not of the form [host]:number[.screen].
std::optional<XDisplayAddress> ParseXDisplayName(const std::string& name);

// What the environment asks for: a platform chosen with QT_QPA_PLATFORM or
// "-platform" is left to the toolkit; otherwise a Wayland socket or a
// reachable X display. Returns the line to print when no display can be
// opened, nothing otherwise.
std::optional<std::string> MissingDisplayMessage(bool platformChosen);

// True when the command line names a platform ("-platform NAME").
bool CommandLineChoosesPlatform(int argc, char* argv[]);

} // namespace breathlab
