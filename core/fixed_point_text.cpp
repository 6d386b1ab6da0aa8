#include "fixed_point_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace breathlab {

namespace {

// Beyond these a double has no more digits to show.
constexpr int kMaxSignificantDigits = 17;
constexpr int kMaxDecimals = 20;

// Large enough for 17 integer digits, 20 decimals, sign and exponent.
using DigitBuffer = std::array<char, 64>;

// std::to_chars rounds the exact binary value correctly, exact halves to even,
// and does not depend on the C locale the way printf does.
std::string_view ToChars(DigitBuffer& buffer, double value, std::chars_format format,
                         int precision) {
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (result.ec != std::errc()) return {};
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

// The power of ten in scientific text such as "1.235e+05".
int DecimalExponent(std::string_view scientific) {
    const std::size_t e = scientific.find('e');
    if (e == std::string_view::npos) return 0;
    std::size_t start = e + 1;
    if (start < scientific.size() && scientific[start] == '+') ++start;
    int exponent = 0;
    std::from_chars(scientific.data() + start, scientific.data() + scientific.size(), exponent);
    return exponent;
}

// "-0.00" would suggest a negative value where the rounding left nothing.
void DropSignOfZero(std::string& text) {
    if (text.empty() || text.front() != '-') return;
    if (text.find_first_of("123456789") == std::string::npos) text.erase(0, 1);
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "nan";
    return value > 0 ? "inf" : "-inf";
}

} // namespace

std::string FixedPointText(double value, int significantDigits, int decimals) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const int digits = std::clamp(significantDigits, 1, kMaxSignificantDigits);
    const int places = std::clamp(decimals, 0, kMaxDecimals);

    DigitBuffer scientificBuffer;
    const std::string_view scientific =
        ToChars(scientificBuffer, value, std::chars_format::scientific, digits - 1);
    const int exponent = DecimalExponent(scientific);
    if (exponent + 1 > digits) return std::string(scientific);

    // The significant-digit limit falls at this many decimals; it never lies
    // left of the decimal point here, and rounding there cannot add an
    // integer digit beyond the limit.
    const int roundedPlaces = std::min(places, digits - 1 - exponent);
    DigitBuffer fixedBuffer;
    std::string text(ToChars(fixedBuffer, value, std::chars_format::fixed, roundedPlaces));
    if (places > roundedPlaces) {
        if (roundedPlaces == 0) text += '.';
        text.append(static_cast<std::size_t>(places - roundedPlaces), '0');
    }
    DropSignOfZero(text);
    return text;
}

} // namespace breathlab
