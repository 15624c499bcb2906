// The formatter's documented examples, one table of (expected, template, arguments).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

#include "tests/host/FormatTestSupport.h"

namespace {

using namespace std::string_literals;

const char16_t kWithZero[] = {u'a', u'b', u'c', 0, u'e', u'f', 0};
const unsigned char kDump4[] = {0x01, 0xAB, 0x02, 0xCD};
const unsigned char kDump6[] = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6};
const unsigned char kDump3[] = {0x01, 0x02, 0x03};
const unsigned char kAddressBytes[] = {0x0A, 0x00, 0xA8, 0xC0};
const unsigned char kGuid[] = {0x33, 0x22, 0x11, 0x00, 0x55, 0x44, 0x77, 0x66,
                               0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

const uint32_t* Address() {
    static uint32_t address;
    std::memcpy(&address, kAddressBytes, 4);
    return &address;
}

const FormatCase kIntegerCases[] = {
    FORMAT_CASE(u"   42|42   |-0042", u"%5d|%-5d|%05d", 42, 42, -42),
    FORMAT_CASE(u"0xff 0xFF 0377 0y11111111", u"%#x %#X %#o %#y", 255, 255, 255, 255),
    FORMAT_CASE(u"1 234 567|123", u"%`d|%`d", 1234567, 123),
    FORMAT_CASE(u"dead beef|DEAD BEEF", u"%`x|%`X", 0xDEADBEEF, 0xDEADBEEF),
    FORMAT_CASE(u"0x12|-005", u"%#.3x|%.3d", 0x12, -5),
    FORMAT_CASE(u"  {null}|00000012|0x00000012", u"%p|%p|%#p", nullptr, reinterpret_cast<void*>(0x12),
                reinterpret_cast<void*>(0x12)),
    FORMAT_CASE(u"    {null}|    {null}|  {null}    ", u"%#p|%10p|%-12p", nullptr, nullptr, nullptr),
    FORMAT_CASE(u"+7| 7|-7|7", u"%+d|% d|%+ d|%u", 7, 7, -7, 7),
    FORMAT_CASE(u"0x000ff|ffffff01", u"%#07x|%+x", 0xFF, -0xFF),  // zeros after the prefix; unsigned has no sign
    FORMAT_CASE(u"0 012 345", u"%`.7d", 12345),
    FORMAT_CASE(u"9223372036854775807|-9223372036854775808|18446744073709551615", u"%Ld|%lld|%Lu",
                INT64_MAX, INT64_MIN, UINT64_MAX),
    FORMAT_CASE(u"-2147483648|4294967295|1777777777777777777777", u"%d|%u|%Lo", INT32_MIN, UINT32_MAX,
                UINT64_MAX),
    FORMAT_CASE(u"[    -12]", u"[%*d]", 7, -12),
    FORMAT_CASE(u"[-12    ]", u"[%*d]", -7, -12),
    FORMAT_CASE(u"0000000012", u"%.*d", 10, 12),
    FORMAT_CASE(u"5|5", u"%ld|%hd", 5, 5),
};

const FormatCase kTextCases[] = {
    FORMAT_CASE(u"{null}|abc|abc\0"s, u"%s|%.3s|%.*s", static_cast<const char16_t*>(nullptr), u"abcdef", -4,
                kWithZero),
    FORMAT_CASE(u"a{09}b|{E9}|{c3}{a9}", u"%#s|%$S|%$hs", u"a\tb", u"\u00E9", "\xC3\xA9"),
    FORMAT_CASE(u"x|{07}|{7f}|\u00E9|A", u"%c|%#c|%$c|%c|%hc", u'x', 7, 0x7F, 0xE9, 0x141),
    FORMAT_CASE(u"  ab|ab  |000ab", u"%4s|%-4s|%05s", u"ab", u"ab", u"ab"),
    FORMAT_CASE(u"\u0430\u0431\u0432|\u0430\u0431", u"%hs|%.2hs", "\xD0\xB0\xD0\xB1\xD0\xB2", "\xD0\xB0\xD0\xB1\xD0\xB2"),
    FORMAT_CASE(u"a{0a}\u0431", u"%#hs", "a\n\xD0\xB1"),
    FORMAT_CASE(u"<>", u"<%Ls>", u"hidden"),
    FORMAT_CASE(u"{null}", u"%z", static_cast<const GString*>(nullptr)),
};

const FormatCase kBinaryCases[] = {
    FORMAT_CASE(u"01AB02CD|01ab02cd", u"%.4B|%.4b", kDump4, kDump4),
    FORMAT_CASE(u"{a1a2a3a4}{a5a6}", u"%#`.6b", kDump6),
    FORMAT_CASE(u"01 02 03", u"% .3b", kDump3),
    FORMAT_CASE(u"{01} {02} {03}|{01}{02}{03}", u"%# .3b|%#.3b", kDump3, kDump3),
    FORMAT_CASE(u"a1a2a3a4 a5a6|a1 a2 a3 a4  a5 a6|{a1 a2 a3 a4} {a5 a6}", u"%`.6b|% `.6b|%# `.6b", kDump6,
                kDump6, kDump6),
    FORMAT_CASE(u"|7", u"%.0b|%d", kDump3, 7),
    FORMAT_CASE(u"{null}", u"%.2b", static_cast<const void*>(nullptr)),
    FORMAT_CASE(u"192.168.0.10|192.168.000.010|  192.168.0.10", u"%W|%0W|%14w", Address(), Address(), Address()),
    FORMAT_CASE(u"{00112233-4455-6677-8899-aabbccddeeff}|{00112233-4455-6677-8899-AABBCCDDEEFF}", u"%hw|%hW",
                kGuid, kGuid),
};

const FormatCase kTemplateCases[] = {
    FORMAT_CASE(u"q", u"%q"),
    FORMAT_CASE(u"100", u"100%"),
    FORMAT_CASE(u"%|50%", u"%%|50%%"),
    FORMAT_CASE(u"q|8", u"%-5.3q|%d", 8),  // the letter is text, the flags are dropped
    FORMAT_CASE(u"a\r\nb\r\n", u"a%Nb%N"),
};

const FormatCase kFloatCases[] = {
    FORMAT_CASE(u"1.500000|1.500000|0.00|  -2.500|-002.500", u"%f|%.0f|%.2f|%8.3f|%08.3f", 1.5, 1.5, 0.001, -2.5,
                -2.5),
    FORMAT_CASE(u"1.234568e+04|1.000000E-100", u"%e|%E", 12345.678, 1e-100),
    FORMAT_CASE(u"3|3.14|100|0.000123|1.25e+06|1.00", u"%g|%.3g|%.3g|%.3g|%.3g|%#.3g", 3.14159, 3.14159, 100.0,
                0.0001234, 1250000.0, 1.0),
    FORMAT_CASE(u"0x1p+0|0x1p-1|0x2.0p+0", u"%a|%a|%.1a", 1.0, 0.5, 1.96875),
    FORMAT_CASE(u"12.3e-03|12.3 m|4.70 \u00B5|1.00e+30", u"%F|%#F|%#F|%#F", 0.0123, 0.0123, 4.7e-6, 1e30),
    FORMAT_CASE(u"1.5b10|1.5 Ki|1.0 Ki|0.1 Ki|50.  |-2.0 Ki", u"%U|%#U|%#U|%#U|%#U|%#I", 1536, 1536, 1023, 100, 50,
                -2048),
    FORMAT_CASE(u"{ nan}|{ nan}|{ nan}|{ nan}|{ nan}|  {-inf}", u"%f|%e|%g|%a|%F|%8f", kNan, kNan, kNan, kNan, kNan,
                -kInf),
    FORMAT_CASE(u"00{+inf}|{+inf}  ", u"%08e|%-8g", kInf, kInf),
};

void Check(const FormatCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        GString s;
        EXPECT_EQ(cases[i].Call(s), 1) << "line " << cases[i].Line;
        EXPECT_EQ(Utf8Of(Wide(s)), Utf8Of(cases[i].Expected)) << "line " << cases[i].Line;
    }
}

TEST(FormatExamples, Integers) { Check(kIntegerCases, std::size(kIntegerCases)); }
TEST(FormatExamples, CharactersAndStrings) { Check(kTextCases, std::size(kTextCases)); }
TEST(FormatExamples, BytesAddressesAndGuids) { Check(kBinaryCases, std::size(kBinaryCases)); }
TEST(FormatExamples, TemplateSyntax) { Check(kTemplateCases, std::size(kTemplateCases)); }
TEST(FormatExamples, FloatingPointAndSizes) { Check(kFloatCases, std::size(kFloatCases)); }

}  // namespace
