// The libFuzzer entry of one target; BREATHLAB_FUZZ_HARNESS names its harness.
#include "fuzz_harnesses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    breathlab::BREATHLAB_FUZZ_HARNESS(data, size);
    return 0;
}
