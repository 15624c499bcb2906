// StringTable: Load, Release and the binary search, over tables built the
// way the packer builds them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "payload/StringTable.h"
#include "tests/host/PayloadTestSupport.h"

namespace {

std::string TextOf(const TextRecord* record) {
    if (!record) return "<none>";
    const uint32_t header = record->Header;
    return std::string(reinterpret_cast<const char*>(record) + 4, header & kTextRecordLengthMask);
}

const std::vector<std::pair<uint32_t, std::string>> kStrings = {
    {0, "zero"}, {3, "three"}, {10, "ten"}, {11, ""}, {500, "five hundred"}, {0x7FFFFFFF, "max"}, {0x80000001u, "top"},
};

TEST(StringTable, LookupFindsEveryIdAndNothingBetween) {
    StringTable table;
    const Bytes image = TableImage(kStrings);
    ASSERT_EQ(table.Load(Copy(image), uint32_t(image.size()), uint32_t(kStrings.size())), 1);
    EXPECT_EQ(table.Count, kStrings.size());
    EXPECT_EQ(table.Strings, table.Buffer + 8 * kStrings.size());
    for (const auto& s : kStrings) EXPECT_EQ(TextOf(table.Lookup(s.first)), s.second) << s.first;
    for (uint32_t missing : {1u, 4u, 9u, 12u, 499u, 501u, 0x80000000u, 0xFFFFFFFFu})
        EXPECT_EQ(table.Lookup(missing), nullptr) << missing;
}

TEST(StringTable, EveryTableSizeFindsItsFirstAndLastId) {
    for (size_t n = 1; n <= 9; ++n) {
        std::vector<std::pair<uint32_t, std::string>> strings;
        for (size_t i = 0; i < n; ++i) strings.push_back({uint32_t(i * 2 + 1), std::string(i + 1, 'a')});
        StringTable table;
        const Bytes image = TableImage(strings);
        ASSERT_EQ(table.Load(Copy(image), uint32_t(image.size()), uint32_t(n)), 1);
        for (const auto& s : strings) EXPECT_EQ(TextOf(table.Lookup(s.first)), s.second) << n;
        for (size_t i = 0; i <= n; ++i) EXPECT_EQ(table.Lookup(uint32_t(i * 2)), nullptr) << n;
    }
}

TEST(StringTable, EmptyAndReleasedTablesFindNothing) {
    StringTable table;
    EXPECT_EQ(table.Lookup(0), nullptr);
    table.Release();
    const Bytes image = TableImage(kStrings);
    ASSERT_EQ(table.Load(Copy(image), uint32_t(image.size()), uint32_t(kStrings.size())), 1);
    table.Release();
    EXPECT_EQ(table.Count, 0u);
    EXPECT_EQ(table.Buffer, nullptr);
    EXPECT_EQ(table.Lookup(3), nullptr);
    table.Release();
}

TEST(StringTable, LoadRefusesBadArgumentsAndKeepsTheOldTable) {
    StringTable table;
    const Bytes image = TableImage(kStrings);
    const uint32_t size = uint32_t(image.size()), count = uint32_t(kStrings.size());
    ASSERT_EQ(table.Load(Copy(image), size, count), 1);

    const auto refused = [&](Bytes bad, uint32_t badSize, uint32_t badCount) {
        uint8_t* buffer = Copy(bad);
        const int result = table.Load(buffer, badSize, badCount);
        if (!result) std::free(buffer);
        return result == 0 && TextOf(table.Lookup(10)) == "ten";
    };
    EXPECT_EQ(table.Load(nullptr, size, count), 0);
    EXPECT_TRUE(refused(image, size, 0));
    EXPECT_TRUE(refused(image, size, count + 1)) << "count past the index";
    EXPECT_TRUE(refused(image, size, count - 1)) << "count short of the index";
    EXPECT_TRUE(refused(image, size - 4, count)) << "last record cut";
    EXPECT_TRUE(refused(image, 0x7FFFFFF0u / 8, 0x7FFFFFF0u / 8 + 1)) << "index past the buffer";

    Bytes unsorted = TableImage({{5, "a"}, {3, "b"}});
    EXPECT_TRUE(refused(unsorted, uint32_t(unsorted.size()), 2));
    Bytes duplicate = TableImage({{5, "a"}, {5, "b"}});
    EXPECT_TRUE(refused(duplicate, uint32_t(duplicate.size()), 2));
    Bytes longRecord = TableImage({{1, "abc"}});
    WriteLittle32(&longRecord[8], 0x80000000u | 1000);
    EXPECT_TRUE(refused(longRecord, uint32_t(longRecord.size()), 1));
    Bytes wideTooLong = TableImage({{1, "abcd"}});
    WriteLittle32(&wideTooLong[8], 4);  // UTF-16: needs 4 + 10 bytes, has 12
    EXPECT_TRUE(refused(wideTooLong, uint32_t(wideTooLong.size()), 1));
    Bytes offsetAfar = TableImage({{1, "abc"}, {2, "def"}});
    WriteLittle32(&offsetAfar[12], 4);
    EXPECT_TRUE(refused(offsetAfar, uint32_t(offsetAfar.size()), 2));
}

// Every bit of a stored string table matters once Extract and Load both
// look, except the padding of the entry.
TEST(StringTable, EverySingleBitFlipOfAStoredTableIsRefused) {
    CGuard guard;
    const Bytes material = TestMaterial(6);
    ASSERT_EQ(guard.LoadMaterial(material.data(), 968), 1);
    const Bytes image = TableImage(kStrings);
    const Bytes entry = Seal(guard, image, uint32_t(kStrings.size()));
    const size_t used = kPayloadHeaderSize + RawDeflate(image).size();
    ASSERT_LT(used, entry.size()) << "the case needs padding";
    for (size_t byte = 0; byte < entry.size(); ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            const Extracted r = ExtractBytes(guard, WithPlainBitFlipped(guard, entry, byte, bit));
            StringTable table;
            bool loaded = false;
            if (r.Ok) {
                uint8_t* buffer = Copy(r.Data);
                loaded = table.Load(buffer, r.Size, r.ItemCount) == 1;
                if (!loaded) std::free(buffer);
            }
            if (byte < used)
                EXPECT_FALSE(loaded) << "byte " << byte << " bit " << bit;
            else
                EXPECT_TRUE(loaded && r.Data == image) << "padding byte " << byte << " bit " << bit;
        }
    }
}

}  // namespace
