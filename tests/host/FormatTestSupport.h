#pragma once
// A formatting case: the expected text and a call that formats into a string.

#include <string>

#include "tests/host/TextTestSupport.h"
#include "text/Format.h"
#include "text/Utf8.h"

struct FormatCase {
    int Line;
    std::u16string Expected;
    int (*Call)(GString& target);
};

// FORMAT_CASE(expected, template, arguments...)
#define FORMAT_CASE(expected, ...) \
    FormatCase { __LINE__, expected, [](GString& target) { return Format(target, __VA_ARGS__); } }

// UTF-8 for readable assertion messages.
inline std::string Utf8Of(const std::u16string& text) {
    const int length = static_cast<int>(text.size());
    std::string out(static_cast<size_t>(Utf8Size(text.data(), length)), '\0');
    EncodeUtf8(text.data(), length, &out[0]);
    return out;
}
