#pragma once
// Whole files in and out for the host tools; 1 on success, 0 on failure.
#include <cstdint>
#include <string>
#include <vector>

int ReadWholeFile(const std::string& path, std::vector<uint8_t>& out);
int WriteWholeFile(const std::string& path, const uint8_t* bytes, size_t size);
// Writes only when the content differs, so that unchanged outputs keep their
// time stamps and the build does not recompile them.
int WriteFileIfChanged(const std::string& path, const std::string& content);
