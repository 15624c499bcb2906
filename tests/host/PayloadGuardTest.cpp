// CGuard: loading and descrambling the key material, the block moves and
// the mask run at their edges, wiping.
#include <gtest/gtest.h>

#include <numeric>

#include "tests/host/PayloadTestSupport.h"

namespace {

// Material 0, 1, 2, ... loaded into a guard without descrambling, so that
// Move and MaskRun can be watched alone.
class PayloadGuard : public ::testing::Test {
protected:
    void SetUp() override {
        Bytes plain(968);
        std::iota(plain.begin(), plain.end(), uint8_t(0));
        ASSERT_EQ(guard.LoadMaterial(plain.data(), 968), 1);
        for (int i = 0; i < 968; ++i) guard.Material[i] = uint8_t(i);
    }

    Bytes Material() const { return Bytes(guard.Material, guard.Material + 968); }

    static Bytes Sequence() {
        Bytes b(968);
        std::iota(b.begin(), b.end(), uint8_t(0));
        return b;
    }

    CGuard guard;
};

TEST_F(PayloadGuard, ConstructionSetsTheDescramblingParameters) {
    CGuard fresh;
    EXPECT_EQ(fresh.Material, nullptr);
    const int32_t values[] = {fresh.MaterialSize,     fresh.KeyOffset,        fresh.KeyLength,
                              fresh.FirstMoveSource,  fresh.FirstMoveTarget,  fresh.FirstMoveLength,
                              fresh.SecondMoveSource, fresh.SecondMoveTarget, fresh.SecondMoveLength,
                              fresh.MaskPosition,     fresh.MaskStart,        fresh.MaskLength};
    const int32_t expected[] = {968, 352, 495, 240, 414, 65, 637, 395, 205, 42, 104, 454};
    for (size_t i = 0; i < 12; ++i) EXPECT_EQ(values[i], expected[i]) << i;
}

// The descrambled material equals the three steps done by hand on a copy.
TEST_F(PayloadGuard, LoadMaterialDescramblesInItsOrder) {
    const Bytes stored = TestMaterial(9);
    Bytes expected = stored;
    std::memmove(&expected[414], &expected[240], 65);
    std::memmove(&expected[395], &expected[637], 205);
    const uint8_t mask = expected[42];
    for (int i = 104; i < 104 + 454; ++i) expected[size_t(i)] ^= mask;
    ASSERT_EQ(guard.LoadMaterial(stored.data(), 968), 1);
    EXPECT_EQ(Material(), expected);
}

TEST_F(PayloadGuard, WrongLengthsFailAndLeaveNoMaterial) {
    const Bytes stored = TestMaterial(3);
    for (uint32_t length : {0u, 967u, 969u}) {
        ASSERT_EQ(guard.LoadMaterial(stored.data(), 968), 1);
        EXPECT_EQ(guard.LoadMaterial(stored.data(), length), 0) << length;
        EXPECT_EQ(guard.Material, nullptr) << length;
    }
    EXPECT_EQ(guard.LoadMaterial(nullptr, 968), 0);
    EXPECT_EQ(guard.Material, nullptr);
}

TEST_F(PayloadGuard, LoadingTwiceGivesTheSameKeyAsOnce) {
    const Bytes first = TestMaterial(4), second = TestMaterial(5);
    CGuard once;
    ASSERT_EQ(once.LoadMaterial(second.data(), 968), 1);
    ASSERT_EQ(guard.LoadMaterial(first.data(), 968), 1);
    ASSERT_EQ(guard.LoadMaterial(second.data(), 968), 1);
    EXPECT_EQ(Material(), Bytes(once.Material, once.Material + 968));
}

TEST_F(PayloadGuard, MoveCopiesLikeMemmoveAndStopsAtTheEnd) {
    const struct {
        int32_t target, source, count;
    } cases[] = {
        {10, 20, 15}, {20, 10, 15}, {10, 12, 30}, {12, 10, 30}, {0, 960, 100},
        {960, 0, 100}, {5, 5, 10}, {0, 0, 968}, {900, 950, 968},
    };
    for (const auto& c : cases) {
        SetUp();
        Bytes expected = Sequence();
        const int32_t limit = 968 - std::max(c.target, c.source);
        std::memmove(&expected[size_t(c.target)], &expected[size_t(c.source)], size_t(std::min(c.count, limit)));
        guard.Move(c.target, c.source, c.count);
        EXPECT_EQ(Material(), expected) << c.target << " " << c.source << " " << c.count;
    }
}

TEST_F(PayloadGuard, OutOfRangeMovesAndMasksDoNothing) {
    guard.Move(-1, 0, 10);
    guard.Move(0, -1, 10);
    guard.Move(968, 0, 10);
    guard.Move(0, 968, 10);
    guard.MaskRun(-1, 10, 5);
    guard.MaskRun(0, 10, -1);
    guard.MaskRun(968, 10, 5);
    guard.MaskRun(0, 10, 968);
    guard.Move(3, 4, -5);
    EXPECT_EQ(Material(), Sequence());
}

TEST_F(PayloadGuard, MaskRunReadsTheMaskOnceAndStopsAtTheEnd) {
    // The mask byte lies inside the run: every byte is XORed with its value
    // from before the run, including bytes after it.
    guard.MaskRun(40, 10, 42);
    Bytes expected = Sequence();
    for (int i = 40; i < 50; ++i) expected[size_t(i)] ^= 42;
    EXPECT_EQ(Material(), expected);

    SetUp();
    guard.MaskRun(960, 100, 3);
    expected = Sequence();
    for (int i = 960; i < 968; ++i) expected[size_t(i)] ^= 3;
    EXPECT_EQ(Material(), expected);
}

TEST_F(PayloadGuard, ExtractFailsAfterWipe) {
    const Bytes entry = Seal(guard, BytesOf("payload"));
    ASSERT_TRUE(ExtractBytes(guard, entry).Ok);
    guard.Wipe();
    EXPECT_EQ(guard.Material, nullptr);
    const Extracted r = ExtractBytes(guard, entry);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Fault, ExtractFault::NoKey);
    guard.Wipe();
    Blowfish cipher;
    EXPECT_EQ(guard.KeyCipher(cipher), 0);
}

}  // namespace
