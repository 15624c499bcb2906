#include "tools/payload-tool/KeyMaterial.h"

#include "payload/CGuard.h"

std::vector<uint8_t> KeyMaterialFromSeed(const std::string& seed) {
    // FNV-1a of the seed starts a SplitMix64 sequence.
    uint64_t state = 0xCBF29CE484222325ull;
    for (unsigned char c : seed) state = (state ^ c) * 0x100000001B3ull;
    CGuard guard;
    std::vector<uint8_t> material(size_t(guard.MaterialSize));
    for (uint8_t& byte : material) {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        byte = uint8_t(z ^ (z >> 31));
    }
    return material;
}
