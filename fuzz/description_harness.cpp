// The first byte picks the block asked for, the rest is the description file.
#include "fuzz_harnesses.h"
#include "fuzz_bytes.h"

#include "description_file.h"

namespace breathlab {

void FuzzDescription(const std::uint8_t* data, std::size_t size) {
    FuzzBytes input(data, size);
    const int block = input.TakeIntInRange(-2, 40);
    const std::string text = input.RestAsString();
    const DescriptionResult result = ParseDescription(text, block);
    if (!result.Ok()) return;
    FuzzCheck(result.Text.PartOne.size() + result.Text.PartTwo.size() <= text.size(),
              "a block is no longer than the file");
    DescriptionLines(result.Text, "----");
}

} // namespace breathlab
