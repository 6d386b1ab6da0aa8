// Numbers from the command line and from sweep files, read strictly: the whole
// text must be the number, in plain decimal notation, with nothing around it.
// A researcher who writes "0x64" or " 50" gets an error, not a surprise.
#pragma once

#include <optional>
#include <string_view>

namespace breathlab {

// A finite decimal number ("50", "-1.5", "2e3"); no sign "+", no hex, no
// blanks, no "inf" or "nan", nothing out of the range of a double.
std::optional<double> ParseStrictDouble(std::string_view text);

// A whole decimal number from `low` to `high` (no sign "+", no blanks); values
// beyond a long are refused, never wrapped.
std::optional<long> ParseBoundedCount(std::string_view text, long low, long high);

} // namespace breathlab
