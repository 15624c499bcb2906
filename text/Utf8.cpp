#include "text/Utf8.h"

#include "text/TextSearch.h"

namespace {

int MeasureWide(const char16_t* text, int len) {
    if (!text) return 0;
    return len < 0 ? WideLength(text) : len;
}

int MeasureNarrow(const char* text, int len) {
    if (!text) return 0;
    return len < 0 ? NarrowLength(text) : len;
}

// Bytes a sequence occupies judging by its lead byte alone; 0 for a byte that
// cannot lead one.
int LeadStep(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 0;
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

int Utf8Size(const char16_t* text, int len) {
    len = MeasureWide(text, len);
    int size = 0;
    for (int i = 0; i < len; ++i) {
        const char16_t u = text[i];
        size += u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
    }
    return size;
}

int EncodeUtf8(const char16_t* text, int len, char* out) {
    len = MeasureWide(text, len);
    unsigned char* o = reinterpret_cast<unsigned char*>(out);
    for (int i = 0; i < len; ++i) {
        const char16_t u = text[i];
        if (u < 0x80) {
            *o++ = static_cast<unsigned char>(u);
        } else if (u < 0x800) {
            *o++ = static_cast<unsigned char>(0xC0 | (u >> 6));
            *o++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        } else {
            *o++ = static_cast<unsigned char>(0xE0 | (u >> 12));
            *o++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            *o++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        }
    }
    return static_cast<int>(o - reinterpret_cast<unsigned char*>(out));
}

int Utf8CharCount(const char* text, int len) {
    len = MeasureNarrow(text, len);
    const unsigned char* t = reinterpret_cast<const unsigned char*>(text);
    int count = 0;
    for (int i = 0; i < len;) {
        ++count;
        const int step = LeadStep(t[i]);
        if (step == 0) break;
        i += step;
    }
    return count;
}

int DecodeUtf8(const char* text, int len, char16_t* out) {
    len = MeasureNarrow(text, len);
    const unsigned char* t = reinterpret_cast<const unsigned char*>(text);
    int units = 0;
    for (int i = 0; i < len;) {
        const unsigned char lead = t[i];
        const int step = LeadStep(lead);
        if (step == 0 || step == 4 || len - i < step) return -1;
        for (int k = 1; k < step; ++k)
            if (!IsContinuation(t[i + k])) return -1;
        char16_t u;
        if (step == 1)
            u = lead;
        else if (step == 2)
            u = static_cast<char16_t>(((lead & 0x1F) << 6) | (t[i + 1] & 0x3F));
        else
            u = static_cast<char16_t>(((lead & 0x0F) << 12) | ((t[i + 1] & 0x3F) << 6) | (t[i + 2] & 0x3F));
        out[units++] = u;
        i += step;
    }
    return units;
}

const char* Utf8Advance(const char* text, int n, int len) {
    if (n < 0) return nullptr;
    if (n == 0) return text;
    len = MeasureNarrow(text, len);
    if (len == 0 || n >= len) return nullptr;
    const unsigned char* t = reinterpret_cast<const unsigned char*>(text);
    int i = 0;
    for (int c = 0; c < n && i < len; ++c) {
        const int step = LeadStep(t[i]);
        i += step == 0 ? 1 : step;
    }
    return text + (i < len ? i : len);
}
