// The fixed data files are small (the largest, a region picture, has some
// 40 KB). A file far beyond that is damaged or not a data file at all, such
// as a link to /dev/zero, which would otherwise be read until memory runs out.
#pragma once

#include <cstdint>
#include <string>

namespace breathlab {

constexpr std::int64_t kMaxDataFileBytes = 4 * 1024 * 1024;

// The message for a file beyond kMaxDataFileBytes, after its path.
inline std::string DataFileTooLargeText() { return "the file is larger than 4 MB."; }

} // namespace breathlab
