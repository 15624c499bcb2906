// Load and Lookup over fuzzed string tables: the first four bytes are the
// item count, the rest the table. Every id of the index and a few others are
// looked up, and every record found is taken into a GString.
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "payload/PayloadHeader.h"
#include "payload/StringTable.h"
#include "text/GString.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4 || size > (1u << 20)) return 0;
    const uint32_t count = ReadLittle32(data);
    const uint32_t tableSize = uint32_t(size - 4);
    uint8_t* buffer = static_cast<uint8_t*>(std::malloc(tableSize ? tableSize : 1));
    if (!buffer) return 0;
    std::memcpy(buffer, data + 4, tableSize);
    StringTable table;
    if (!table.Load(buffer, tableSize, count)) {
        std::free(buffer);
        return 0;
    }
    GString text;
    for (uint32_t i = 0; i < table.Count; ++i) {
        const uint32_t id = ReadLittle32(table.Index + 8 * i);
        for (uint32_t probe : {id, id + 1, id - 1}) {
            if (const TextRecord* record = table.Lookup(probe)) {
                text.AssignRecord(record);
                text.ToWide();
            }
        }
    }
    table.Lookup(0);
    table.Lookup(0xFFFFFFFFu);
    return 0;
}
