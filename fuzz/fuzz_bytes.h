// Reading the parts of one fuzz input: small integers taken from the front,
// the rest handed on whole. An exhausted input yields zeros, so every input,
// however short, means something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

namespace breathlab {

class FuzzBytes {
  public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t TakeByte() {
        if (used_ >= size_) return 0;
        return data_[used_++];
    }

    std::uint32_t TakeWord() {
        std::uint32_t word = 0;
        for (int i = 0; i < 4; ++i)
            word |= static_cast<std::uint32_t>(TakeByte()) << (8 * i);
        return word;
    }

    // A value in [low, high], both inclusive.
    int TakeIntInRange(int low, int high) {
        const auto span = static_cast<std::uint32_t>(high - low) + 1;
        return low + static_cast<int>(TakeWord() % span);
    }

    std::size_t Remaining() const { return size_ - used_; }
    const std::uint8_t* Rest() const { return data_ + used_; }
    std::string RestAsString() const {
        return std::string(reinterpret_cast<const char*>(Rest()), Remaining());
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

// A broken promise of a reader: the fuzzer and the replay tests both see the abort.
inline void FuzzCheck(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

} // namespace breathlab
