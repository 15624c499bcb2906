// Searches and length-first comparisons, over buffers and GStrings.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "tests/host/TextTestSupport.h"
#include "text/GString.h"
#include "text/TextSearch.h"

namespace {

// A haystack at the very end of its own allocation, so that a read past it is
// caught by the sanitizer run.
std::unique_ptr<char[]> Exact(const char* bytes, int len) {
    std::unique_ptr<char[]> p(new char[static_cast<size_t>(len)]);
    std::memcpy(p.get(), bytes, static_cast<size_t>(len));
    return p;
}

TEST(BufferSearch, FindBytesBounds) {
    auto hay = Exact("abcabc", 6);
    struct Case {
        const char* needle;
        int needleLen, from, result;
    } cases[] = {
        {"abc", 3, 0, 0}, {"abc", 3, 1, 3}, {"abc", 3, 3, 3}, {"abc", 3, 4, -1}, {"c", 1, 5, 5},
        {"abcabcd", 7, 0, -1}, {"bc", 2, -1, -1}, {"bc", 0, 0, -1}, {"x", 1, 0, -1}, {"cab", -1, 0, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindBytes(hay.get(), c.needle, 6, c.needleLen, c.from), c.result) << c.needle << " from " << c.from;
    EXPECT_EQ(FindBytes(nullptr, "a", 6, 1, 0), -1);
    EXPECT_EQ(FindBytes(hay.get(), nullptr, 6, 1, 0), -1);
    EXPECT_EQ(FindBytes("abc", "c", -1, 1, 0), 2);
    EXPECT_EQ(FindBytes(hay.get(), "a", 6, 1, 0x7FFFFFFF), -1);
}

TEST(BufferSearch, ReverseSearches) {
    auto hay = Exact("abcabc", 6);
    EXPECT_EQ(FindBytesReverse(hay.get(), "abc", 6, 3, 0), 3);
    EXPECT_EQ(FindBytesReverse(hay.get(), "abc", 6, 3, 4), -1);
    EXPECT_EQ(FindBytesReverse(hay.get(), "bca", 6, 3, 0), 1);
    EXPECT_EQ(FindBytesReverse(hay.get(), "abcabcabc", 6, 9, 0), -1);
    EXPECT_EQ(FindByteReverse(hay.get(), 'a', 6, 0), 3);
    EXPECT_EQ(FindByteReverse(hay.get(), 'a', 6, 4), -1);
    EXPECT_EQ(FindByteReverse(hay.get(), 'a', 6, 6), -1);
    EXPECT_EQ(FindByteReverse(hay.get(), 'a', 0, 0), -1);
    const char16_t units[] = {u'x', u'y', u'x'};
    EXPECT_EQ(FindUnitReverse(units, u'x', 3, 0), 2);
    EXPECT_EQ(FindUnitReverse(units, u'x', -1, 0), -1);  // lengths used as given
    EXPECT_EQ(FindUnits(units, u"yx", 3, 2, 0), 1);
    EXPECT_EQ(FindUnits(units, u"yx", 3, 2, 2), -1);
}

TEST(BufferCompare, LengthFirstThenUnsignedUnits) {
    EXPECT_EQ(CompareBytes(nullptr, "", 0, 0), 0);
    EXPECT_EQ(CompareBytes(nullptr, "a", 0, 1), -1);
    EXPECT_EQ(CompareBytes("a", nullptr, 1, 0), 1);
    EXPECT_EQ(CompareBytes("b", "aa", -1, -1), -1);
    EXPECT_EQ(CompareBytes("aa", "b", -1, -1), 1);
    EXPECT_EQ(CompareBytes("ab", "ab", 2, 2), 0);
    EXPECT_EQ(CompareBytes("\x80", "\x7F", 1, 1), 1);  // unsigned
    const char16_t high[] = {0xFFFF}, low[] = {0x0001};
    EXPECT_EQ(CompareUnits(high, low, 1, 1), 1);
    EXPECT_EQ(CompareUnits(u"b", u"aa", 1, 2), -1);
    EXPECT_EQ(CompareUnits(nullptr, nullptr, 0, 0), 0);
}

TEST(GStringSearch, FindInBothWidths) {
    GString wide;
    wide.AssignWide(u"Łódź, łódź");
    EXPECT_EQ(wide.Find(u"łódź"), 6);
    EXPECT_EQ(wide.FindNarrow("\xC5\x82\xC3\xB3"), 6);
    EXPECT_EQ(wide.Find(u"ó", 2), 7);
    EXPECT_EQ(wide.Find(u"ó", wide.Length()), -1);
    EXPECT_EQ(wide.Find(u"ó", -1), -1);
    EXPECT_EQ(wide.Find(nullptr), -1);
    EXPECT_EQ(wide.FindNarrow("\xC5"), -1);  // not valid UTF-8

    GString narrow;
    narrow.AssignNarrow("\xC5\x81\xC3\xB3" "d\xC5\xBA");  // Łódź: indexes in bytes
    EXPECT_EQ(narrow.Find(u"ó"), 2);
    EXPECT_EQ(narrow.FindNarrow("d"), 4);
    GString needle;
    needle.AssignWide(u"dź");
    EXPECT_EQ(narrow.FindGString(needle), 4);
    GString empty;
    EXPECT_EQ(empty.Find(u"a"), -1);
    EXPECT_EQ(narrow.FindGString(empty), -1);
}

TEST(GStringSearch, ReverseFindAndFileName) {
    GString path;
    path.AssignWide(u"C:\\a\\b.exe");
    ASSERT_EQ(path.ReverseFind(u'\\', 0), 4);
    path.DropFront(5);
    EXPECT_EQ(Wide(path), u"b.exe");
    EXPECT_EQ(path.ReverseFind(u'x', 5), -1);
    EXPECT_EQ(path.ReverseFind(u'x', -1), -1);

    GString narrow;
    narrow.AssignNarrow("a\xC5\x82" "b\xC5\x82" "c");  // ałbłc
    EXPECT_EQ(narrow.ReverseFind(u'ł', 0), 4);
    EXPECT_EQ(narrow.ReverseFind(u'ł', 5), -1);
    EXPECT_EQ(narrow.ReverseFind(u'a', 0), 0);
}

TEST(GStringCompare, LengthFirstAcrossWidths) {
    GString b;
    b.AssignWide(u"b");
    EXPECT_EQ(b.Compare(u"aa"), -1);
    EXPECT_EQ(b.Compare(u"a"), 1);
    EXPECT_EQ(b.Compare(u"b"), 0);
    EXPECT_EQ(b.Compare(nullptr), 1);
    EXPECT_EQ(b.CompareNarrow("c"), -1);
    GString empty;
    EXPECT_EQ(empty.Compare(u""), 0);
    EXPECT_EQ(empty.Compare(u"x"), -1);

    GString wide, narrow;
    wide.AssignWide(u"żółw");
    narrow.AssignNarrow("\xC5\xBC\xC3\xB3\xC5\x82w");
    EXPECT_TRUE(wide == narrow);
    EXPECT_TRUE(narrow == wide);
    narrow.AppendNarrow("!");
    EXPECT_TRUE(wide != narrow);
}

TEST(GStringCompare, UnconvertibleTextComparesZeroButIsNeverEqual) {
    GString wide, invalid;
    wide.AssignWide(u"x");
    invalid.AssignNarrow("\xFF");
    EXPECT_EQ(wide.CompareNarrow("\xFF"), 0);
    EXPECT_FALSE(wide == invalid);
    EXPECT_TRUE(wide != invalid);
}

}  // namespace
