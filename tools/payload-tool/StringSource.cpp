#include "tools/payload-tool/StringSource.h"

#include <set>

#include "text/Utf8.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Decodes the escapes of one text; "" on success, else what is wrong.
std::string Unescape(const std::string& raw, std::string& text) {
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            text += raw[i];
            continue;
        }
        if (++i == raw.size()) return "backslash at the end of the text";
        switch (raw[i]) {
            case 'n': text += '\n'; break;
            case 'r': text += '\r'; break;
            case 't': text += '\t'; break;
            case 's': text += ' '; break;
            case '\\': text += '\\'; break;
            case 'u': {
                uint32_t cp = 0;
                for (int k = 1; k <= 4; ++k) {
                    const int v = i + k < raw.size() ? HexValue(raw[i + k]) : -1;
                    if (v < 0) return "\\u needs four hexadecimal digits";
                    cp = cp << 4 | uint32_t(v);
                }
                if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF)) return "\\u of a zero or a surrogate";
                const char16_t unit = char16_t(cp);
                char bytes[3];
                text.append(bytes, size_t(EncodeUtf8(&unit, 1, bytes)));
                i += 4;
                break;
            }
            default: return std::string("unknown escape \\") + raw[i];
        }
    }
    std::vector<char16_t> units(text.size() + 1);
    if (DecodeUtf8(text.data(), int(text.size()), units.data()) < 0) return "the text is not valid UTF-8";
    return "";
}

}  // namespace

std::string EscapeText(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == ' ' && (i == 0 || i + 1 == text.size())) {
            out += "\\s";
        } else if (c < 0x20 || c == 0x7F) {
            static const char digits[] = "0123456789ABCDEF";
            out += "\\u00";
            out += digits[c >> 4];
            out += digits[c & 15];
        } else {
            out += char(c);
        }
    }
    return out;
}

const SourceString* StringSource::Find(uint32_t id) const {
    for (const SourceString& s : Strings)
        if (s.Id == id) return &s;
    return nullptr;
}

int ParseStringSource(const std::string& path, const std::string& content, StringSource& out, std::string& error) {
    out.Path = path;
    out.Strings.clear();
    std::set<uint32_t> seen;
    int lineNumber = 0;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        while (!line.empty() && IsBlank(line.back())) line.pop_back();
        size_t i = 0;
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i == line.size() || line[i] == '#') continue;

        const auto fail = [&](const std::string& what) {
            error = path + ":" + std::to_string(lineNumber) + ": " + what;
            return 0;
        };
        uint64_t id = 0;
        const size_t digits = i;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
            id = id * 10 + uint64_t(line[i++] - '0');
            if (id > 0xFFFFFFFFu) return fail("string id out of range");
        }
        if (i == digits) return fail("a line must start with a string id");
        if (i < line.size() && !IsBlank(line[i])) return fail("a blank must follow the string id");
        while (i < line.size() && IsBlank(line[i])) ++i;

        SourceString entry{uint32_t(id), "", lineNumber};
        const std::string problem = Unescape(line.substr(i), entry.Text);
        if (!problem.empty()) return fail(problem);
        if (!seen.insert(entry.Id).second) {
            const SourceString* first = out.Find(entry.Id);
            return fail("duplicate string id " + std::to_string(id) + " (first on line " +
                        std::to_string(first->Line) + ")");
        }
        out.Strings.push_back(entry);
    }
    return 1;
}
