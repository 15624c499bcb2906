#include "text/DecimalDigits.h"

#include <cstdint>
#include <cstring>

namespace {

// A double is m x 2^e with m < 2^53. For e < 0 its exact decimal digits are
// those of m x 5^-e, shifted by -e places, so one big integer multiplied by
// small factors gives every digit: at most 767 of them, for subnormals.
constexpr uint32_t kLimbBase = 1000000000u;  // nine decimal digits per limb
constexpr int kMaxLimbs = 90;
constexpr int kMaxExactDigits = kMaxLimbs * 9;

class BigDecimal {
public:
    explicit BigDecimal(uint64_t value) : count_(0) {
        do {
            limbs_[count_++] = static_cast<uint32_t>(value % kLimbBase);
            value /= kLimbBase;
        } while (value);
    }

    void MultiplyBy(uint32_t factor) {
        uint64_t carry = 0;
        for (int i = 0; i < count_; ++i) {
            const uint64_t product = static_cast<uint64_t>(limbs_[i]) * factor + carry;
            limbs_[i] = static_cast<uint32_t>(product % kLimbBase);
            carry = product / kLimbBase;
        }
        while (carry) {
            limbs_[count_++] = static_cast<uint32_t>(carry % kLimbBase);
            carry /= kLimbBase;
        }
    }

    // factor^exponent, in steps whose factor stays below 2^31.
    void MultiplyByPower(uint32_t factor, int exponent, uint32_t step, int stepExponent) {
        for (; exponent >= stepExponent; exponent -= stepExponent) MultiplyBy(step);
        uint32_t rest = 1;
        while (exponent-- > 0) rest *= factor;
        if (rest > 1) MultiplyBy(rest);
    }

    // Most significant digit first; returns the count.
    int WriteDigits(char* out) const {
        char* o = out;
        uint32_t top = limbs_[count_ - 1];
        char head[10];
        int n = 0;
        do {
            head[n++] = static_cast<char>('0' + top % 10);
            top /= 10;
        } while (top);
        while (n) *o++ = head[--n];
        for (int i = count_ - 2; i >= 0; --i) {
            uint32_t limb = limbs_[i];
            for (int d = 8; d >= 0; --d) {
                o[d] = static_cast<char>('0' + limb % 10);
                limb /= 10;
            }
            o += 9;
        }
        return static_cast<int>(o - out);
    }

private:
    uint32_t limbs_[kMaxLimbs];
    int count_;
};

struct ExactDigits {
    char Digits[kMaxExactDigits];
    int Count;         // 0 for zero
    int DecimalPoint;
    bool Negative;
};

void Decompose(double value, ExactDigits& out) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    out.Negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    if (biased) mantissa |= uint64_t{1} << 52;
    if (!mantissa) {
        out.Count = 0;
        out.DecimalPoint = 1;
        return;
    }
    int exponent = (biased ? biased : 1) - 1075;
    while (!(mantissa & 1) && exponent < 0) {
        mantissa >>= 1;
        ++exponent;
    }
    BigDecimal exact(mantissa);
    if (exponent >= 0)
        exact.MultiplyByPower(2, exponent, 1u << 30, 30);
    else
        exact.MultiplyByPower(5, -exponent, 1220703125u, 13);  // 5^13
    out.Count = exact.WriteDigits(out.Digits);
    out.DecimalPoint = out.Count + (exponent < 0 ? exponent : 0);
}

// Keeps the first `keep` exact digits (zeros past the end), rounding the rest
// to nearest with ties to even. On a carry out of the top digit the result is
// 1 followed by zeros and the point moves right; `grow` keeps the extra digit
// (fixed places) instead of the digit count (significant digits).
int RoundInto(const ExactDigits& exact, int keep, bool grow, DecimalDigits& out) {
    out.Negative = exact.Negative;
    out.DecimalPoint = exact.DecimalPoint;
    const int copied = keep < exact.Count ? keep : exact.Count;
    std::memcpy(out.Digits, exact.Digits, static_cast<size_t>(copied));
    std::memset(out.Digits + copied, '0', static_cast<size_t>(keep - copied));
    out.Count = keep;
    if (keep >= exact.Count) return 1;

    const char next = exact.Digits[keep];
    bool up = next > '5';
    if (next == '5') {
        up = keep > 0 && ((exact.Digits[keep - 1] - '0') & 1);
        for (int i = keep + 1; i < exact.Count && !up; ++i) up = exact.Digits[i] != '0';
    }
    if (!up) return 1;
    int i = keep - 1;
    while (i >= 0 && out.Digits[i] == '9') out.Digits[i--] = '0';
    if (i >= 0) {
        ++out.Digits[i];
        return 1;
    }
    ++out.DecimalPoint;
    if (grow) {
        if (keep + 1 > kMaxDecimalDigits) return 0;
        out.Digits[keep] = '0';
        out.Count = keep + 1;
    }
    out.Digits[0] = '1';
    if (keep == 0) out.Count = 1;
    return 1;
}

}  // namespace

int FixedDigits(double value, int places, DecimalDigits& out) {
    ExactDigits exact;
    Decompose(value, exact);
    const int keep = exact.Count ? exact.DecimalPoint + places : -1;
    if (keep > kMaxDecimalDigits) return 0;
    if (keep < 0) {
        out.Negative = exact.Negative;
        out.Count = 0;
        out.DecimalPoint = -places;
        return 1;
    }
    if (!RoundInto(exact, keep, true, out)) return 0;
    if (out.Count == 0) out.DecimalPoint = -places;
    return 1;
}

int SignificantDigits(double value, int count, DecimalDigits& out) {
    if (count < 1 || count > kMaxDecimalDigits) return 0;
    ExactDigits exact;
    Decompose(value, exact);
    return RoundInto(exact, count, false, out);
}
