#pragma once
// The texts of the documents that are not part of the guide's own sources:
// "key: text" lines, '#' starts a comment line, blank lines are ignored.

#include <map>
#include <string>

struct TextResources {
    std::map<std::string, std::string> Texts;
    std::string Path;

    // Answers 1 with the text, or 0 (and says which key is missing).
    int Require(const std::string& key, std::string& text) const;
};

// Answers 1, or 0 with "path:line: what" in error.
int ParseTextResources(const std::string& path, const std::string& content, TextResources& out, std::string& error);
