// The digit generators against the C library's exact conversions (%.*e and
// %.*f give the correctly rounded digits of the double's exact value).
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "text/DecimalDigits.h"

namespace {

std::string Digits(const DecimalDigits& d) { return std::string(d.Digits, static_cast<size_t>(d.Count)); }

// Digits and decimal point of "%.*e", which has count - 1 places.
void ReferenceSignificant(double value, int count, std::string& digits, int& point) {
    std::vector<char> text(static_cast<size_t>(count) + 32);
    std::snprintf(text.data(), text.size(), "%.*e", count - 1, std::fabs(value));
    digits.clear();
    const char* p = text.data();
    for (; *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    point = std::atoi(p + 1) + 1;
}

const double kEdges[] = {
    0.0, -0.0, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 4.9406564584124654e-324 * 3, 2.2250738585072009e-308,
    1.0, 0.1, 0.5, 2.5, 0.125, 1e22, 1e23, 9007199254740993.0, 18446744073709551615.0, 9223372036854775807.0,
    -9223372036854775808.0, 5e-324, 1.7976931348623157e308 / 3, 123456789012345678901234567890.0,
};

TEST(DecimalDigits, SignificantDigitsAreCorrectlyRounded) {
    std::mt19937_64 engine(7);
    std::vector<double> values(std::begin(kEdges), std::end(kEdges));
    for (int i = 0; i < 3000; ++i) {
        uint64_t bits = engine();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) values.push_back(d);
    }
    const int counts[] = {1, 2, 6, 15, 16, 17, 18, 40, 120, 309, 351};
    for (double value : values) {
        for (int count : counts) {
            DecimalDigits d;
            ASSERT_EQ(SignificantDigits(value, count, d), 1);
            ASSERT_EQ(d.Count, count);
            EXPECT_EQ(d.Negative, std::signbit(value));
            if (value == 0) {
                EXPECT_EQ(Digits(d), std::string(static_cast<size_t>(count), '0'));
                EXPECT_EQ(d.DecimalPoint, 1);
                continue;
            }
            std::string digits;
            int point;
            ReferenceSignificant(value, count, digits, point);
            ASSERT_EQ(Digits(d), digits) << value << " to " << count;
            ASSERT_EQ(d.DecimalPoint, point) << value << " to " << count;
        }
    }
    DecimalDigits d;
    EXPECT_EQ(SignificantDigits(1.0, 0, d), 0);
    EXPECT_EQ(SignificantDigits(1.0, kMaxDecimalDigits + 1, d), 0);
}

TEST(DecimalDigits, FixedDigitsAreCorrectlyRoundedAndBounded) {
    std::mt19937_64 engine(8);
    std::vector<double> values(std::begin(kEdges), std::end(kEdges));
    for (int i = 0; i < 3000; ++i) values.push_back(std::ldexp(static_cast<double>(engine() >> 11), int(engine() % 1200) - 1100));
    const int placesList[] = {1, 2, 6, 20, 100, 308};
    for (double value : values) {
        for (int places : placesList) {
            std::vector<char> text(1200);
            std::snprintf(text.data(), text.size(), "%.*f", places, std::fabs(value));
            std::string reference;
            for (const char* p = text.data(); *p; ++p)
                if (*p != '.') reference += *p;
            reference.erase(0, reference.find_first_not_of('0'));  // a value below 1 starts with 0.
            DecimalDigits d;
            const int ok = FixedDigits(value, places, d);
            if (static_cast<int>(reference.size()) > kMaxDecimalDigits) {
                EXPECT_EQ(ok, 0) << value << " to " << places;
                continue;
            }
            ASSERT_EQ(ok, 1) << value << " to " << places;
            ASSERT_EQ(Digits(d), reference) << value << " to " << places;
            ASSERT_EQ(d.DecimalPoint, reference.empty() ? -places : d.Count - places) << value;
        }
    }
}

TEST(DecimalDigits, TiesGoToEvenAndCarriesMoveThePoint) {
    struct Case {
        double Value;
        int Places;
        const char* Digits;
        int Point;
    } cases[] = {
        {0.125, 2, "12", 0}, {0.375, 2, "38", 0}, {2.5, 0, "2", 1},   {3.5, 0, "4", 1},
        {0.5, 0, "", 0},     {9.96, 1, "100", 2}, {0.0096, 2, "1", -1}, {0.001, 2, "", -2},
    };
    for (const Case& c : cases) {
        DecimalDigits d;
        ASSERT_EQ(FixedDigits(c.Value, c.Places, d), 1);
        EXPECT_EQ(Digits(d), c.Digits) << c.Value;
        EXPECT_EQ(d.DecimalPoint, c.Point) << c.Value;
    }
    DecimalDigits d;
    ASSERT_EQ(SignificantDigits(9.995, 3, d), 1);  // 9.9949999... below the tie
    EXPECT_EQ(Digits(d), "999");
    ASSERT_EQ(SignificantDigits(99.96, 3, d), 1);
    EXPECT_EQ(Digits(d), "100");
    EXPECT_EQ(d.DecimalPoint, 3);
    EXPECT_EQ(FixedDigits(1e300, 60, d), 0);  // 361 digits
    EXPECT_EQ(FixedDigits(1e290, 60, d), 1);  // 351 digits
    EXPECT_EQ(d.Count, 351);
}

}  // namespace
