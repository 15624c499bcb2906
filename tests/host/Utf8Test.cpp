// UTF-16 <-> UTF-8 conversion rules.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/Utf8.h"

namespace {

std::string Encode(const std::u16string& text) {
    std::string out(static_cast<size_t>(Utf8Size(text.data(), static_cast<int>(text.size()))), '\0');
    const int written = EncodeUtf8(text.data(), static_cast<int>(text.size()), &out[0]);
    EXPECT_EQ(written, static_cast<int>(out.size()));
    return out;
}

TEST(Utf8, EncodesByThreshold) {
    EXPECT_EQ(Encode(u"\u00E9"), "\xC3\xA9");
    EXPECT_EQ(Encode(u"\u20AC"), "\xE2\x82\xAC");
    EXPECT_EQ(Encode(u"\U0001F600"), "\xED\xA0\xBD\xED\xB8\x80");  // each surrogate on its own
    EXPECT_EQ(Encode(u"\u007F\u0080\u07FF\u0800\uFFFF"), "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF");
    const char16_t zero[] = {u'a', 0, u'b'};
    EXPECT_EQ(Encode(std::u16string(zero, 3)), std::string("a\0b", 3));
    EXPECT_EQ(Utf8Size(nullptr, 5), 0);
    EXPECT_EQ(Utf8Size(u"abc", 0), 0);
}

TEST(Utf8, DecodesValidTextAndRoundTripsEveryUnit) {
    char16_t out[8];
    EXPECT_EQ(DecodeUtf8("\xED\xA0\xBD\xED\xB8\x80", 6, out), 2);
    EXPECT_EQ(out[0], 0xD83D);
    EXPECT_EQ(out[1], 0xDE00);
    EXPECT_EQ(DecodeUtf8("\xC0\x80", 2, out), 1);  // overlong zero is accepted
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(DecodeUtf8("\xE0\x80\xAF", 3, out), 1);
    EXPECT_EQ(out[0], u'/');
    EXPECT_EQ(DecodeUtf8(nullptr, 4, out), 0);
    EXPECT_EQ(DecodeUtf8("abc", 0, out), 0);
    EXPECT_EQ(DecodeUtf8("ab\0cd", -1, out), 2);

    std::u16string all;
    for (unsigned u = 0; u <= 0xFFFF; ++u) all.push_back(static_cast<char16_t>(u));
    const std::string encoded = Encode(all);
    std::vector<char16_t> decoded(all.size());
    ASSERT_EQ(DecodeUtf8(encoded.data(), static_cast<int>(encoded.size()), decoded.data()), 0x10000);
    EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), all.begin()));
    EXPECT_EQ(Utf8CharCount(encoded.data(), static_cast<int>(encoded.size())), 0x10000);
}

TEST(Utf8, InvalidSequencesFailTheWholeDecoding) {
    const std::string invalid[] = {
        "\xF0\x9F\x98\x80", "\x80", "\xC3", "a\xC3", "\xE2\x82", "\xE2\x82\x41", "\xC3\x41",
        "\xFF", "\xF8\x80\x80\x80\x80", "ok\xBF", "\xE2\x41\x82",
    };
    for (const std::string& text : invalid) {
        std::vector<char16_t> out(static_cast<size_t>(Utf8CharCount(text.data(), static_cast<int>(text.size()))));
        EXPECT_EQ(DecodeUtf8(text.data(), static_cast<int>(text.size()), out.data()), -1) << text;
    }
    // A length that cuts a valid sequence makes it invalid.
    char16_t out[4];
    EXPECT_EQ(DecodeUtf8("\xC3\xA9", 1, out), -1);
}

TEST(Utf8, CharCountFollowsLeadBytes) {
    struct Case {
        const char* text;
        int len;
        int count;
    } cases[] = {
        {"abc", -1, 3},           {"\xC3\xA9x", -1, 2},        {"\xE2\x82\xAC", 3, 1},
        {"\xF0\x9F\x98\x80", 4, 1}, {"\x80zz", 3, 1},           {"a\xFF" "bc", 4, 2},
        {"\xC3", 1, 1},           {"\xE2\x82", -1, 1},         {nullptr, 3, 0},
        {"\xC3\x00" "abc", -1, 1},  // the terminator ends the text even inside a sequence
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8CharCount(c.text, c.len), c.count) << c.text;
}

// DecodeUtf8 never writes more units than Utf8CharCount announced, whatever the bytes.
TEST(Utf8, CharCountNeverUndercountsTheDecoder) {
    std::mt19937 random(52);
    const unsigned char interesting[] = {0x00, 0x41, 0x7F, 0x80, 0xBF, 0xC0, 0xC3, 0xDF, 0xE0, 0xE2, 0xEF, 0xF0, 0xF8, 0xFF};
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 12, '\0');
        for (char& b : text) b = static_cast<char>(interesting[random() % sizeof interesting]);
        const int count = Utf8CharCount(text.data(), static_cast<int>(text.size()));
        std::vector<char16_t> out(static_cast<size_t>(count) + 1, 0xBEEF);
        const int units = DecodeUtf8(text.data(), static_cast<int>(text.size()), out.data());
        ASSERT_LE(units, count);
        ASSERT_EQ(out[static_cast<size_t>(count)], 0xBEEF);
    }
}

TEST(Utf8, AdvanceStepsOverCharacters) {
    const char text[] = "a\xC3\xA9\xE2\x82\xAC" "b";  // a é € b: 7 bytes, 4 characters
    EXPECT_EQ(Utf8Advance(text, 0, 7), text);
    EXPECT_EQ(Utf8Advance(text, -1, 7), nullptr);
    EXPECT_EQ(Utf8Advance(text, 1, 7), text + 1);
    EXPECT_EQ(Utf8Advance(text, 2, 7), text + 3);
    EXPECT_EQ(Utf8Advance(text, 3, 7), text + 6);
    EXPECT_EQ(Utf8Advance(text, 7, 7), nullptr);
    EXPECT_EQ(Utf8Advance(text, 1, 0), nullptr);
    EXPECT_EQ(Utf8Advance(text, 2, 4), text + 3);
    const char cut[] = "\xE2\x82\xAC" "\xE2\x82";
    EXPECT_EQ(Utf8Advance(cut, 2, 5), cut + 5);  // stops where the bytes run out
}

}  // namespace
