// Random conversions compared with the C library's snprintf (correctly
// rounding: glibc natively, MinGW-w64's own printf under Wine), over the
// conversions both have, with the documented differences mapped:
// - f, e: a precision of 0 (or none) means 6;
// - g: no precision or 0 means 1 significant digit;
// - precisions above 308 count as 308, widths above 512 as 512 (numbers);
// - integers: a precision counts against sign, prefix and digits together;
//   the prefix of X and A is written 0x; '0' pads even with a precision;
// - a, A: a first dropped digit of 8 rounds up, so exact ties are left out;
// - strings: the precision of s counts characters, 0 means the whole text.
// MinGW-w64's printf has flag and padding habits of its own (' ' on unsigned
// values, lost widths with g, zeros in a left-justified A), so under Wine the
// comparison keeps to digits and precisions; the padding code is the same
// code and is compared natively.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/host/FormatTestSupport.h"

namespace {

struct Conversion {
    std::string Flags;
    int Width = -1;      // none
    int Precision = -1;  // none
    char Letter = 'd';
    bool Long = false;
    bool Narrow = false;  // ours only: 'h' makes s take UTF-8 text

    // Our template: the conversion as it stands.
    std::u16string Ours() const {
        std::string t = "%" + Flags;
        if (Width >= 0) t += std::to_string(Width);
        if (Precision >= 0) t += "." + std::to_string(Precision);
        if (Long) t += "ll";
        if (Narrow) t += "h";
        t += Letter;
        return std::u16string(t.begin(), t.end());
    }

    // The C template that means the same.
    std::string Reference(int cPrecision, int cWidth) const {
        std::string t = "%" + Flags;
        if (cWidth >= 0) t += std::to_string(cWidth);
        if (cPrecision >= 0) t += "." + std::to_string(cPrecision);
        if (Long) t += "ll";
        return t + Letter;
    }
};

template <typename T>
std::string CFormat(const std::string& format, T value) {
    const int n = std::snprintf(nullptr, 0, format.c_str(), value);
    std::vector<char> buffer(static_cast<size_t>(n) + 1);
    std::snprintf(buffer.data(), buffer.size(), format.c_str(), value);
    return std::string(buffer.data(), static_cast<size_t>(n));
}

template <typename T>
std::string Ours(const Conversion& c, T value, int* result = nullptr) {
    GString s;
    const std::u16string format = c.Ours();
    const int ok = Format(s, format.c_str(), value);
    if (result) *result = ok;
    return Utf8Of(Wide(s));
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

#ifdef _WIN32
constexpr bool kReferencePads = false;
#else
constexpr bool kReferencePads = true;
#endif

class Random {
public:
    explicit Random(uint64_t seed) : engine_(seed) {}
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool OneIn(int n) { return Between(1, n) == 1; }
    uint64_t Bits() { return engine_(); }
    std::string Flags(const char* allowed) {
        std::string flags;
        if (!kReferencePads) return flags;
        for (const char* f = allowed; *f; ++f)
            if (OneIn(3)) flags += *f;
        return flags;
    }
    // Integers of every bit length, both signs.
    uint64_t Integer() {
        const int bits = Between(0, 64);
        return bits == 64 ? Bits() : Bits() & ((uint64_t{1} << bits) - 1);
    }
    double Double() {
        switch (Between(0, 5)) {
            case 0: {  // any finite bit pattern
                for (;;) {
                    const uint64_t bits = Bits();
                    double d;
                    std::memcpy(&d, &bits, sizeof d);
                    if (std::isfinite(d)) return d;
                }
            }
            case 1: return static_cast<double>(static_cast<int64_t>(Bits()) >> Between(0, 62));
            case 2: return std::ldexp(static_cast<double>(Between(-4096, 4096)), -Between(0, 12));  // ties
            case 3: return (Between(0, 1) ? -1 : 1) * std::pow(10.0, Between(-30, 30)) * Between(1, 999);
            case 4: return std::ldexp(static_cast<double>(Bits() >> 11), Between(-1100, 970));
            default: {
                static const double kEdges[] = {0.0, -0.0, 1.7976931348623157e308, 2.2250738585072014e-308,
                                                4.9406564584124654e-324, 2.2250738585072009e-308, 0.5, 1.5,
                                                2.5, 0.125, 0.375, 1e22, 1e23, 9.5, 0.95, 0.05, 5e-324};
                const double d = kEdges[Between(0, static_cast<int>(std::size(kEdges)) - 1)];
                return Between(0, 1) ? d : -d;
            }
        }
    }
    int Width(int max) { return !kReferencePads || OneIn(3) ? -1 : OneIn(20) ? Between(500, 530) : Between(0, max); }

private:
    std::mt19937_64 engine_;
};

constexpr int kRounds = 6000;

TEST(FormatDifferential, IntegersMatchTheCLibrary) {
    Random random(1);
    const char letters[] = {'d', 'i', 'u', 'x', 'X', 'o'};
    for (int round = 0; round < kRounds; ++round) {
        Conversion c;
        c.Letter = letters[random.Between(0, 5)];
        c.Long = random.OneIn(2);
        c.Flags = random.Flags("-+ 0#");
        c.Width = random.Width(30);
        c.Precision = random.OneIn(2) ? -1 : random.Between(0, 40);
        const uint64_t bits = random.Integer();
        const bool signedLetter = c.Letter == 'd' || c.Letter == 'i';
        const bool negative = signedLetter && (c.Long ? static_cast<int64_t>(bits) < 0
                                                      : static_cast<int32_t>(bits) < 0);
        const uint64_t magnitude =
            c.Long ? (negative ? 0 - bits : bits)
                   : (negative ? 0 - static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(bits)))
                               : static_cast<uint32_t>(bits));
        const bool alternate = c.Flags.find('#') != std::string::npos;
        if (alternate && magnitude == 0) continue;  // C drops the prefix of 0
        if (c.Flags.find('0') != std::string::npos && c.Precision > 0 && c.Flags.find('-') == std::string::npos)
            continue;  // C ignores '0' when a precision is given

        // Digits we write: the precision when it covers sign, prefix and digits.
        const unsigned radix = c.Letter == 'o' ? 8 : (c.Letter == 'x' || c.Letter == 'X') ? 16 : 10;
        int digits = 1;
        for (uint64_t v = magnitude; v >= radix; v /= radix) ++digits;
        const bool showsSign = signedLetter && (negative || c.Flags.find_first_of("+ ") != std::string::npos);
        const int prefix = alternate ? (radix == 16 ? 2 : radix == 8 ? 1 : 0) : 0;
        const int precision = c.Precision <= 0 ? 1 : c.Precision;
        const int cPrecision =
            c.Precision <= 0 ? -1 : precision >= (showsSign ? 1 : 0) + prefix + digits ? precision : digits;

        std::string expected = c.Long ? CFormat(c.Reference(cPrecision, c.Width), static_cast<long long>(bits))
                                      : CFormat(c.Reference(cPrecision, c.Width), static_cast<int>(bits));
        if (c.Letter == 'X') ReplaceAll(expected, "0X", "0x");
        const std::string actual = c.Long ? Ours(c, static_cast<long long>(bits)) : Ours(c, static_cast<int>(bits));
        ASSERT_EQ(actual, expected) << Utf8Of(c.Ours()) << " of " << bits;
    }
}

TEST(FormatDifferential, FloatingPointMatchesTheCLibrary) {
    Random random(2);
    const char letters[] = {'f', 'e', 'E', 'g', 'G'};
    int failedLong = 0;
    for (int round = 0; round < 4 * kRounds; ++round) {
        Conversion c;
        c.Letter = letters[random.Between(0, 4)];
        c.Flags = random.Flags("-+ 0#");
        c.Width = random.Width(40);
        c.Precision = random.OneIn(3) ? -1 : random.OneIn(15) ? random.Between(300, 420) : random.Between(0, 25);
        const double value = random.Double();
        const bool general = c.Letter == 'g' || c.Letter == 'G';
        int cPrecision = c.Precision <= 0 ? (general ? 1 : 6) : c.Precision > 308 ? 308 : c.Precision;
        const int cWidth = c.Width > 512 ? 512 : c.Width;
        const std::string expected = CFormat(c.Reference(cPrecision, cWidth), value);
        int ok = 0;
        const std::string actual = Ours(c, value, &ok);
        if (!ok) {
            // Only a fixed digit string longer than 351 digits may fail, leaving nothing.
            int digitCount = 0;
            for (char ch : expected) digitCount += ch >= '0' && ch <= '9';
            ASSERT_EQ(c.Letter, 'f') << Utf8Of(c.Ours()) << " of " << value;
            ASSERT_GT(digitCount, 351) << Utf8Of(c.Ours()) << " of " << value;
            ASSERT_EQ(actual, "");
            ++failedLong;
            continue;
        }
        ASSERT_EQ(actual, expected) << Utf8Of(c.Ours()) << " of " << value;
    }
    EXPECT_GT(failedLong, 0);  // the long fixed strings were reached
}

TEST(FormatDifferential, HexadecimalFloatingPointMatchesTheCLibrary) {
    Random random(3);
    for (int round = 0; round < 2 * kRounds; ++round) {
        Conversion c;
        c.Letter = random.OneIn(2) ? 'a' : 'A';
        c.Flags = random.Flags("-+ 0#");
        c.Width = random.Width(40);
        c.Precision = random.OneIn(2) ? -1 : random.Between(0, 16);
        const double value = random.Double();
        uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
        if (c.Precision > 0 && c.Precision < 13) {
            const int dropped = 4 * (13 - c.Precision);
            if ((fraction & ((uint64_t{1} << dropped) - 1)) == uint64_t{1} << (dropped - 1)) continue;  // a tie
        }
        std::string expected =
            CFormat(c.Reference(c.Precision <= 0 ? -1 : c.Precision, c.Width > 512 ? 512 : c.Width), value);
        ReplaceAll(expected, "0X", "0x");
        ASSERT_EQ(Ours(c, value), expected) << Utf8Of(c.Ours()) << " of " << value;
    }
}

TEST(FormatDifferential, CharactersAndStringsMatchTheCLibrary) {
    Random random(4);
    for (int round = 0; round < kRounds; ++round) {
        std::string text;
        for (int n = random.Between(0, 20); n > 0; --n) text += static_cast<char>(random.Between(32, 126));
        Conversion c;
        c.Flags = random.Flags("-");
        c.Width = random.Width(30);
        if (random.OneIn(3)) {
            c.Letter = 'c';
            const int ch = random.Between(32, 126);
            ASSERT_EQ(Ours(c, ch), CFormat(c.Reference(-1, c.Width), ch));
            continue;
        }
        c.Precision = random.OneIn(2) ? -1 : random.Between(1, 25);
        c.Letter = 's';
        const std::string expected = CFormat(c.Reference(c.Precision, c.Width), text.c_str());
        const std::u16string wide(text.begin(), text.end());
        ASSERT_EQ(Ours(c, wide.c_str()), expected) << Utf8Of(c.Ours());
        c.Narrow = true;
        ASSERT_EQ(Ours(c, text.c_str()), expected) << Utf8Of(c.Ours());
    }
}

}  // namespace
