// Whether bytes of the right size are a history set this program can work
// with. A file may come from anywhere (another machine, a damaged disk, a
// hostile sender): every setting must be a percentage the sliders accept
// and every stored number finite, or the run that follows would fail and
// blame the user, and the views would show "nan".
#pragma once

#include "result_record.h"

#include <string>

namespace breathlab {

// True when every record passes; otherwise false with a message that names
// the record and the field, e.g. "record 2 (run 1): RMain of BothLungs is
// -5, but a setting must be a percentage from ... to ...".
bool CheckHistorySet(const ResultHistory& history, std::string& error);

} // namespace breathlab
