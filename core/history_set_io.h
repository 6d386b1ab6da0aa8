// History sets on disk (the form, the check and the bytes in memory are in
// history_set_check.h). The default history "datfiles1/standard.dat" and
// every ".spi" file have this form.
#pragma once

#include "history_set_check.h"
#include "output_file.h"
#include "result_record.h"

#include <cstddef>
#include <string>

namespace breathlab {

// Reads a history set from a regular file of exactly its size, without ever
// waiting on a FIFO or a device, and checks it; on failure returns false with
// a message and leaves `history` untouched.
bool ReadHistorySet(const std::string& path, ResultHistory& history, std::string& error);

// Writes a history set through WriteFileAtomically.
bool WriteHistorySet(const std::string& path, const ResultHistory& history, std::string& error);

} // namespace breathlab
