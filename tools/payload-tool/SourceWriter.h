#pragma once
// The generated C++ source that puts stored entries into setup.exe: one
// `extern const PayloadEntry <symbol>` with its bytes and stored size each.

#include <cstdint>
#include <string>
#include <vector>

struct GeneratedEntry {
    std::string Symbol;
    std::vector<uint8_t> Bytes;
};

std::string WritePayloadSource(const std::vector<GeneratedEntry>& entries);
