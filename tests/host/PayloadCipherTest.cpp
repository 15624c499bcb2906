// Blowfish against the published test vectors, in the payload's block order.
#include <gtest/gtest.h>

#include <cstring>

#include "payload/Blowfish.h"

namespace {

struct Vector {
    uint64_t Key, Plain, Cipher;
};

// Eric Young's vectors for 8-byte keys (halves big-endian in the key).
const Vector kVectors[] = {
    {0x0000000000000000ull, 0x0000000000000000ull, 0x4EF997456198DD78ull},
    {0xFFFFFFFFFFFFFFFFull, 0xFFFFFFFFFFFFFFFFull, 0x51866FD5B85ECB8Aull},
    {0x3000000000000000ull, 0x1000000000000001ull, 0x7D856F9A613063F2ull},
    {0x1111111111111111ull, 0x1111111111111111ull, 0x2466DD878B963C9Dull},
    {0x0123456789ABCDEFull, 0x1111111111111111ull, 0x61F9C3802281B096ull},
    {0xFEDCBA9876543210ull, 0x0123456789ABCDEFull, 0x0ACEAB0FC6A0A28Dull},
    {0x7CA110454A1A6E57ull, 0x01A1D6D039776742ull, 0x59C68245EB05282Bull},
    {0x0131D9619DC1376Eull, 0x5CD54CA83DEF57DAull, 0xB1B8CC0B250F09A0ull},
};

void KeyOf(uint64_t key, uint8_t* bytes) {
    for (int i = 0; i < 8; ++i) bytes[i] = uint8_t(key >> (56 - 8 * i));
}

void PutLittle(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

TEST(PayloadCipher, HalvesMatchThePublishedVectors) {
    for (const Vector& v : kVectors) {
        uint8_t key[8];
        KeyOf(v.Key, key);
        Blowfish cipher;
        cipher.SetKey(key, 8);
        uint32_t left = uint32_t(v.Plain >> 32), right = uint32_t(v.Plain);
        cipher.EncipherHalves(left, right);
        EXPECT_EQ((uint64_t(left) << 32) | right, v.Cipher) << std::hex << v.Key;
        cipher.DecipherHalves(left, right);
        EXPECT_EQ((uint64_t(left) << 32) | right, v.Plain) << std::hex << v.Key;
    }
}

// In a block, bytes 0..3 hold the left half and 4..7 the right half, each
// little-endian: the vectors' halves appear byte-reversed.
TEST(PayloadCipher, BlocksKeepHalvesLittleEndian) {
    for (const Vector& v : kVectors) {
        uint8_t key[8], block[8], expected[8];
        KeyOf(v.Key, key);
        Blowfish cipher;
        cipher.SetKey(key, 8);
        PutLittle(block, uint32_t(v.Plain >> 32));
        PutLittle(block + 4, uint32_t(v.Plain));
        PutLittle(expected, uint32_t(v.Cipher >> 32));
        PutLittle(expected + 4, uint32_t(v.Cipher));
        cipher.EncipherBlock(block);
        EXPECT_EQ(0, std::memcmp(block, expected, 8)) << std::hex << v.Key;
        cipher.DecipherBlock(block);
        PutLittle(expected, uint32_t(v.Plain >> 32));
        PutLittle(expected + 4, uint32_t(v.Plain));
        EXPECT_EQ(0, std::memcmp(block, expected, 8)) << std::hex << v.Key;
    }
}

// The schedule takes key bytes cyclically: only the first 72 count, and a
// short key acts as its own repetition.
TEST(PayloadCipher, KeyBytesAreTakenCyclicallyUpTo72) {
    uint8_t longKey[495], repeated[72];
    for (int i = 0; i < 495; ++i) longKey[i] = uint8_t(i * 13 + 5);
    for (int i = 0; i < 72; ++i) repeated[i] = longKey[i % 5];
    Blowfish full, first72, changedTail, fiveBytes, fiveRepeated;
    full.SetKey(longKey, 495);
    first72.SetKey(longKey, 72);
    longKey[72] ^= 0xFF;
    changedTail.SetKey(longKey, 495);
    fiveBytes.SetKey(longKey, 5);
    fiveRepeated.SetKey(repeated, 72);

    const auto encipher = [](const Blowfish& c) {
        uint32_t l = 0x01234567, r = 0x89ABCDEF;
        c.EncipherHalves(l, r);
        return (uint64_t(l) << 32) | r;
    };
    EXPECT_EQ(encipher(full), encipher(first72));
    EXPECT_EQ(encipher(full), encipher(changedTail));
    EXPECT_EQ(encipher(fiveBytes), encipher(fiveRepeated));
    EXPECT_NE(encipher(full), encipher(fiveBytes));
}

}  // namespace
