#pragma once
// The checks the packer makes before it packs the four string tables.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/payload-tool/StringSource.h"

struct NamedId {
    std::string Name;
    uint32_t Id;
    int Line;
};

struct StringTableSources {
    StringSource Common, Ui0, Ui1, Extra;
};

// The "Name = 123," lines of the header that names the string ids.
int ParseNamedIds(const std::string& path, const std::string& content, std::vector<NamedId>& out, std::string& error);

// Every fault as "file:line: what": UI tables holding different ids, a named
// id that no lookup could find in a UI language, a hex pattern string that
// is not pairs of upper-case hexadecimal digits.
std::vector<std::string> CheckStringTables(const StringTableSources& tables, const std::string& idsPath,
                                           const std::vector<NamedId>& named, const std::vector<uint32_t>& hexIds);
