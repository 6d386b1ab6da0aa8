// History sets: the five run records back to back, exactly as they lie in
// memory, 621360 bytes with no header, signature or checksum. The default
// history "datfiles1/standard.dat" and every ".spi" file have this form.
#pragma once

#include "result_record.h"

#include <cstddef>
#include <cstring>
#include <string>

namespace breathlab {

constexpr std::size_t kHistorySetBytes = sizeof(ResultHistory);
static_assert(kHistorySetBytes == 621360, "the simulation file format is fixed");

// Takes a history set from bytes already in memory (an uploaded file, a file
// read by another toolkit). Fewer bytes than a history set give false with a
// message and leave `history` untouched; bytes beyond the first set are ignored.
inline std::string ShortHistorySetMessage(const std::string& what, std::size_t size) {
    return what + " is not a history set: " + std::to_string(size) +
           " bytes, a history set has " + std::to_string(kHistorySetBytes);
}

inline bool HistorySetFromBytes(const void* data, std::size_t size, ResultHistory& history,
                                std::string& error) {
    if (size < kHistorySetBytes) {
        error = ShortHistorySetMessage("the data", size);
        return false;
    }
    std::memcpy(&history, data, kHistorySetBytes);
    return true;
}

// The bytes of a history set, for writing or sending elsewhere.
inline const unsigned char* HistorySetBytes(const ResultHistory& history) {
    return reinterpret_cast<const unsigned char*>(&history);
}

// Reads a whole history set; on failure returns false with a message and
// leaves `history` untouched.
bool ReadHistorySet(const std::string& path, ResultHistory& history, std::string& error);

// Writes a history set through WriteFileAtomically.
bool WriteHistorySet(const std::string& path, const ResultHistory& history, std::string& error);

// Writes a file through a temporary name in the same folder and a rename, so
// a failed write never leaves a half-written file.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error);

} // namespace breathlab
