// The short texts that explain a parameter or a run's outcome. The file is
// plain text made of blocks:
//
//   #<n>          starts block n (a later block with the same number wins)
//   text lines    joined with nothing between them, so they carry their own
//                 trailing blank
//   +++           optional: splits the block into what the parameter is and
//                 what changing it does
//   *             ends the block
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace breathlab {

struct DescriptionText {
    std::string PartOne;
    std::string PartTwo;
};

struct DescriptionResult {
    DescriptionText Text;
    std::string Error; // empty on success; otherwise the message to show
    bool Ok() const { return Error.empty(); }
};

// Block n of the text (an absent block gives two empty parts).
DescriptionResult ParseDescription(const std::string& fileText, int n);

// Block n of the description file at path.
DescriptionResult ReadDescription(const std::string& path, int n);

// A rule of "-" just narrower than the panel: "-" is added while the
// measured rule is narrower than panelWidth, then one is taken off.
std::string BuildRule(const std::function<int(const std::string&)>& measureWidth, int panelWidth);

// The lines the description panel shows: part one, the rule when both parts
// have text, part two.
std::vector<std::string> DescriptionLines(const DescriptionText& text, const std::string& rule);

} // namespace breathlab
