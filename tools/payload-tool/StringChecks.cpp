#include "tools/payload-tool/StringChecks.h"

#include <regex>

namespace {

std::string Where(const std::string& path, int line) { return path + ":" + std::to_string(line) + ": "; }

void RequireSameIds(const StringSource& from, const StringSource& other, std::vector<std::string>& faults) {
    for (const SourceString& s : from.Strings)
        if (!other.Find(s.Id))
            faults.push_back(Where(from.Path, s.Line) + "string " + std::to_string(s.Id) + " is missing from " +
                             other.Path);
}

bool IsUpperHexPairs(const std::string& text) {
    if (text.size() % 2) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

bool IsFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '0' || c == '#' || c == '$' || c == '`'; }

// The argument letter of a conversion, 0 for one that takes none, '?' for a
// letter that is no conversion (the formatter drops what it read).
char ArgumentOf(char letter, bool wide64, bool alternative) {
    switch (letter) {
        case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'y': return wide64 ? 'L' : 'n';
        case 'c': case 'C': case 't': case 'T': case 'Y': return 'n';
        case 'p': case 'P': case 'b': case 'B': case 'w': case 'W': case 'n': return 'p';
        case 's': case 'S': return alternative ? 'h' : 's';
        case 'z': case 'Z': return alternative ? 'r' : 'g';
        case 'f': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A': case 'F': case 'I': case 'U': return 'f';
        case 'N': return 0;
        default: return '?';
    }
}

}  // namespace

std::string TemplateArguments(const std::string& text) {
    std::string arguments;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        std::string stars;
        size_t j = i + 1;
        while (j < text.size() && IsFlag(text[j])) ++j;
        if (j < text.size() && text[j] == '*') {
            stars += 'n';
            ++j;
        }
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        if (j < text.size() && text[j] == '.') {
            ++j;
            if (j < text.size() && text[j] == '*') {
                stars += 'n';
                ++j;
            }
            while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        }
        bool wide64 = false, alternative = false;
        int longs = 0;
        for (; j < text.size() && (text[j] == 'L' || text[j] == 'l' || text[j] == 'h'); ++j) {
            if (text[j] == 'L') wide64 = true;
            if (text[j] == 'l' && ++longs == 2) wide64 = true;
            if (text[j] == 'h') alternative = true;
        }
        const char argument = j < text.size() ? ArgumentOf(text[j], wide64, alternative) : '?';
        if (argument == '?') {
            i = j - 1;  // scanning goes on at the letter as plain text
            continue;
        }
        arguments += stars;
        if (argument) arguments += argument;
        i = j;
    }
    return arguments;
}

int ParseNamedIds(const std::string& path, const std::string& content, std::vector<NamedId>& out, std::string& error) {
    static const std::regex line(R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*=\s*([0-9]+)\s*,(\s*//\s*template:\s*([A-Za-z]*))?)");
    out.clear();
    int number = 0;
    size_t pos = 0;
    while (pos <= content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos) end = content.size();
        const std::string text = content.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        std::smatch m;
        if (std::regex_search(text, m, line))
            out.push_back({m[1], uint32_t(std::stoul(m[2])), number, m[3].matched, m[4]});
    }
    if (out.empty()) {
        error = path + ": no string ids named";
        return 0;
    }
    return 1;
}

std::vector<std::string> CheckStringTables(const StringTableSources& t, const std::string& idsPath,
                                           const std::vector<NamedId>& named, const std::vector<uint32_t>& hexIds) {
    std::vector<std::string> faults;
    RequireSameIds(t.Ui0, t.Ui1, faults);
    RequireSameIds(t.Ui1, t.Ui0, faults);
    for (const NamedId& n : named) {
        const bool fallsBack = t.Common.Find(n.Id) || t.Extra.Find(n.Id);
        for (const StringSource* ui : {&t.Ui0, &t.Ui1})
            if (!fallsBack && !ui->Find(n.Id))
                faults.push_back(Where(idsPath, n.Line) + n.Name + " (" + std::to_string(n.Id) +
                                 ") is in none of " + ui->Path + ", " + t.Common.Path + ", " + t.Extra.Path);
    }
    for (const NamedId& n : named)
        if (n.IsTemplate)
            for (const StringSource* table : {&t.Common, &t.Ui0, &t.Ui1, &t.Extra})
                if (const SourceString* s = table->Find(n.Id))
                    if (TemplateArguments(s->Text) != n.Arguments)
                        faults.push_back(Where(table->Path, s->Line) + "template " + std::to_string(n.Id) +
                                         " converts (" + TemplateArguments(s->Text) + ") but " + n.Name +
                                         " is passed (" + n.Arguments + ")");
    for (uint32_t id : hexIds)
        for (const StringSource* table : {&t.Common, &t.Ui0, &t.Ui1, &t.Extra})
            if (const SourceString* s = table->Find(id))
                if (!IsUpperHexPairs(s->Text))
                    faults.push_back(Where(table->Path, s->Line) + "pattern string " + std::to_string(id) +
                                     " is not pairs of upper-case hexadecimal digits");
    return faults;
}
