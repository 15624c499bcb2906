// Storage, views and width rules of GString.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/host/TextTestSupport.h"
#include "text/GString.h"

namespace {

TEST(GStringStorage, DefaultStringHasNoBlockAndValidViews) {
    GString s;
    EXPECT_FALSE(s.IsWide());
    EXPECT_EQ(s.BufferSize(), 0);
    EXPECT_EQ(s.BlockSize(), 64);
    EXPECT_EQ(s.DebugLineWidth(), 80);
    EXPECT_EQ(s.WideAt(0), kEmptyWide);
    EXPECT_EQ(s.NarrowAt(0), kEmptyNarrow);
    EXPECT_EQ(s.Terminate(), nullptr);
    EXPECT_EQ(s.SetLength(5), 0);
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.Compact(), 0);
    EXPECT_EQ(s.Reserve(0), 0);  // n <= Length and no block
    EXPECT_EQ(s.Reserve(-1), 1);
}

TEST(GStringStorage, FillConstructorReservesExactlyAndIsWide) {
    GString s(u'x', 40);
    EXPECT_TRUE(s.IsWide());
    EXPECT_EQ(Wide(s), std::u16string(40, u'x'));
    EXPECT_EQ(s.BufferSize(), 128);  // 4 + 41 * 2 = 86, rounded to 64
    GString empty(u'x', 0);
    EXPECT_TRUE(empty.IsWide());
    EXPECT_EQ(empty.BufferSize(), 0);
    GString negative(u'x', -3);
    EXPECT_EQ(negative.BufferSize(), 0);
}

TEST(GStringStorage, FirstBlockHolds29WideCharactersThenGrowsByHalf) {
    GString s;
    s.ClearAsWide();
    ASSERT_EQ(s.AppendWide(u"0123456789"), 1);
    EXPECT_EQ(s.BufferSize(), 64);
    EXPECT_EQ(s.Capacity(), 29);
    for (int i = 10; i < 29; ++i) ASSERT_EQ(s.AppendChar(u'a'), 1);
    EXPECT_EQ(s.BufferSize(), 64);
    ASSERT_EQ(s.AppendChar(u'b'), 1);  // the 30th: max(30, 29 + 14) = 43 -> 92 bytes -> 128
    EXPECT_EQ(s.BufferSize(), 128);
    EXPECT_EQ(s.Capacity(), 61);
    EXPECT_EQ(s.Length(), 30);
    s.Terminate();
    EXPECT_EQ(Wide(s), u"0123456789" + std::u16string(19, u'a') + u"b");
}

TEST(GStringStorage, NarrowFirstBlockHolds59Bytes) {
    GString s;
    ASSERT_EQ(s.AppendNarrow(std::string(59, 'n').c_str()), 1);
    EXPECT_EQ(s.BufferSize(), 64);
    ASSERT_EQ(s.AppendNarrow("m"), 1);
    EXPECT_EQ(s.BufferSize(), 128);  // max(60, 59 + 29) = 88 -> 93 bytes -> 128
    EXPECT_EQ(Narrow(s), std::string(59, 'n') + "m");
}

// The header word is written at (re)allocation only, with the size of the text
// carried into the new block.
TEST(GStringStorage, HeaderWordRecordsWidthAndSizeAtAllocation) {
    const auto header = [](GString& s) {
        uint32_t word;
        std::memcpy(&word, static_cast<char*>(s.Terminate()) - 4 - s.LeadingOffset() * (s.IsWide() ? 2 : 1), 4);
        return word;
    };
    GString wide;
    wide.AssignWide(u"abc");
    EXPECT_EQ(header(wide), 0u);
    wide.AppendWide(u"012345678901234567890123456");
    EXPECT_EQ(wide.BufferSize(), 128);
    EXPECT_EQ(header(wide), 6u);
    GString narrow;
    narrow.AssignNarrow("abcd");
    EXPECT_EQ(header(narrow), 0x80000000u);
    narrow.AppendNarrow(std::string(60, 'x').c_str());
    EXPECT_EQ(header(narrow), 0x80000004u);
}

TEST(GStringStorage, DropFrontThenAppendInPlaceCompactOrReallocate) {
    GString s;
    s.AssignWide(u"abcdef");
    ASSERT_EQ(s.DropFront(3), 1);
    EXPECT_EQ(s.LeadingOffset(), 3);
    EXPECT_EQ(Wide(s), u"def");
    const char16_t* before = s.WideAt(0);

    // 29 - 3 - 3 = 23 characters still fit behind the text: made in place.
    ASSERT_EQ(s.AppendWide(u"0123456789"), 1);
    EXPECT_EQ(s.WideAt(0), before);
    EXPECT_EQ(s.LeadingOffset(), 3);
    EXPECT_EQ(s.BufferSize(), 64);

    // 27 characters exceed the 26 that fit after the offset, not the 29 of the block:
    // the text moves to the front.
    ASSERT_EQ(s.AppendWide(u"ABCDEFGHIJKLMN"), 1);
    EXPECT_EQ(s.LeadingOffset(), 0);
    EXPECT_EQ(s.BufferSize(), 64);
    EXPECT_EQ(Wide(s), u"def0123456789ABCDEFGHIJKLMN");

    // Past the block: a new one, offset gone, text intact.
    s.DropFront(2);
    ASSERT_EQ(s.AppendWide(u"0123456789"), 1);
    EXPECT_EQ(s.LeadingOffset(), 0);
    EXPECT_EQ(s.BufferSize(), 128);
    EXPECT_EQ(Wide(s), u"f0123456789ABCDEFGHIJKLMN0123456789");
}

TEST(GStringStorage, DropFrontRules) {
    GString s;
    s.AssignNarrow("abc");
    EXPECT_EQ(s.DropFront(0), 0);
    EXPECT_EQ(s.DropFront(-2), 0);
    EXPECT_EQ(Narrow(s), "abc");
    EXPECT_EQ(s.DropFront(10), 1);
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.LeadingOffset(), 0);
}

TEST(GStringStorage, SetLengthAfterSomeoneWroteIntoTheBuffer) {
    GString s;
    char16_t* out = s.WideBuffer(20);
    ASSERT_NE(out, nullptr);
    const char16_t text[] = u"written";
    std::memcpy(out, text, sizeof text);
    ASSERT_EQ(s.SetLength(-1), 1);
    EXPECT_EQ(Wide(s), u"written");

    // No zero within the capacity: length 0.
    GString full;
    char16_t* all = full.WideBuffer(10);
    ASSERT_NE(all, nullptr);
    for (int i = 0; i < full.Capacity(); ++i) all[i] = u'z';
    ASSERT_EQ(full.SetLength(-1), 1);
    EXPECT_EQ(full.Length(), 0);
    EXPECT_EQ(full.WideAt(0), kEmptyWide);

    // A length past the capacity is cut to it.
    GString cut;
    cut.AssignWide(u"abc");
    ASSERT_EQ(cut.SetLength(1000), 1);
    EXPECT_EQ(cut.Length(), cut.Capacity());
}

TEST(GStringStorage, SetLengthZeroResetsLeadingOffset) {
    GString s;
    s.AssignNarrow("abcdef");
    s.DropFront(2);
    ASSERT_EQ(s.SetLength(0), 1);
    EXPECT_EQ(s.LeadingOffset(), 0);
}

TEST(GStringStorage, NarrowBufferForInterfacesThatWriteBytes) {
    GString s;
    s.AssignWide(u"pre");
    char* out = s.NarrowBuffer(8);
    ASSERT_NE(out, nullptr);
    EXPECT_FALSE(s.IsWide());
    std::memcpy(out, "fix", 4);
    s.SetLength(-1);
    EXPECT_EQ(Narrow(s), "prefix");
}

TEST(GStringViews, PositionsAreCutAndForeignWidthsGiveConstantEmpty) {
    GString s;
    s.AssignWide(u"hello");
    EXPECT_EQ(*s.WideAt(100), 0);
    EXPECT_EQ(s.WideAt(100), s.WideAt(0) + 5);
    EXPECT_EQ(s.WideAt(-1), kEmptyWide);
    EXPECT_EQ(s.NarrowAt(0), kEmptyNarrow);
    EXPECT_EQ(std::u16string(s.WideAt(2)), u"llo");

    GString n;
    n.AssignNarrow("hi");
    EXPECT_EQ(n.WideAt(0), kEmptyWide);
    EXPECT_EQ(n.NarrowAt(-5), kEmptyNarrow);
    EXPECT_STREQ(n.NarrowAt(1), "i");

    GString emptyWide;
    emptyWide.ClearAsWide();
    EXPECT_EQ(emptyWide.WideAt(0), kEmptyWide);
}

TEST(GStringViews, ClearKeepsWidthAndWritesTerminator) {
    GString s;
    s.AssignWide(u"abc");
    s.Clear();
    EXPECT_TRUE(s.IsWide());
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(*static_cast<char16_t*>(s.Terminate()), 0);
    s.ClearAsNarrow();
    EXPECT_FALSE(s.IsWide());
}

TEST(GStringWidth, WidthSpecificAppendsRefuseTheOtherWidth) {
    GString wide;
    wide.AssignWide(u"w");
    EXPECT_EQ(wide.AppendToNarrow(nullptr), 0);
    EXPECT_EQ(wide.AppendToNarrow("x"), 0);
    GString narrow;
    narrow.AssignNarrow("n");
    EXPECT_EQ(narrow.AppendToWide(nullptr), 1);
    EXPECT_EQ(narrow.AppendToWide(u""), 1);
    EXPECT_EQ(narrow.AppendToWide(u"x"), 0);
    EXPECT_EQ(narrow.AppendChar(u'x'), 0);
    EXPECT_EQ(Narrow(narrow), "n");
    EXPECT_EQ(Wide(wide), u"w");
}

TEST(GStringWidth, RecordsAssignInTheirOwnWidth) {
    const unsigned char narrowRecord[] = {0x03, 0x00, 0x00, 0x80, 'a', 'b', 'c', 0};
    GString s;
    ASSERT_EQ(s.AssignRecord(reinterpret_cast<const TextRecord*>(narrowRecord)), 1);
    EXPECT_FALSE(s.IsWide());
    EXPECT_EQ(Narrow(s), "abc");
    ASSERT_NE(s.ToWide(), nullptr);
    EXPECT_EQ(Wide(s), u"abc");

    // Bits 29 and 30 are masked off; the terminator is not needed.
    const unsigned char wideRecord[] = {0x02, 0x00, 0x00, 0x60, 'h', 0, 'i', 0, 'X', 0};
    ASSERT_EQ(s.AssignRecord(reinterpret_cast<const TextRecord*>(wideRecord)), 1);
    EXPECT_TRUE(s.IsWide());
    EXPECT_EQ(Wide(s), u"hi");

    EXPECT_EQ(s.AssignRecord(nullptr), 0);
    EXPECT_TRUE(s.IsWide());
    EXPECT_EQ(s.Length(), 0);
}

TEST(GStringWidth, ToWideAndToNarrowRoundTrip) {
    GString s;
    s.AssignNarrow("Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 \xD0\xB1");  // Zażółć б
    ASSERT_NE(s.ToWide(), nullptr);
    EXPECT_EQ(Wide(s), u"Zażółć б");
    ASSERT_NE(s.ToNarrow(), nullptr);
    EXPECT_EQ(Narrow(s), "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 \xD0\xB1");
    // Repeated conversions reuse the two blocks.
    const int size = s.BufferSize();
    s.ToWide();
    s.ToNarrow();
    EXPECT_EQ(s.BufferSize(), size);
}

TEST(GStringWidth, ToWideOfInvalidUtf8FailsAndKeepsTheString) {
    GString s;
    s.AssignNarrow("ok\x80");
    EXPECT_EQ(s.ToWide(), nullptr);
    EXPECT_FALSE(s.IsWide());
    EXPECT_EQ(Narrow(s), "ok\x80");
    EXPECT_EQ(s.WideBuffer(4), nullptr);
}

TEST(GStringWidth, EmptyStringsJustSwitchWidth) {
    GString s;
    ASSERT_NE(s.ToWide(), nullptr);
    EXPECT_TRUE(s.IsWide());
    ASSERT_NE(s.ToNarrow(), nullptr);
    EXPECT_FALSE(s.IsWide());
}

}  // namespace
