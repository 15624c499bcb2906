// The two encodings of .klc files: UTF-16 LE with a byte-order mark, as the
// Windows tools write them, and UTF-8 (with or without its mark).
#include "tools/layout-compiler/KlcParser.h"

namespace {

void Fail(KlcError& error, int line, const std::string& message) {
    error.Line = line;
    error.Message = message;
}

void SplitLines(const std::u16string& text, std::vector<std::u16string>& lines) {
    lines.clear();
    std::u16string line;
    for (char16_t c : text) {
        if (c == u'\n') {
            if (!line.empty() && line.back() == u'\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        if (line.back() == u'\r') line.pop_back();
        lines.push_back(line);
    }
}

int LineAt(const std::u16string& text) {
    int line = 1;
    for (char16_t c : text)
        if (c == u'\n') ++line;
    return line;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

int DecodeUtf16(const std::vector<uint8_t>& bytes, std::u16string& text, KlcError& error) {
    if (bytes.size() % 2 != 0) {
        Fail(error, 0, "UTF-16 text with an odd number of bytes");
        return 0;
    }
    for (size_t i = 2; i < bytes.size(); i += 2) {
        char16_t c = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        bool afterHigh = !text.empty() && IsHighSurrogate(text.back());
        if (c == 0 || afterHigh != IsLowSurrogate(c)) {
            Fail(error, LineAt(text), c == 0 ? "NUL character in the text" : "unpaired UTF-16 surrogate");
            return 0;
        }
        text += c;
    }
    if (!text.empty() && IsHighSurrogate(text.back())) {
        Fail(error, LineAt(text), "unpaired UTF-16 surrogate");
        return 0;
    }
    return 1;
}

int DecodeUtf8(const std::vector<uint8_t>& bytes, size_t start, std::u16string& text, KlcError& error) {
    for (size_t i = start; i < bytes.size();) {
        uint8_t b = bytes[i];
        int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + extra >= bytes.size()) {
            Fail(error, LineAt(text), "the text is neither UTF-16 with a byte-order mark nor valid UTF-8");
            return 0;
        }
        uint32_t code = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) {
                Fail(error, LineAt(text), "the text is neither UTF-16 with a byte-order mark nor valid UTF-8");
                return 0;
            }
            code = (code << 6) | (bytes[i + k] & 0x3F);
        }
        static const uint32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (code < kMinimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || code == 0) {
            Fail(error, LineAt(text), "the text is neither UTF-16 with a byte-order mark nor valid UTF-8");
            return 0;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (code >> 10));
            text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            text += static_cast<char16_t>(code);
        }
        i += extra + 1;
    }
    return 1;
}

}  // namespace

int DecodeKlcText(const std::vector<uint8_t>& bytes, std::vector<std::u16string>& lines, KlcError& error) {
    std::u16string text;
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        Fail(error, 0, "UTF-16 big-endian text is not supported; save it as UTF-16 LE or UTF-8");
        return 0;
    }
    int ok;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        ok = DecodeUtf16(bytes, text, error);
    else
        ok = DecodeUtf8(bytes, bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF ? 3 : 0,
                        text, error);
    if (!ok) return 0;
    SplitLines(text, lines);
    return 1;
}

std::string ToUtf8(const std::u16string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
