#pragma once
// The text of one numeric conversion before padding: a sign (and for a, A
// the 0x) that the '0' padding goes after, then the body, all ASCII but the
// micro sign.

#include "text/DecimalDigits.h"
#include "text/Formatter.h"

constexpr int kMaxFloatPrecision = 308;

struct NumberText {
    char Prefix[4];
    int PrefixLength = 0;
    // Longest body: f of a tiny value, "0." then 308 zeros then 351 digits.
    char Body[2 * kMaxDecimalDigits + 32];
    int Bytes = 0;
    int Chars = 0;

    void AddPrefix(char ch) {
        if (ch) Prefix[PrefixLength++] = ch;
    }
    void Add(char ch) {
        Body[Bytes++] = ch;
        ++Chars;
    }
    void Add(const char* digits, int count) {
        for (int i = 0; i < count; ++i) Add(digits[i]);
    }
    void AddRepeated(char ch, int count) {
        for (int i = 0; i < count; ++i) Add(ch);
    }
    // 'e' or 'E', the sign, and at least two digits.
    void AddExponent(char letter, int exponent);
};

inline int ClampPrecision(int precision) {
    return precision > kMaxFloatPrecision ? kMaxFloatPrecision : precision;
}

// Pads and appends the text through the target's companion.
int AppendNumber(GString& target, GString* companion, const FormatSpec& spec, const NumberText& text);

// NaN and the infinities: "{ nan}", "{+inf}", "{-inf}". Returns false for a
// finite value, and otherwise sets `result` to the append's result.
bool AppendSpecialValue(GString& target, GString* companion, const FormatSpec& spec, double value, int& result);
