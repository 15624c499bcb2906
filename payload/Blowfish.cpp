#include "payload/Blowfish.h"

#include <cstring>

#include "payload/BlowfishInit.inc"

namespace {

uint32_t ReadLittle(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void WriteLittle(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

}  // namespace

uint32_t Blowfish::F(uint32_t x) const {
    return ((S[0][x >> 24] + S[1][(x >> 16) & 0xFF]) ^ S[2][(x >> 8) & 0xFF]) + S[3][x & 0xFF];
}

void Blowfish::EncipherHalves(uint32_t& left, uint32_t& right) const {
    uint32_t l = left, r = right;
    for (int i = 0; i < 16; i += 2) {
        l ^= P[i];
        r ^= F(l);
        r ^= P[i + 1];
        l ^= F(r);
    }
    l ^= P[16];
    r ^= P[17];
    left = r;
    right = l;
}

void Blowfish::DecipherHalves(uint32_t& left, uint32_t& right) const {
    uint32_t l = left, r = right;
    for (int i = 17; i > 1; i -= 2) {
        l ^= P[i];
        r ^= F(l);
        r ^= P[i - 1];
        l ^= F(r);
    }
    l ^= P[1];
    r ^= P[0];
    left = r;
    right = l;
}

void Blowfish::EncipherBlock(uint8_t* block) const {
    uint32_t l = ReadLittle(block), r = ReadLittle(block + 4);
    EncipherHalves(l, r);
    WriteLittle(block, l);
    WriteLittle(block + 4, r);
}

void Blowfish::DecipherBlock(uint8_t* block) const {
    uint32_t l = ReadLittle(block), r = ReadLittle(block + 4);
    DecipherHalves(l, r);
    WriteLittle(block, l);
    WriteLittle(block + 4, r);
}

void Blowfish::SetKey(const uint8_t* key, size_t length) {
    std::memcpy(P, kInitialP, sizeof P);
    std::memcpy(S, kInitialS, sizeof S);
    if (key && length) {
        size_t k = 0;
        for (uint32_t& p : P) {
            uint32_t word = 0;
            for (int b = 0; b < 4; ++b) {
                word = word << 8 | key[k];
                k = (k + 1) % length;
            }
            p ^= word;
        }
    }
    uint32_t l = 0, r = 0;
    for (int i = 0; i < 18; i += 2) {
        EncipherHalves(l, r);
        P[i] = l;
        P[i + 1] = r;
    }
    for (auto& box : S) {
        for (int i = 0; i < 256; i += 2) {
            EncipherHalves(l, r);
            box[i] = l;
            box[i + 1] = r;
        }
    }
}
