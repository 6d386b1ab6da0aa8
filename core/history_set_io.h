// History sets on disk: 621360 bytes, five run records back to back.
#pragma once

#include "result_record.h"

#include <string>

namespace breathlab {

// Reads a whole history set; on failure returns false with a message and
// leaves `history` untouched.
bool ReadHistorySet(const std::string& path, ResultHistory& history, std::string& error);

// Writes a file through a temporary name in the same folder and a rename, so
// a failed write never leaves a half-written file.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error);

} // namespace breathlab
