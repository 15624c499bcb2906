// The upper-case mapping against the Unicode 5.2 data itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "text/UpperCase.h"

namespace {

constexpr unsigned kExcluded[] = {0x00B5, 0x03D0, 0x03D5, 0x03D6, 0x03F0, 0x03F1};

std::string DataFile() { return std::string(FONETIKA_TEST_DATA_DIR) + "/ucd-5.2-simple-uppercase.txt"; }

TEST(UpperCase, EveryUnitMatchesUnicode52LessTheExclusions) {
    std::FILE* file = std::fopen(DataFile().c_str(), "r");
    ASSERT_NE(file, nullptr) << "cannot open " << DataFile();
    std::map<unsigned, unsigned> expected;
    char line[256];
    while (std::fgets(line, sizeof line, file)) {
        unsigned code, upper;
        if (line[0] != '#' && std::sscanf(line, "%x %x", &code, &upper) == 2) expected[code] = upper;
    }
    std::fclose(file);
    ASSERT_EQ(expected.size(), 997u);
    for (unsigned e : kExcluded) expected.erase(e);

    int mismatches = 0;
    for (unsigned u = 0; u <= 0xFFFF; ++u) {
        const auto it = expected.find(u);
        const unsigned want = it == expected.end() ? u : it->second;
        const unsigned got = UpperCaseUnit(static_cast<char16_t>(u));
        if (got != want && ++mismatches <= 10) ADD_FAILURE() << std::hex << "U+" << u << " gave " << got << ", want " << want;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(UpperCase, TableIsSortedStrictlyAndHoldsOnlyRealMappings) {
    ASSERT_EQ(kCaseTableRows, 394u);
    for (unsigned i = 1; i < kCaseTableRows; ++i) EXPECT_LT(kCaseTable[i - 1].Lower, kCaseTable[i].Lower);
    for (unsigned i = 0; i < kCaseTableRows; ++i) EXPECT_NE(kCaseTable[i].Lower, kCaseTable[i].Upper);
}

TEST(UpperCase, TellingUnits) {
    const struct {
        char16_t in, out;
    } cases[] = {
        {0x00FF, 0x0178}, {0x0131, 0x0049}, {0x1F80, 0x1F88}, {0x2D00, 0x10A0}, {0x1D79, 0xA77D},
        {0xA78C, 0xA78B}, {0x00DF, 0x00DF}, {0x00B5, 0x00B5}, {0x03D0, 0x03D0}, {0xD800, 0xD800},
        {0xA791, 0xA791}, {0x0265, 0x0265}, {u'a', u'A'},     {0x044F, 0x042F}, {0xFF41, 0xFF21},
    };
    for (const auto& c : cases) EXPECT_EQ(UpperCaseUnit(c.in), c.out) << std::hex << unsigned(c.in);
}

}  // namespace
