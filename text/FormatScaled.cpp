// F (engineering notation with SI prefixes), I and U (sizes in powers of 1024).
#include <cmath>
#include <cstdint>

#include "text/FormatNumber.h"

namespace {

// Exponents -24 to 24 in steps of 3; the micro sign is U+00B5 in UTF-8.
const char* const kSiPrefixes[] = {"y", "z", "a", "f", "p", "n", "\xC2\xB5", "m", " ",
                                   "k", "M", "G", "T", "P", "E", "Z", "Y"};
const char* const kBinaryPrefixes[] = {" ", "Ki", "Mi", "Gi", "Ti", "Pi", "Ei", "Zi", "Yi"};

void AddPrefixText(NumberText& text, const char* prefix) {
    const int chars = text.Chars;
    while (*prefix) text.Add(*prefix++);
    if (static_cast<unsigned char>(prefix[-1]) >= 0x80) text.Chars = chars + 1;  // one character, two bytes
}

int EngineeringText(NumberText& text, const FormatSpec& spec, double value) {
    const int significant = spec.Precision < 3 ? 3 : ClampPrecision(spec.Precision);
    DecimalDigits d;
    if (!SignificantDigits(value, significant, d)) return 0;
    text.AddPrefix(spec.SignFor(d.Negative));
    const int exponent = value == 0 ? 0 : d.DecimalPoint - 1;
    const int remainder = exponent % 3;  // takes the sign of the exponent
    const int integerDigits = remainder == 0 ? 1 : (remainder == 1 || remainder == -2) ? 2 : 3;
    const int scaled = exponent - (integerDigits - 1);
    text.Add(d.Digits, integerDigits);
    text.Add('.');
    text.Add(d.Digits + integerDigits, significant - integerDigits);
    if (spec.Has(kFlagAlternate) && scaled >= -24 && scaled <= 24) {
        text.Add(' ');
        AddPrefixText(text, kSiPrefixes[(scaled + 24) / 3]);
    } else {
        text.AddExponent('e', scaled);
    }
    return 1;
}

// Exactly `positions` digit places, with the point after place `point`.
void AddPositions(NumberText& text, const DecimalDigits& d, int positions) {
    const int point = d.DecimalPoint < 0 ? 0 : d.DecimalPoint;
    int next = 0;
    for (int place = 1; place <= positions; ++place) {
        if (place == 1 && point == 0) {
            text.Add("0.", 2);
            continue;
        }
        text.Add(next < d.Count ? d.Digits[next++] : '0');
        if (place == point) text.Add('.');
    }
}

int SizeText(NumberText& text, const FormatSpec& spec, uint64_t magnitude, bool negative) {
    const int positions = spec.Precision < 0 ? 3 : spec.Precision <= 1 ? 2 : ClampPrecision(spec.Precision);
    int scale = 0;
    for (uint64_t rest = magnitude; rest >= 1024; rest /= 1024) ++scale;
    DecimalDigits d;
    if (!SignificantDigits(std::ldexp(static_cast<double>(magnitude), -10 * scale), positions, d)) return 0;
    if (d.DecimalPoint > positions) {  // rounded up to one integer digit too many
        ++scale;
        const int fewer = positions > 1 ? positions - 1 : 1;
        if (!SignificantDigits(std::ldexp(static_cast<double>(magnitude), -10 * scale), fewer, d)) return 0;
    }
    text.AddPrefix(spec.SignFor(negative));
    AddPositions(text, d, positions);
    if (spec.Has(kFlagAlternate)) {
        text.Add(' ');
        AddPrefixText(text, kBinaryPrefixes[scale]);
    } else {
        text.Add('b');
        text.Add(static_cast<char>('0' + scale));
        text.Add('0');
    }
    return 1;
}

}  // namespace

int Formatter::Engineering(GString& s, const FormatSpec& spec, FormatArgs& args) {
    GString* companion = Companion(s);
    double value;
    if (spec.Short) {
        value = args.Int();
    } else if (spec.Long) {
        value = static_cast<double>(args.Int64());
    } else {
        value = args.Double();
        int result;
        if (AppendSpecialValue(s, companion, spec, value, result)) return result;
    }
    NumberText text;
    return EngineeringText(text, spec, value) ? AppendNumber(s, companion, spec, text) : 0;
}

int Formatter::Size(GString& s, const FormatSpec& spec, FormatArgs& args) {
    bool negative = false;
    const uint64_t magnitude =
        spec.Letter == u'I' ? args.Magnitude(spec.Long, negative) : args.Unsigned(spec.Long);
    NumberText text;
    return SizeText(text, spec, magnitude, negative) ? AppendNumber(s, Companion(s), spec, text) : 0;
}
