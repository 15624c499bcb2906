#include "payload/ExtractText.h"

#include <cstdlib>

#include "payload/CGuard.h"

int ExtractText(const CGuard& guard, const uint8_t* entry, uint32_t storedSize, GString& target) {
    if (!entry || storedSize == 0) return 0;
    uint32_t size = storedSize;
    uint8_t* data = guard.Extract(entry, size, nullptr);
    if (!data) return 0;
    const char* text = reinterpret_cast<const char*>(data);
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        text += 3;
        size -= 3;
    }
    target.ClearAsNarrow();
    const int result = target.AppendToNarrow(text, int(size));
    std::free(data);
    return result;
}
