#include "tests/documents/DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

bool Printable(char16_t c) { return c > 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0); }

}  // namespace

std::vector<std::string> DocumentLayoutPaths() {
    std::vector<std::string> paths;
    std::stringstream list(FONETIKA_DOCUMENT_LAYOUTS);
    std::string path;
    while (std::getline(list, path, '|'))
        if (!path.empty()) paths.push_back(path);
    return paths;
}

std::vector<LayoutSource> LoadDocumentLayouts() {
    std::vector<LayoutSource> layouts;
    for (const std::string& path : DocumentLayoutPaths()) {
        layouts.emplace_back();
        EXPECT_TRUE(LoadLayoutSource(path, layouts.back())) << path;
    }
    EXPECT_GE(layouts.size(), 6u);
    return layouts;
}

ExpectedLabel SourceLabel(const KlcLayout& layout, const KlcKey& row, int modifierBits) {
    ExpectedLabel label;
    for (size_t column = 0; column < layout.ShiftStates.size() && column < row.Chars.size(); ++column) {
        if (layout.ShiftStates[column] != modifierBits) continue;
        const KlcChar& c = row.Chars[column];
        if (c.Present && Printable(c.Code)) {
            label.Text.assign(1, c.Code);
            label.Dead = c.Dead;
        }
    }
    return label;
}

std::string RunCommand(const std::string& command, int& status) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        status = -1;
        return out;
    }
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    status = pclose(pipe);
    return out;
}

std::string DocumentPath(const std::string& name) { return std::string(FONETIKA_DOCUMENTS_DIR) + "/" + name; }
std::string SourcePath(const std::string& relative) { return std::string(FONETIKA_SOURCE_DIR) + "/" + relative; }
std::string Quote(const std::string& path) { return "'" + path + "'"; }
