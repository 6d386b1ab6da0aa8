#include "strict_number.h"

#include <charconv>
#include <cmath>

namespace breathlab {

std::optional<double> ParseStrictDouble(std::string_view text) {
    if (text.empty()) return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<long> ParseBoundedCount(std::string_view text, long low, long high) {
    if (text.empty()) return std::nullopt;
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || stop != end || value < low || value > high) return std::nullopt;
    return value;
}

} // namespace breathlab
