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

}  // namespace

int ParseNamedIds(const std::string& path, const std::string& content, std::vector<NamedId>& out, std::string& error) {
    static const std::regex line(R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*=\s*([0-9]+)\s*,)");
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
        if (std::regex_search(text, m, line)) out.push_back({m[1], uint32_t(std::stoul(m[2])), number});
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
    for (uint32_t id : hexIds)
        for (const StringSource* table : {&t.Common, &t.Ui0, &t.Ui1, &t.Extra})
            if (const SourceString* s = table->Find(id))
                if (!IsUpperHexPairs(s->Text))
                    faults.push_back(Where(table->Path, s->Line) + "pattern string " + std::to_string(id) +
                                     " is not pairs of upper-case hexadecimal digits");
    return faults;
}
