// breathlab-cli's strict number reading for the page's build: the libc++ of
// wasm32-wasi has no floating-point from_chars, so decimals are read with
// strtod after the characters it would read more loosely than from_chars
// (leading blanks or plus, hexadecimal, inf, nan) are refused.
#include "strict_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace breathlab {

namespace {

bool PlainDecimalCharacters(std::string_view text) {
    if (text.empty() || text.front() == '+') return false;
    for (const char c : text)
        if (!(c >= '0' && c <= '9') && c != '-' && c != '+' && c != '.' && c != 'e' && c != 'E')
            return false;
    return true;
}

} // namespace

std::optional<double> ParseStrictDouble(std::string_view text) {
    if (!PlainDecimalCharacters(text)) return std::nullopt;
    const std::string copy(text);
    char* stop = nullptr;
    const double value = std::strtod(copy.c_str(), &stop);
    if (stop != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
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
