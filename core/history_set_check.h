// Whether bytes of the right size are a history set this program can work
// with. A file may come from anywhere (another machine, a damaged disk, a
// hostile sender): every setting must be a percentage the sliders accept
// and every stored number finite, or the run that follows would fail and
// blame the user, and the views would show "nan".
#pragma once

#include "result_record.h"

#include <cstddef>
#include <string>

namespace breathlab {

// History sets: the five run records back to back, exactly as they lie in
// memory, 621360 bytes with no header, signature or checksum.
constexpr std::size_t kHistorySetBytes = sizeof(ResultHistory);
static_assert(kHistorySetBytes == 621360, "the simulation file format is fixed");

// "WHAT is not a history set: N bytes, a history set has 621360".
std::string HistorySetSizeMessage(const std::string& what, unsigned long long size);

// Takes a history set from bytes already in memory (an uploaded file, a file
// read by another toolkit). Anything but exactly one history set that passes
// CheckHistorySet gives false with a message and leaves `history` untouched.
bool HistorySetFromBytes(const void* data, std::size_t size, ResultHistory& history,
                         std::string& error);

// The bytes of a history set, for writing or sending elsewhere.
inline const unsigned char* HistorySetBytes(const ResultHistory& history) {
    return reinterpret_cast<const unsigned char*>(&history);
}

// True when every record passes; otherwise false with a message that names
// the record and the field, e.g. "record 2 (run 2): the setting RMain of
// BothLungs is -5, but a setting must be a percentage from ... to ...".
bool CheckHistorySet(const ResultHistory& history, std::string& error);

} // namespace breathlab
