// Extract over fuzzed plain entries. The first input byte picks which header
// fields are made consistent (StoredSize, PackedCrc, DataCrc), so that the
// fuzzer reaches the checks behind them; the rest is the plain entry, which
// is enciphered with a fixed key and extracted.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "payload/CGuard.h"
#include "payload/EntrySealer.h"
#include "payload/PayloadHeader.h"

namespace {

const CGuard& Guard() {
    static CGuard guard;
    static bool loaded = false;
    if (!loaded) {
        uint8_t material[968];
        for (int i = 0; i < 968; ++i) material[i] = uint8_t(i * 37 + 11);
        loaded = guard.LoadMaterial(material, sizeof material) == 1;
    }
    return guard;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > (1u << 20)) return 0;
    const uint8_t mode = data[0];
    std::vector<uint8_t> entry(data + 1, data + size);
    entry.resize((entry.size() + 7) / 8 * 8);
    const uint32_t storedSize = uint32_t(entry.size());
    if (storedSize >= kPayloadHeaderSize) {
        PayloadHeader h = ReadPayloadHeader(entry.data());
        if (mode & 1) h.StoredSize = storedSize;
        if (mode & 2) h.PackedSize %= storedSize - kPayloadHeaderSize + 1;
        if (mode & 4) h.PackedCrc = Crc32(entry.data() + kPayloadHeaderSize, h.PackedSize % (storedSize - kPayloadHeaderSize + 1));
        if (mode & 8) h.DataSize %= 1u << 16;
        WritePayloadHeader(entry.data(), h);
    }
    if (!EncipherBlocks(Guard(), entry.data(), storedSize)) return 0;
    // A stored size that is not a multiple of 8 when mode asks for it.
    uint32_t extractSize = (mode & 16) && storedSize ? storedSize - (mode >> 5) % 8 : storedSize;
    uint32_t itemCount = 0;
    uint8_t* out = Guard().Extract(entry.data(), extractSize, &itemCount);
    if (out) {
        volatile uint8_t sink = 0;
        for (uint32_t i = 0; i < extractSize; ++i) sink = sink + out[i];
        std::free(out);
    }
    return 0;
}
