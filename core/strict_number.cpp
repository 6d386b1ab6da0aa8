#include "strict_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace breathlab {

#if defined(__cpp_lib_to_chars)
std::optional<double> ParseStrictDouble(std::string_view text) {
    if (text.empty()) return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}
#else
// A standard library without floating-point from_chars (libc++ for the web
// page's WebAssembly): strtod, after refusing what it reads more loosely than
// from_chars (leading blanks or plus, hexadecimal, inf, nan).
std::optional<double> ParseStrictDouble(std::string_view text) {
    if (text.empty() || text.front() == '+' ||
        text.find_first_not_of("0123456789+-.eE") != std::string_view::npos)
        return std::nullopt;
    const std::string copy(text);
    char* stop = nullptr;
    const double value = std::strtod(copy.c_str(), &stop);
    if (stop != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}
#endif

std::optional<long> ParseBoundedCount(std::string_view text, long low, long high) {
    if (text.empty()) return std::nullopt;
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || stop != end || value < low || value > high) return std::nullopt;
    return value;
}

} // namespace breathlab
