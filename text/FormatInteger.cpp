// d, i, u, x, X, o, y, p and P.
#include <cstdint>

#include "text/Formatter.h"

namespace {

constexpr int kMaxIntegerPrecision = 308;

struct IntegerShape {
    unsigned Radix;
    int GroupSize;
    const char* Prefix;  // with '#'
};

IntegerShape ShapeOf(char16_t letter) {
    switch (letter) {
        case u'x': case u'p': return {16, 4, "0x"};
        case u'o': return {8, 3, "0"};
        case u'y': return {2, 4, "0y"};
        default: return {10, 3, ""};
    }
}

// Digits written backwards from `end`, a space before every group of
// `groupSize` but the first when grouping. The radix is a constant in each
// instance, so the divisions become multiplications and shifts.
template <unsigned kRadix>
void WriteDigits(char16_t* end, uint64_t value, int digits, int groupSize, bool grouped, const char* hex) {
    for (int i = 0; i < digits; ++i) {
        if (grouped && i && i % groupSize == 0) *--end = u' ';
        *--end = static_cast<char16_t>(hex[value % kRadix]);
        value /= kRadix;
    }
}

template <unsigned kRadix>
int DigitCount(uint64_t value) {
    int digits = 1;
    for (; value >= kRadix; value /= kRadix) ++digits;
    return digits;
}

int DigitCount(uint64_t value, unsigned radix) {
    switch (radix) {
        case 16: return DigitCount<16>(value);
        case 8: return DigitCount<8>(value);
        case 2: return DigitCount<2>(value);
        default: return DigitCount<10>(value);
    }
}

void WriteDigits(char16_t* end, uint64_t value, int digits, const IntegerShape& shape, bool grouped,
                 const char* hex) {
    switch (shape.Radix) {
        case 16: return WriteDigits<16>(end, value, digits, shape.GroupSize, grouped, hex);
        case 8: return WriteDigits<8>(end, value, digits, shape.GroupSize, grouped, hex);
        case 2: return WriteDigits<2>(end, value, digits, shape.GroupSize, grouped, hex);
        default: return WriteDigits<10>(end, value, digits, shape.GroupSize, grouped, hex);
    }
}

int Length(const char* text) {
    int n = 0;
    while (text[n]) ++n;
    return n;
}

}  // namespace

int Formatter::Integer(GString& s, const FormatSpec& given, FormatArgs& args) {
    FormatSpec spec = given;
    uint64_t magnitude;
    bool negative = false;
    const bool pointer = spec.Letter == u'p';
    if (pointer) {
        // A pointer's own width: 32 bits on the product's system.
        magnitude = reinterpret_cast<uintptr_t>(args.Pointer());
        spec.Precision = 8;
    } else if (spec.Letter == u'd' || spec.Letter == u'i') {
        magnitude = args.Magnitude(spec.Long, negative);
    } else {
        magnitude = args.Unsigned(spec.Long);
    }

    const IntegerShape shape = ShapeOf(spec.Letter);
    int precision = spec.Precision <= 0 ? 1 : spec.Precision > kMaxIntegerPrecision ? kMaxIntegerPrecision
                                                                                   : spec.Precision;
    const char* prefix = spec.Has(kFlagAlternate) ? shape.Prefix : "";
    const char sign = shape.Radix == 10 && !pointer && spec.Letter != u'u' ? spec.SignFor(negative) : 0;
    int digits = DigitCount(magnitude, shape.Radix);
    if (precision >= (sign ? 1 : 0) + Length(prefix) + digits) {
        digits = precision;
        if (shape.Radix == 8) prefix = "";  // the leading zero serves as the prefix
    }
    const int separators = spec.Has(kFlagGroup) ? (digits - 1) / shape.GroupSize : 0;
    const int field = (sign ? 1 : 0) + Length(prefix) + digits + separators;

    if (pointer && magnitude == 0) return AppendNullForm(s, spec, field);

    FieldWriter out(s, spec, field, FieldWriter::kPadZerosInside);
    if (!out.Ok()) return 0;
    if (sign) out.Put(static_cast<char16_t>(sign));
    out.Put(prefix);
    out.PutZeroPadding();
    WriteDigits(out.Cursor() + digits + separators, magnitude, digits, shape, separators > 0, HexDigits(spec.Upper));
    out.Advance(digits + separators);
    return out.Close();
}
