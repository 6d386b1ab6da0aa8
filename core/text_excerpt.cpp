#include "text_excerpt.h"

#include <cstdio>

namespace breathlab {

std::string EscapeControl(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string Excerpt(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return EscapeControl(text);
    return EscapeControl(text.substr(0, limit)) + "...";
}

} // namespace breathlab
