#include "payload/HexNumber.h"

namespace {

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace

int ScanHexNumber(const char16_t* text, uint32_t& value) {
    if (!text) return 0;
    while (IsBlank(*text)) ++text;
    bool negative = false;
    if (*text == u'+' || *text == u'-') negative = *text++ == u'-';
    if (text[0] == u'0' && (text[1] == u'x' || text[1] == u'X') && HexDigit(text[2]) >= 0) text += 2;
    if (HexDigit(*text) < 0) return 0;
    uint32_t result = 0;
    for (; HexDigit(*text) >= 0; ++text) result = result << 4 | uint32_t(HexDigit(*text));
    value = negative ? 0u - result : result;
    return 1;
}
