#include "stored_percent.h"

#include "number_text.h"

namespace breathlab {

std::string StorablePercentRange() {
    return "from " + NumberText(kSmallestStoredPercent) + " to " +
           NumberText(kLargestStoredPercent);
}

} // namespace breathlab
