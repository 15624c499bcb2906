#pragma once
// One loaded string table: an index of { id, offset } sorted by id, then the
// text records, read in place in the extracted buffer.

#include <cstdint>

#include "text/GString.h"

class StringTable {
public:
    StringTable();
    ~StringTable();

    StringTable(const StringTable&) = delete;
    StringTable& operator=(const StringTable&) = delete;

    // Takes over a malloc'd buffer of `size` bytes holding `count` index
    // entries. A table that is not laid out as the packer lays it out (ids
    // ascending, records back to back in index order, 4-aligned, filling the
    // rest of the buffer) is refused, and the buffer stays the caller's.
    int Load(uint8_t* buffer, uint32_t size, uint32_t count);
    void Release();
    const TextRecord* Lookup(uint32_t id) const;

    uint32_t Count;
    uint8_t* Buffer;
    const uint8_t* Index;
    const uint8_t* Strings;
};
