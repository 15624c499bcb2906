#pragma once
// The plain bytes of a string table: the index sorted by id, then one UTF-8
// text record per string, each starting at a multiple of 4.

#include <cstdint>
#include <vector>

#include "tools/payload-tool/StringSource.h"

std::vector<uint8_t> BuildStringTableImage(const StringSource& source);
