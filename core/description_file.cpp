#include "description_file.h"

#include "data_file_limit.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

namespace breathlab {

namespace {

const std::string kPartMarker = "+++";

// Leading blanks and a sign are accepted, trailing text is not.
std::optional<int> ParseBlockNumber(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && *begin == ' ')
        ++begin;
    if (begin != end && *begin == '+') ++begin;
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

DescriptionText SplitParts(const std::string& text) {
    const auto marker = text.find(kPartMarker);
    if (marker == std::string::npos) return {text, ""};
    std::string partTwo = text.substr(marker + kPartMarker.size());
    // The last text line ends with the blank that separates it from a next
    // line; there is none, so it goes.
    if (!partTwo.empty()) partTwo.pop_back();
    return {text.substr(0, marker), partTwo};
}

} // namespace

DescriptionResult ParseDescription(const std::string& fileText, int n) {
    std::istringstream lines(fileText);
    std::string line;
    std::string collected;
    bool collecting = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // An empty line is no marker and adds nothing to a block.
        if (line == "*") collecting = false;
        if (!line.empty() && line.front() == '#') {
            const std::string rest = line.substr(1);
            const auto number = ParseBlockNumber(rest);
            if (!number) return {{}, "'" + rest + "' is not a valid integer value"};
            if (*number == n) {
                collected.clear();
                collecting = true;
                continue;
            }
        }
        if (collecting) collected += line;
    }
    return {SplitParts(collected), ""};
}

DescriptionResult ReadDescription(const std::string& path, int n) {
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        const int reason = errno;
        std::string message = "Cannot open file \"" + path + "\".";
        if (reason != 0) message += std::string(" ") + std::strerror(reason) + ".";
        return {{}, message};
    }
    std::string content;
    char chunk[65536];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        content.append(chunk, static_cast<std::size_t>(file.gcount()));
        if (static_cast<std::int64_t>(content.size()) > kMaxDataFileBytes)
            return {{}, path + ": " + DataFileTooLargeText()};
    }
    return ParseDescription(content, n);
}

std::string BuildRule(const std::function<int(const std::string&)>& measureWidth, int panelWidth) {
    std::string rule;
    // A "-" is at least a pixel wide, so more than panelWidth of them can
    // only come from a font that measures nothing; stop there.
    while (static_cast<int>(rule.size()) <= panelWidth && measureWidth(rule) < panelWidth)
        rule += '-';
    if (!rule.empty()) rule.pop_back();
    return rule;
}

std::vector<std::string> DescriptionLines(const DescriptionText& text, const std::string& rule) {
    std::vector<std::string> lines{text.PartOne};
    if (!text.PartOne.empty() && !text.PartTwo.empty()) lines.push_back(rule);
    lines.push_back(text.PartTwo);
    return lines;
}

} // namespace breathlab
