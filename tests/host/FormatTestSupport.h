#pragma once
// A formatting case: the expected text and a call that formats into a string.

#include <string>

#include "tests/host/TextTestSupport.h"
#include "text/Format.h"

struct FormatCase {
    int Line;
    std::u16string Expected;
    int (*Call)(GString& target);
};

// FORMAT_CASE(expected, template, arguments...)
#define FORMAT_CASE(expected, ...) \
    FormatCase { __LINE__, expected, [](GString& target) { return Format(target, __VA_ARGS__); } }

inline std::string Utf8Of(const std::u16string& text) {
    std::string out;
    for (char16_t u : text) {
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}
