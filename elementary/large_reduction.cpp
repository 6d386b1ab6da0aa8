// Reduction of huge arguments of sine and cosine (|x| >= 10^6) by pi/2, with
// as many bits of 2/pi as the argument needs. The model never gets here; the
// path keeps the functions within their accuracy over the whole double range.
//
// x = M 2^E with an integer M < 2^53. x (2/pi) mod 4 needs only the bits of
// 2/pi whose weight, times M 2^E, falls below 4: a window of 224 bits from
// just above that place. The product M * window is exact in 32-bit words; the
// two bits above its binary point are the quadrant, the 128 below it the
// fraction, which the truncated rest of 2/pi disturbs by less than 2^-137.
#include "elementary.h"

namespace breathlab::elementary::detail {

namespace {

constexpr int kWindowWords = 7;
constexpr int kProductWords = kWindowWords + 2;

// Bits [from, from + count) of a little-endian array of 32-bit words, count <= 64.
std::uint64_t BitsAt(const std::uint32_t (&words)[kProductWords], int from, int count) {
    std::uint64_t value = 0;
    for (int b = count - 1; b >= 0; --b) {
        const int bit = from + b;
        value = (value << 1) | ((words[bit / 32] >> (bit % 32)) & 1u);
    }
    return value;
}

// A 64-bit unsigned integer times 2^scale as hi + lo, both exact.
void WordToTwoDoubles(std::uint64_t w, int scale, double& hi, double& lo) {
    hi = static_cast<double>(static_cast<std::uint32_t>(w >> 32)) * PowerOfTwo(scale + 32);
    lo = static_cast<double>(static_cast<std::uint32_t>(w)) * PowerOfTwo(scale);
}

} // namespace

Reduced LargeReduction(double x) {
    const double a = Abs(x);
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
    const int E = static_cast<int>(bits >> 52) - 1075; // a = M 2^E
    const std::uint64_t M = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);

    // Bits 32*first+1 .. of 2/pi; everything before them gives multiples of 4.
    const int first = E >= 2 ? (E - 2) / 32 : 0;
    std::uint32_t product[kProductWords] = {};
    const std::uint64_t mParts[2] = {M & 0xFFFFFFFFu, M >> 32};
    for (int w = 0; w < kWindowWords; ++w) {
        // Word w of the window counted from its least significant end.
        const std::uint64_t c = constants::kTwoOverPiWords[first + kWindowWords - 1 - w];
        std::uint64_t carry = 0;
        for (int p = 0; p < 2; ++p) {
            const std::uint64_t t = c * mParts[p] + product[w + p] + carry;
            product[w + p] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        for (int p = w + 2; carry != 0 && p < kProductWords; ++p) {
            const std::uint64_t t = static_cast<std::uint64_t>(product[p]) + carry;
            product[p] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
    }
    // The window's integer value is scaled by 2^-(32 (first + 7)); with 2^E
    // the binary point of the product lies at bit s.
    const int s = 32 * (first + kWindowWords) - E;
    int quadrant = static_cast<int>(BitsAt(product, s, 2));
    std::uint64_t f1 = BitsAt(product, s - 64, 64), f2 = BitsAt(product, s - 128, 64);
    double sign = 1;
    if (f1 >> 63) { // fraction >= 1/2: take the next multiple, negative remainder
        quadrant += 1;
        f1 = ~f1;
        f2 = ~f2 + 1;
        if (f2 == 0) f1 += 1;
        sign = -1;
    }
    double h1, l1, h2, l2;
    WordToTwoDoubles(f1, -64, h1, l1);
    WordToTwoDoubles(f2, -128, h2, l2);
    double fh, fl;
    ExactSum(h1, l1, fh, fl);
    fl += h2 + l2;
    const double f = fh + fl;
    const double fLo = (fh - f) + fl;
    double rh, rl;
    ExactProduct(f, constants::kHalfPiHi, rh, rl);
    rl += f * constants::kHalfPiLo + fLo * constants::kHalfPiHi;
    double hi = rh + rl, lo = (rh - hi) + rl;
    hi *= sign;
    lo *= sign;
    if (x < 0) {
        hi = -hi;
        lo = -lo;
        quadrant = -quadrant;
    }
    return {hi, lo, quadrant & 3};
}

} // namespace breathlab::elementary::detail
