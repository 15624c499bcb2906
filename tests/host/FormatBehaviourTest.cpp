// Failures midway, limits, string objects and records, the count, and the
// edge values of the numeric conversions.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <vector>

#include "tests/host/FormatTestSupport.h"

namespace {

using namespace std::string_literals;

int AppendFormat(GString& target, const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = target.AppendFormatV(format, args);
    va_end(args);
    return result;
}

TEST(FormatFailure, AFailingConversionKeepsTheTextMadeSoFarAndIgnoresTheRest) {
    int count = -1;
    const struct {
        const char16_t* Format;
        const char16_t* Kept;
    } cases[] = {
        {u"ab%d|%t|%d%n", u"ab5|"},
        {u"ab%d|%T|%d%n", u"ab5|"},
        {u"ab%d|%Y|%d%n", u"ab5|"},
    };
    for (const auto& c : cases) {
        GString s;
        EXPECT_EQ(Format(s, c.Format, 5, 6, 7, &count), 0);
        EXPECT_EQ(Wide(s), c.Kept);
        EXPECT_EQ(*s.WideAt(s.Length()), 0);
    }
    EXPECT_EQ(count, -1);  // the %n after the failure never ran

    GString s;
    EXPECT_EQ(Format(s, u"x=%d %hs!", 1, "ok\xC3"), 0);  // cut-off UTF-8
    EXPECT_EQ(Wide(s), u"x=1 ");
    EXPECT_EQ(Format(s, u"x=%10hs!", "\xF0\x9F\x98\x80"), 0);  // a four-byte sequence, padding not kept
    EXPECT_EQ(Wide(s), u"x=");
    EXPECT_EQ(Format(s, u"%#hs", "a\x01\xC3"), 0);
    EXPECT_EQ(Format(s, u"[%hc]", 0xE9), 0);
    EXPECT_EQ(Wide(s), u"[");
    EXPECT_EQ(Format(s, u"[%.60f]", 1e300), 0);  // 361 digits
    EXPECT_EQ(Wide(s), u"[");
    EXPECT_EQ(Format(s, u"[%*d]", INT_MAX, 1), 0);  // no room for the padding
    EXPECT_EQ(Wide(s), u"[");
}

TEST(FormatFailure, NarrowTargetsAndNullTemplatesAreRefused) {
    GString narrow;
    narrow.AssignNarrow("keep");
    EXPECT_EQ(AppendFormat(narrow, u"%d", 1), 0);
    EXPECT_EQ(Narrow(narrow), "keep");
    GString wide;
    wide.AssignWide(u"keep");
    EXPECT_EQ(AppendFormat(wide, nullptr), 0);
    EXPECT_EQ(Wide(wide), u"keep");
    EXPECT_EQ(Format(narrow, u"%d", 3), 1);  // Format makes the string wide first
    EXPECT_EQ(Wide(narrow), u"3");
}

TEST(FormatBehaviour, NewlinesInEitherWidth) {
    GString wide;
    wide.AssignWide(u"a");
    GString narrow;
    narrow.AssignNarrow("b");
    ASSERT_EQ(wide.AppendNewline(), 1);
    ASSERT_EQ(narrow.AppendNewline(), 1);
    EXPECT_EQ(Wide(wide), u"a\r\n");
    EXPECT_EQ(Narrow(narrow), "b\r\n");
}

TEST(FormatBehaviour, AppendsAndCountsFromTheStartOfTheCall) {
    GString s;
    s.AssignWide(u"head:");
    int first = -1, second = -1;
    ASSERT_EQ(AppendFormat(s, u"%n%5d%n|%n", &first, 42, &second, static_cast<int*>(nullptr)), 1);
    EXPECT_EQ(Wide(s), u"head:   42|");
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 5);
}

TEST(FormatBehaviour, AnArgumentFromTheTargetsOwnBlockSurvivesGrowth) {
    GString s;
    s.AssignWide(u"0123456789abcdefghij");  // 20 of 29 units
    const char16_t* own = s.WideAt(0);
    // The literal '|' is already there when %s reads, and %z sees all before it;
    // the block is replaced during %s.
    ASSERT_EQ(AppendFormat(s, u"|%s|%z", own, &s), 1);
    EXPECT_EQ(Wide(s), u"0123456789abcdefghij|0123456789abcdefghij||0123456789abcdefghij|0123456789abcdefghij||");
}

TEST(FormatBehaviour, ATemplateFromTheTargetsOwnBlockSurvivesGrowth) {
    GString s;
    s.AssignWide(u"%d-%s-%d-%s|");
    ASSERT_EQ(AppendFormat(s, s.WideAt(0), 1, u"0123456789abcdefghij", 2, u"0123456789"), 1);
    EXPECT_EQ(Wide(s), u"%d-%s-%d-%s|1-0123456789abcdefghij-2-0123456789|");
}

TEST(FormatBehaviour, StringObjectsAndRecordsEndAtTheirFirstZero) {
    GString wide;
    wide.AssignWide(u"wi\0de", 5);
    GString narrow;
    narrow.AssignNarrow("\xD0\xB6\x01");
    const unsigned char narrowRecord[] = {3, 0, 0, 0x80, 'a', 0, 'c', 0};
    const char16_t wideRecord[] = {3, 0, u'x', u'y', u'z', 0};
    GString s;
    ASSERT_EQ(Format(s, u"%z|%.*z|%#z|%$Z|%hz|%hz|%-4.2hz|", &wide, -5, &wide, &narrow, &narrow, narrowRecord,
                     wideRecord, wideRecord),
              1);
    EXPECT_EQ(Wide(s), u"wi|wi|\u0436{01}|{D0}{B6}{01}|a|xyz|xy  |");
}

TEST(FormatBehaviour, NegativeStringPrecisionTakesExactlyThatManyCharacters) {
    const char bytes[] = {'a', '\xC3', '\xA9', 0, 'b'};
    GString s;
    ASSERT_EQ(Format(s, u"%.*hs|%.*hs|%$.*hs", -4, bytes, -2, bytes, -3, bytes), 1);
    EXPECT_EQ(Wide(s), u"a\u00E9\0b|a\u00E9|a{c3}{a9}"s);
}

TEST(FormatBehaviour, NumericEdgeValues) {
    const FormatCase cases[] = {
        FORMAT_CASE(u"0.000000|-0.000000|0.000000e+00|-0|0x0p+0|-0x0p+0", u"%f|%f|%e|%g|%a|%a", 0.0, -0.0, 0.0,
                    -0.0, 0.0, -0.0),
        FORMAT_CASE(u"1.797693e+308|2.225074e-308|4.940656e-324|0x1.fffffffffffffp+1023|0x0.0000000000001p-1022",
                    u"%e|%e|%e|%a|%a", DBL_MAX, DBL_MIN, DBL_TRUE_MIN, DBL_MAX, DBL_TRUE_MIN),
        FORMAT_CASE(u"0x1p-1022|0x0.fffffffffffffp-1022|2.2250738585072009e-308", u"%a|%a|%.16e", DBL_MIN,
                    2.2250738585072009e-308, 2.2250738585072009e-308),
        // Ties: to even from the exact digits; a first dropped hexadecimal digit of 8 rounds up.
        FORMAT_CASE(u"0.12|0.38|2|4|0x1.8p+0|0x1.1p+0|0x1.2p+0", u"%.2f|%.2f|%.1g|%.1g|%.0a|%.1a|%.1a", 0.125, 0.375,
                    2.5, 3.5, 1.5, 1.03125, 1.09375),
        FORMAT_CASE(u"+0003.14|-0x0001p+0|-00001.00e+00| +1.5b10|+001.5 Ki", u"%+08.2f|%010a|%013.2e|%+8U|%+#09.2U",
                    3.14159, -1.0, -1.0, 1536, 1536),
        FORMAT_CASE(u"4.70e+03|1.50 T|-9.22 E|0.00  ", u"%hF|%#LF|%#LF|%#F", 4700, 1500000000000LL, INT64_MIN, 0.0),
        FORMAT_CASE(u"16. Ei|-8.0 Ei|1.0b00|1023.b00|0.98 Ki|1.00b20", u"%#LU|%#LI|%U|%.4U|%#.3U|%.3U", UINT64_MAX,
                    INT64_MIN, 1, 1023, 1000, 1023 * 1024 + 1020),
    };
    for (const FormatCase& c : cases) {
        GString s;
        EXPECT_EQ(c.Call(s), 1) << "line " << c.Line;
        EXPECT_EQ(Utf8Of(Wide(s)), Utf8Of(c.Expected)) << "line " << c.Line;
    }
}

TEST(FormatBehaviour, WidthsAndPrecisionsAtTheirLimits) {
    GString s;
    ASSERT_EQ(Format(s, u"%600f", 1.0), 1);
    EXPECT_EQ(s.Length(), 512);  // numbers stop at 512
    ASSERT_EQ(Format(s, u"%-600g|", std::numeric_limits<double>::infinity()), 1);
    EXPECT_EQ(s.Length(), 513);
    ASSERT_EQ(Format(s, u"%600d", 1), 1);
    EXPECT_EQ(s.Length(), 600);  // integers take the width as it is
    ASSERT_EQ(Format(s, u"%.400f", 1.0), 1);
    EXPECT_EQ(s.Length(), 2 + 308);
    ASSERT_EQ(Format(s, u"%.400e", 1.0), 1);
    EXPECT_EQ(s.Length(), 2 + 308 + 4);
    ASSERT_EQ(Format(s, u"%.400d", 7), 1);
    EXPECT_EQ(s.Length(), 308);
    ASSERT_EQ(Format(s, u"%.308f", DBL_MAX), 0);  // 309 + 308 digits
    ASSERT_EQ(Format(s, u"%.42f", DBL_MAX), 1);   // 351 digits
    EXPECT_EQ(s.Length(), 309 + 1 + 42);
    ASSERT_EQ(Format(s, u"[%.*b]", INT_MAX, "x"), 0);
    EXPECT_EQ(Wide(s), u"[");
    ASSERT_EQ(Format(s, u"%99999999999d|", 1), 1);  // ten digits are read, the eleventh is text
    EXPECT_EQ(Wide(s), u"9d|");
}

}  // namespace
