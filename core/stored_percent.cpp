#include "stored_percent.h"

#include "number_text.h"

#include <cstdlib>

namespace breathlab {

namespace {

// The bound in nine digits, rounded towards the inside of the range: the
// nearest nine-digit text of either limit lies just outside it, and a user
// who types the bound a message names must have it accepted.
std::string InsideText(double bound, double inward) {
    for (double nudge = 0;; nudge += 1e-9) {
        const std::string text = NumberText(bound * (1 + inward * nudge));
        if (IsStorablePercent(std::strtod(text.c_str(), nullptr))) return text;
    }
}

} // namespace

std::string StorablePercentRange() {
    return "from " + InsideText(kSmallestStoredPercent, +1) + " to " +
           InsideText(kLargestStoredPercent, -1);
}

} // namespace breathlab
