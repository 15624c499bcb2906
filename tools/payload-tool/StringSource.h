#pragma once
// String-table sources: one text per line, "<id> <text>", '#' starts a
// comment line. Escapes in the text: \n \r \t \\ \s (a space, for leading or
// trailing blanks, which are otherwise dropped) and \uXXXX (a character).

#include <cstdint>
#include <string>
#include <vector>

struct SourceString {
    uint32_t Id;
    std::string Text;  // UTF-8
    int Line;
};

struct StringSource {
    std::string Path;
    std::vector<SourceString> Strings;  // in file order

    const SourceString* Find(uint32_t id) const;
};

// The text as a source line writes it: escapes for control characters,
// backslashes and blanks at either end.
std::string EscapeText(const std::string& text);

// Parses `content` read from `path`; on a fault returns 0 with
// "path:line: what" in error.
int ParseStringSource(const std::string& path, const std::string& content, StringSource& out, std::string& error);
