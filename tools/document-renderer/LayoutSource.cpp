#include "tools/document-renderer/LayoutSource.h"

#include <cstdio>
#include <vector>

#include "tools/layout-compiler/KlcParser.h"
#include "tools/common/FileIo.h"

int ReadSourceFile(const std::string& path, std::string& content) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
        return 0;
    }
    content.assign(bytes.begin(), bytes.end());
    return 1;
}

int LoadLayoutSource(const std::string& path, LayoutSource& out) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
        return 0;
    }
    KlcError error;
    if (!ParseKlc(bytes, out.Layout, error)) {
        std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), error.Line, error.Message.c_str());
        return 0;
    }
    out.Tables = BuildLayoutTables(out.Layout);
    size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    out.Stem = dot == std::string::npos ? name : name.substr(0, dot);
    return 1;
}
