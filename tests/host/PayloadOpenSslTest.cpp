// Our Blowfish against OpenSSL's on random keys and blocks (host only:
// OpenSSL is the reference, not a dependency of the product).
#include <gtest/gtest.h>
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <random>

#include "payload/Blowfish.h"

namespace {

TEST(PayloadOpenSsl, CipherAgreesOnRandomKeysAndBlocks) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 300; ++round) {
        uint8_t key[72];
        const int keyLength = 1 + int(random() % 72);
        for (int i = 0; i < keyLength; ++i) key[i] = uint8_t(random());
        Blowfish ours;
        ours.SetKey(key, size_t(keyLength));
        BF_KEY theirs;
        BF_set_key(&theirs, keyLength, key);
        for (int block = 0; block < 20; ++block) {
            BF_LONG halves[2] = {static_cast<BF_LONG>(random()), static_cast<BF_LONG>(random())};
            uint32_t left = halves[0], right = halves[1];
            BF_encrypt(halves, &theirs);
            ours.EncipherHalves(left, right);
            ASSERT_EQ(left, halves[0]) << round;
            ASSERT_EQ(right, halves[1]) << round;
            BF_decrypt(halves, &theirs);
            ours.DecipherHalves(left, right);
            ASSERT_EQ(left, halves[0]) << round;
            ASSERT_EQ(right, halves[1]) << round;
        }
    }
}

// OpenSSL's ECB reads big-endian halves; ours little-endian: the same block
// with each half's bytes reversed.
TEST(PayloadOpenSsl, BlockOrderIsTheByteReversedHalves) {
    std::mt19937 random(7);
    uint8_t key[495];
    for (uint8_t& b : key) b = uint8_t(random());
    Blowfish ours;
    ours.SetKey(key, sizeof key);
    BF_KEY theirs;
    BF_set_key(&theirs, 72, key);
    for (int block = 0; block < 200; ++block) {
        uint8_t plain[8], swapped[8], out[8];
        for (uint8_t& b : plain) b = uint8_t(random());
        for (int i = 0; i < 8; ++i) swapped[i] = plain[(i / 4) * 4 + 3 - i % 4];
        BF_ecb_encrypt(swapped, out, &theirs, BF_ENCRYPT);
        ours.EncipherBlock(plain);
        for (int i = 0; i < 8; ++i) ASSERT_EQ(plain[i], out[(i / 4) * 4 + 3 - i % 4]) << block;
    }
}

}  // namespace
