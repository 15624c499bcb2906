#pragma once
// Blowfish (16 rounds, the standard key schedule) in ECB mode. A block's
// bytes 0..3 are the left half and 4..7 the right half, each little-endian.

#include <cstddef>
#include <cstdint>

class Blowfish {
public:
    // Keys of any length: the bytes are taken cyclically, so only the first
    // 72 matter. A zero length keys with the initial boxes alone.
    void SetKey(const uint8_t* key, size_t length);

    void EncipherHalves(uint32_t& left, uint32_t& right) const;
    void DecipherHalves(uint32_t& left, uint32_t& right) const;
    void EncipherBlock(uint8_t* block) const;
    void DecipherBlock(uint8_t* block) const;

private:
    uint32_t F(uint32_t x) const;

    uint32_t P[18];
    uint32_t S[4][256];
};
