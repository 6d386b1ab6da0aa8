// History sets: the five run records back to back, exactly as they lie in
// memory, 621360 bytes with no header, signature or checksum. The default
// history "datfiles1/standard.dat" and every ".spi" file have this form.
#pragma once

#include "history_set_check.h"
#include "output_file.h"
#include "result_record.h"

#include <cstddef>
#include <string>

namespace breathlab {

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

// Reads a history set from a regular file of exactly its size, without ever
// waiting on a FIFO or a device, and checks it; on failure returns false with
// a message and leaves `history` untouched.
bool ReadHistorySet(const std::string& path, ResultHistory& history, std::string& error);

// Writes a history set through WriteFileAtomically.
bool WriteHistorySet(const std::string& path, const ResultHistory& history, std::string& error);

} // namespace breathlab
