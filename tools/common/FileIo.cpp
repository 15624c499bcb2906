#include "tools/common/FileIo.h"

#include <cstdio>

int ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return 0;
    out.clear();
    uint8_t buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.insert(out.end(), buffer, buffer + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

int WriteWholeFile(const std::string& path, const uint8_t* bytes, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    const bool ok = std::fwrite(bytes, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

int WriteFileIfChanged(const std::string& path, const std::string& content) {
    std::vector<uint8_t> old;
    if (ReadWholeFile(path, old) && std::string(old.begin(), old.end()) == content) return 1;
    return WriteWholeFile(path, reinterpret_cast<const uint8_t*>(content.data()), content.size());
}
