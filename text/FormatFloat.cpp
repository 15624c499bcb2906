// f, e, E, g, G, a and A.
#include <cstdint>
#include <cstring>

#include "text/FormatNumber.h"

void NumberText::AddExponent(char letter, int exponent) {
    Add(letter);
    Add(exponent < 0 ? '-' : '+');
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude >= 100) Add(static_cast<char>('0' + magnitude / 100));
    Add(static_cast<char>('0' + magnitude / 10 % 10));
    Add(static_cast<char>('0' + magnitude % 10));
}

int AppendNumber(GString& target, GString* companion, const FormatSpec& spec, const NumberText& text) {
    if (!companion) return 0;
    return AppendNarrowField(target, *companion, spec, text.Prefix, text.PrefixLength, text.Body, text.Bytes,
                             text.Chars);
}

bool AppendSpecialValue(GString& target, GString* companion, const FormatSpec& spec, double value, int& result) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if (((bits >> 52) & 0x7FF) != 0x7FF) return false;
    const bool nan = (bits & ((uint64_t{1} << 52) - 1)) != 0;
    NumberText text;
    text.Add(nan ? "{ nan}" : bits >> 63 ? "{-inf}" : "{+inf}", 6);
    result = AppendNumber(target, companion, spec, text);
    return true;
}

namespace {

int Fixed(NumberText& text, const FormatSpec& spec, double value) {
    const int places = spec.Precision <= 0 ? 6 : ClampPrecision(spec.Precision);
    DecimalDigits d;
    if (!FixedDigits(value, places, d)) return 0;
    text.AddPrefix(spec.SignFor(d.Negative));
    const int point = d.DecimalPoint < -places ? -places : d.DecimalPoint;
    if (point > 0) {
        text.Add(d.Digits, point);
        text.Add('.');
        text.Add(d.Digits + point, d.Count - point);
    } else {
        text.Add("0.", 2);
        text.AddRepeated('0', -point);
        text.Add(d.Digits, d.Count);
    }
    return 1;
}

int Scientific(NumberText& text, const FormatSpec& spec, double value) {
    const int places = spec.Precision <= 0 ? 6 : ClampPrecision(spec.Precision);
    DecimalDigits d;
    if (!SignificantDigits(value, places + 1, d)) return 0;
    text.AddPrefix(spec.SignFor(d.Negative));
    text.Add(d.Digits[0]);
    text.Add('.');
    text.Add(d.Digits + 1, places);
    text.AddExponent(spec.Upper ? 'E' : 'e', value == 0 ? 0 : d.DecimalPoint - 1);
    return 1;
}

int General(NumberText& text, const FormatSpec& spec, double value) {
    const int significant = spec.Precision < 0 ? 6 : spec.Precision == 0 ? 1 : ClampPrecision(spec.Precision);
    const bool keepZeros = spec.Has(kFlagAlternate);
    DecimalDigits d;
    if (!SignificantDigits(value, significant, d)) return 0;
    text.AddPrefix(spec.SignFor(d.Negative));
    const int exponent = value == 0 ? 0 : d.DecimalPoint - 1;
    int n = d.Count;
    if (exponent < -4 || exponent >= significant) {
        while (!keepZeros && n > 1 && d.Digits[n - 1] == '0') --n;
        text.Add(d.Digits[0]);
        if (n > 1 || keepZeros) text.Add('.');
        text.Add(d.Digits + 1, n - 1);
        text.AddExponent(spec.Upper ? 'E' : 'e', exponent);
        return 1;
    }
    int point = d.DecimalPoint;
    if (!keepZeros) {
        if (value == 0) n = point = 1;
        while (n > point && d.Digits[n - 1] == '0') --n;
    }
    if (point > 0) {
        text.Add(d.Digits, point);
        if (n > point || keepZeros) text.Add('.');
        text.Add(d.Digits + point, n - point);
    } else {
        text.Add("0.", 2);
        text.AddRepeated('0', -point);
        text.Add(d.Digits, n);
    }
    return 1;
}

// From the bits: the 52-bit fraction is 13 hexadecimal digits.
int Hexadecimal(NumberText& text, const FormatSpec& spec, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    int lead = biased ? 1 : 0;
    const int exponent = biased ? biased - 1023 : fraction ? -1022 : 0;
    constexpr int kFractionDigits = 13;
    char digits[kMaxFloatPrecision];
    int places = ClampPrecision(spec.Precision);
    if (places <= 0) {
        places = kFractionDigits;
        while (places > 0 && ((fraction >> (4 * (kFractionDigits - places))) & 0xF) == 0) --places;
    }
    for (int i = 0; i < places; ++i)
        digits[i] = i < kFractionDigits ? static_cast<char>((fraction >> (4 * (kFractionDigits - 1 - i))) & 0xF) : 0;
    if (places < kFractionDigits && ((fraction >> (4 * (kFractionDigits - 1 - places))) & 0xF) >= 8) {
        int i = places - 1;
        while (i >= 0 && digits[i] == 0xF) digits[i--] = 0;
        if (i >= 0)
            ++digits[i];
        else
            ++lead;  // 1 becomes 2, 0 becomes 1; the exponent stays
    }
    const char* hex = HexDigits(spec.Upper);
    text.AddPrefix(spec.SignFor((bits >> 63) != 0));
    text.AddPrefix('0');
    text.AddPrefix('x');
    text.Add(hex[lead]);
    if (places > 0 || spec.Has(kFlagAlternate)) text.Add('.');
    for (int i = 0; i < places; ++i) text.Add(hex[static_cast<int>(digits[i])]);
    text.Add(spec.Upper ? 'P' : 'p');
    text.Add(exponent < 0 ? '-' : '+');
    char reversed[8];
    int n = 0;
    for (int magnitude = exponent < 0 ? -exponent : exponent; n == 0 || magnitude; magnitude /= 10)
        reversed[n++] = static_cast<char>('0' + magnitude % 10);
    while (n) text.Add(reversed[--n]);
    return 1;
}

}  // namespace

int Formatter::Float(GString& s, const FormatSpec& spec, FormatArgs& args) {
    const double value = args.Double();
    GString* companion = Companion(s);
    int result;
    if (AppendSpecialValue(s, companion, spec, value, result)) return result;
    NumberText text;
    int ok;
    switch (spec.Letter) {
        case u'f': ok = Fixed(text, spec, value); break;
        case u'e': ok = Scientific(text, spec, value); break;
        case u'g': ok = General(text, spec, value); break;
        default: ok = Hexadecimal(text, spec, value); break;
    }
    return ok ? AppendNumber(s, companion, spec, text) : 0;
}
