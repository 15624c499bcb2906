#include "payload/LayoutCatalogue.h"

namespace {

constexpr uint16_t kProcessorX86 = 0;
constexpr uint16_t kProcessorIa64 = 6;
constexpr uint16_t kProcessorAmd64 = 9;

}  // namespace

// Slots 0 to 12: 5.0 x86, 5.1 x86, then x86, IA64 and AMD64 for 5.2, 6.0 and
// 6.1, then x86 and AMD64 for every later version. The x86 file also serves
// as the 32-bit file of 64-bit Windows.
const uint8_t LayoutSlotKind[kLayoutSlotCount] = {
    kLayoutFileX86, kLayoutFileX86,
    kLayoutFileX86, kLayoutFileX86, kLayoutFileX64,
    kLayoutFileX86, kLayoutFileX86, kLayoutFileX64,
    kLayoutFileX86, kLayoutFileX86, kLayoutFileX64,
    kLayoutFileX86, kLayoutFileX64,
};

const PayloadEntry* LayoutSlotEntry(int set, int variant, int slot) {
    if (set < 0 || set >= kLayoutSetCount || variant < 0 || variant >= kLayoutVariantCount || slot < 0 ||
        slot >= kLayoutSlotCount)
        return nullptr;
    return LayoutFiles[set][variant][LayoutSlotKind[slot]];
}

int ChooseLayoutSlots(int32_t winVersion, uint16_t processorArchitecture, int* primary, int* secondary) {
    *primary = kNoLayoutSlot;
    *secondary = kNoLayoutSlot;
    // 5.0 and 5.1 take their slot whatever the processor: only x86 gets that far.
    if (winVersion == 50 || winVersion == 51) {
        *primary = winVersion == 50 ? 0 : 1;
        return 1;
    }
    // 5.2, 6.0 and 6.1 have x86, IA64 and AMD64 slots; later versions x86 and AMD64.
    int first;
    bool ia64;
    switch (winVersion) {
        case 52: first = 2; ia64 = true; break;
        case 60: first = 5; ia64 = true; break;
        case 61: first = 8; ia64 = true; break;
        default: first = 11; ia64 = false; break;
    }
    if (processorArchitecture == kProcessorX86) {
        *primary = first;
    } else if (processorArchitecture == kProcessorIa64 && ia64) {
        *primary = first;
        *secondary = first + 1;
    } else if (processorArchitecture == kProcessorAmd64) {
        *primary = first;
        *secondary = ia64 ? first + 2 : first + 1;
    } else {
        return 0;
    }
    return 1;
}
