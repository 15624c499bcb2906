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
    // For a template ("// template: ns" after the id): the arguments its
    // callers pass, one letter each (see TemplateArguments).
    bool IsTemplate = false;
    std::string Arguments;
};

// The arguments a template's conversions take, in order: n a 32-bit
// number (also each '*'), L a 64-bit number, s UTF-16 text, h UTF-8 text,
// g a GString, r a text record, p another pointer, f a double.
std::string TemplateArguments(const std::string& text);

struct StringTableSources {
    StringSource Common, Ui0, Ui1, Extra;
};

// The "Name = 123," lines (with an optional "// template: ...") of the header that names the string ids.
int ParseNamedIds(const std::string& path, const std::string& content, std::vector<NamedId>& out, std::string& error);

// Every fault as "file:line: what": UI tables holding different ids, a named
// id that no lookup could find in a UI language, a hex pattern string that
// is not pairs of upper-case hexadecimal digits, a template whose
// conversions do not take what its callers pass.
std::vector<std::string> CheckStringTables(const StringTableSources& tables, const std::string& idsPath,
                                           const std::vector<NamedId>& named, const std::vector<uint32_t>& hexIds);
