// Assignment, appending, paths and upper-casing of GString.
#include <gtest/gtest.h>

#include "tests/host/TextTestSupport.h"
#include "text/GString.h"

namespace {

TEST(GStringAppend, MixedWidthConvertsTheArgument) {
    GString wide;
    wide.ClearAsWide();
    ASSERT_EQ(wide.AppendNarrow("\xD0\xB0\xD0\xB1"), 1);  // аб
    ASSERT_EQ(wide.AppendWide(u"в"), 1);
    EXPECT_EQ(Wide(wide), u"абв");

    GString narrow;
    ASSERT_EQ(narrow.AppendWide(u"ą€"), 1);
    EXPECT_EQ(Narrow(narrow), "\xC4\x85\xE2\x82\xAC");

    GString other;
    other.AssignNarrow("+n");
    ASSERT_EQ(wide.Append(other), 1);
    EXPECT_EQ(Wide(wide), u"абв+n");
    ASSERT_EQ(narrow.Append(wide), 1);
    EXPECT_EQ(Narrow(narrow), "\xC4\x85\xE2\x82\xAC\xD0\xB0\xD0\xB1\xD0\xB2+n");
}

TEST(GStringAppend, InvalidUtf8LeavesAWideStringUnchanged) {
    const char* invalid[] = {"\xF0\x9F\x98\x80", "\x80", "ab\xC3", "\xE2\x82\x41", "\xFF"};
    for (const char* text : invalid) {
        GString s;
        s.AssignWide(u"keep");
        EXPECT_EQ(s.AppendNarrow(text), 0) << text;
        EXPECT_EQ(Wide(s), u"keep");
        EXPECT_EQ(*s.WideAt(4), 0);
        EXPECT_EQ(s.AssignNarrowAsWide(text), 0);
    }
}

TEST(GStringAppend, NullAndEmptyArgumentsChangeNothing) {
    GString s;
    s.AssignWide(u"x");
    EXPECT_EQ(s.AppendWide(nullptr), 1);
    EXPECT_EQ(s.AppendNarrow(nullptr, 5), 1);
    EXPECT_EQ(s.AppendToWide(u"abc", 0), 1);
    EXPECT_EQ(Wide(s), u"x");
}

TEST(GStringAppend, ExplicitLengthsStopEarlyAndMayCrossZeros) {
    GString s;
    s.AssignNarrow("abcdef", 3);
    EXPECT_EQ(Narrow(s), "abc");
    const char16_t withZero[] = {u'a', 0, u'b'};
    GString w;
    w.AssignWide(withZero, 3);
    EXPECT_EQ(w.Length(), 3);
}

TEST(GStringAppend, RepeatedCharactersFollowTheWidthRules) {
    struct Case {
        bool wide;
        char16_t ch;
        int count;
        int result;
        int length;
    } cases[] = {
        {true, u'-', 3, 1, 3},   {true, 0x0105, 2, 1, 2}, {true, u'-', 0, 1, 0},  {true, 0, 5, 1, 0},
        {true, u'-', -1, 0, 0},  {false, u'-', 4, 1, 4},  {false, 0x80, 1, 0, 0}, {false, 0x0105, 1, 0, 0},
    };
    for (const Case& c : cases) {
        GString s;
        if (c.wide) s.ClearAsWide();
        EXPECT_EQ(s.AppendRepeated(c.ch, c.count), c.result) << c.ch << " x" << c.count;
        EXPECT_EQ(s.Length(), c.length);
    }
    GString wide;
    wide.ClearAsWide();
    EXPECT_EQ(wide.AppendRepeatedByte(0xC4, 1), 0);
    EXPECT_EQ(wide.AppendRepeatedByte('=', 2), 1);
    EXPECT_EQ(Wide(wide), u"==");
    GString narrow;
    EXPECT_EQ(narrow.AppendRepeatedByte(0xC4, 2), 1);
    EXPECT_EQ(Narrow(narrow), "\xC4\xC4");
}

TEST(GStringAppend, AppendUnlessEndsWith) {
    GString s;
    s.AssignWide(u"C:\\dir");
    EXPECT_EQ(s.AppendUnlessEndsWith(u"dir"), 1);
    EXPECT_EQ(Wide(s), u"C:\\dir");
    EXPECT_EQ(s.AppendUnlessEndsWith(u"\\"), 1);
    EXPECT_EQ(Wide(s), u"C:\\dir\\");
    EXPECT_EQ(s.AppendUnlessEndsWith(u""), 0);
    EXPECT_EQ(s.AppendUnlessEndsWith(nullptr), 0);
    GString shortText;
    shortText.AssignWide(u"ab");
    EXPECT_EQ(shortText.AppendUnlessEndsWith(u"xab"), 1);  // longer than the string: appended
    EXPECT_EQ(Wide(shortText), u"abxab");
    GString narrow;
    narrow.AssignNarrow("plik.\xC5\x82");
    EXPECT_EQ(narrow.AppendUnlessEndsWith(u".ł"), 1);  // converted, then compared byte for byte
    EXPECT_EQ(Narrow(narrow), "plik.\xC5\x82");
}

TEST(GStringAppend, ArgumentsFromTheStringsOwnBlockSurviveReallocation) {
    GString s;
    s.AssignWide(u"0123456789012345678901234567");  // 28 of 29
    ASSERT_EQ(s.AppendWide(s.WideAt(0), s.Length()), 1);
    const std::u16string doubled = u"01234567890123456789012345670123456789012345678901234567";
    EXPECT_EQ(Wide(s), doubled);
    ASSERT_EQ(s.AssignWide(s.WideAt(10)), 1);
    EXPECT_EQ(Wide(s), doubled.substr(10));
    GString t;
    t.AssignNarrow("abc");
    ASSERT_EQ(t.AssignNarrow(t.NarrowAt(0)), 1);
    EXPECT_EQ(Narrow(t), "abc");
    ASSERT_EQ(t.Assign(t), 1);
    EXPECT_EQ(Narrow(t), "abc");
    ASSERT_EQ(t.AssignAsNarrow(&t), 1);
    EXPECT_EQ(Narrow(t), "abc");
    t.AppendPath(t);
    EXPECT_EQ(Narrow(t), "abc\\abc");
}

TEST(GStringAssign, AssignFamilyTakesOrConvertsTheWidth) {
    GString narrow;
    narrow.AssignNarrow("\xC5\xBC");
    GString wide;
    ASSERT_EQ(wide.AssignAsWide(&narrow), 1);
    EXPECT_EQ(Wide(wide), u"ż");
    GString back;
    ASSERT_EQ(back.AssignAsNarrow(&wide), 1);
    EXPECT_EQ(Narrow(back), "\xC5\xBC");
    GString copy;
    ASSERT_EQ(copy.Assign(wide), 1);
    EXPECT_TRUE(copy.IsWide());
    ASSERT_EQ(copy.Assign(narrow), 1);
    EXPECT_FALSE(copy.IsWide());
    EXPECT_EQ(copy.AssignAsWide(nullptr), 0);
    EXPECT_TRUE(copy.IsWide());
    EXPECT_EQ(copy.Length(), 0);
    EXPECT_EQ(copy.AssignAsNarrow(nullptr), 0);
    EXPECT_FALSE(copy.IsWide());
}

TEST(GStringPath, JoinsWithExactlyOneBackslash) {
    struct Case {
        const char16_t* base;
        const char16_t* component;
        const char16_t* expected;
    } cases[] = {
        {u"C:", u"dir", u"C:\\dir"},     {u"C:\\", u"\\dir", u"C:\\dir"}, {u"C:", u"", u"C:\\"},
        {u"", u"dir", u"\\dir"},         {u"", u"", u"\\"},               {u"C:\\a", u"/b", u"C:\\a\\b"},
        {u"C:/a/", u"b", u"C:/a/\\b"},   {u"C:\\a\\", u"\\\\b", u"C:\\a\\\\b"},
        {u"C:\\a", nullptr, u"C:\\a\\"},
    };
    for (const Case& c : cases) {
        GString s;
        s.AssignWide(c.base);
        EXPECT_EQ(s.AppendPath(c.component), 1);
        EXPECT_EQ(Wide(s), c.expected) << "base " << Narrow(s);
    }
}

TEST(GStringPath, NarrowAndGStringForms) {
    GString narrow;
    narrow.AssignNarrow("C:");
    EXPECT_EQ(narrow.AppendPath("Program Files"), 1);
    EXPECT_EQ(narrow.AppendPath(u"\\Fonetika"), 1);
    EXPECT_EQ(Narrow(narrow), "C:\\Program Files\\Fonetika");
    GString wide;
    wide.AssignWide(u"D:");
    GString part;
    part.AssignNarrow("\xC5\x82\xC3\xB3");
    GString& self = wide.AppendPath(part).AppendPath(part);
    EXPECT_EQ(&self, &wide);
    EXPECT_EQ(Wide(wide), u"D:\\łó\\łó");
}

TEST(GStringUpper, UpperCasesInBothWidths) {
    GString wide;
    wide.AssignWide(u"zażółć gęślą jaźń ÿ ı straße");
    ASSERT_EQ(wide.ToUpper(), 1);
    EXPECT_EQ(Wide(wide), u"ZAŻÓŁĆ GĘŚLĄ JAŹŃ Ÿ I STRAßE");
    GString narrow;
    narrow.AssignNarrow("\xD0\xB0\xD0\xB1 \xC4\xB1");  // аб ı: ı shrinks from two bytes to one
    ASSERT_EQ(narrow.ToUpper(), 1);
    EXPECT_EQ(Narrow(narrow), "\xD0\x90\xD0\x91 I");
    GString invalid;
    invalid.AssignNarrow("a\xC3");
    EXPECT_EQ(invalid.ToUpper(), 0);
    EXPECT_EQ(Narrow(invalid), "a\xC3");
}

}  // namespace
