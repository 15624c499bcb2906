#include "tools/document-renderer/TextResources.h"

#include <cstdio>

#include "tools/document-renderer/SourceLines.h"

int TextResources::Require(const std::string& key, std::string& text) const {
    auto found = Texts.find(key);
    if (found == Texts.end()) {
        std::fprintf(stderr, "%s: no text for \"%s\"\n", Path.c_str(), key.c_str());
        return 0;
    }
    text = found->second;
    return 1;
}

int ParseTextResources(const std::string& path, const std::string& content, TextResources& out, std::string& error) {
    out.Path = path;
    out.Texts.clear();
    int lineNumber = 0;
    for (const std::string& line : SourceLines(content)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        size_t colon = line.find(": ");
        if (colon == std::string::npos || colon == 0) {
            error = path + ":" + std::to_string(lineNumber) + ": expected \"key: text\"";
            return 0;
        }
        std::string key = line.substr(0, colon);
        if (!out.Texts.emplace(key, line.substr(colon + 2)).second) {
            error = path + ":" + std::to_string(lineNumber) + ": \"" + key + "\" given twice";
            return 0;
        }
    }
    return 1;
}
