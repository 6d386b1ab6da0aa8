// A display that is reachable but refuses the connection (no or a wrong
// authorization cookie, too many clients) makes the toolkit abort with a
// message about reinstalling the application. The program says instead, in
// one line, what went wrong, and exits with 1.
#pragma once

namespace breathlab {

// Installs the message handler that does it; other messages pass on to the
// handler that was there before. Call before creating the application.
void ReportRefusedDisplayInOneLine();

} // namespace breathlab
