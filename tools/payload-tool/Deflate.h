#pragma once
// Raw DEFLATE streams: zopfli for the payload, zlib level 9 for comparison.

#include <cstdint>
#include <vector>

std::vector<uint8_t> DeflateSmallest(const std::vector<uint8_t>& data);
std::vector<uint8_t> DeflateZlib9(const std::vector<uint8_t>& data);
