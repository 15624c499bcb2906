#include "payload/StringTable.h"

#include <cstdlib>

#include "payload/PayloadHeader.h"

namespace {

constexpr uint32_t kIndexEntrySize = 8;

// Size of the record at `offset` of a string area of `areaSize` bytes,
// padded to 4, or 0 when it does not fit.
uint32_t RecordSize(const uint8_t* area, uint32_t areaSize, uint32_t offset) {
    if (offset > areaSize || areaSize - offset < 4) return 0;
    const uint32_t header = ReadLittle32(area + offset);
    const uint64_t width = (header & kTextRecordNarrowBit) ? 1 : 2;
    const uint64_t bytes = (4 + (uint64_t(header & kTextRecordLengthMask) + 1) * width + 3) / 4 * 4;
    return bytes <= areaSize - offset ? uint32_t(bytes) : 0;
}

// Ids strictly ascending, and the records back to back in index order from
// the start of the string area to its end. The item count lies outside
// every CRC of the entry; this is what catches a damaged one.
bool IsWellFormed(const uint8_t* buffer, uint32_t size, uint32_t count) {
    if (count > size / kIndexEntrySize) return false;
    const uint8_t* area = buffer + count * kIndexEntrySize;
    const uint32_t areaSize = size - count * kIndexEntrySize;
    uint32_t next = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* entry = buffer + i * kIndexEntrySize;
        if (i > 0 && ReadLittle32(entry) <= ReadLittle32(entry - kIndexEntrySize)) return false;
        if (ReadLittle32(entry + 4) != next) return false;
        const uint32_t record = RecordSize(area, areaSize, next);
        if (!record) return false;
        next += record;
    }
    return next == areaSize;
}

}  // namespace

StringTable::StringTable() : Count(0), Buffer(nullptr), Index(nullptr), Strings(nullptr) {}

StringTable::~StringTable() { Release(); }

int StringTable::Load(uint8_t* buffer, uint32_t size, uint32_t count) {
    if (!buffer || count == 0 || !IsWellFormed(buffer, size, count)) return 0;
    Release();
    Buffer = buffer;
    Count = count;
    Index = buffer;
    Strings = buffer + count * kIndexEntrySize;
    return 1;
}

void StringTable::Release() {
    std::free(Buffer);
    Count = 0;
    Buffer = nullptr;
    Index = nullptr;
    Strings = nullptr;
}

const TextRecord* StringTable::Lookup(uint32_t id) const {
    if (!Index || !Strings) return nullptr;
    int64_t low = 0, high = int64_t(Count) - 1;
    while (high >= low) {
        const int64_t middle = (low + high) / 2;
        const uint8_t* entry = Index + middle * kIndexEntrySize;
        const uint32_t entryId = ReadLittle32(entry);
        if (id == entryId) return reinterpret_cast<const TextRecord*>(Strings + ReadLittle32(entry + 4));
        if (id > entryId)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return nullptr;
}
