// Reading string 86's number as scanf's "%X" would.
#include <gtest/gtest.h>

#include "payload/HexNumber.h"

namespace {

TEST(PayloadHexNumber, ReadsLikeScanfX) {
    const struct {
        const char16_t* text;
        int result;
        uint32_t value;
    } cases[] = {
        {u"0419", 1, 0x0419}, {u"  415", 1, 0x415},   {u"0x0C1a", 1, 0xC1A}, {u"abcZ", 1, 0xABC},
        {u"0x", 1, 0},        {u"-1", 1, 0xFFFFFFFF}, {u"+10", 1, 0x10},     {u"12345678", 1, 0x12345678},
        {u"", 0, 7},          {u"  ", 0, 7},          {u"G1", 0, 7},         {u"-", 0, 7},
        {u"0xZ", 1, 0},
    };
    for (const auto& c : cases) {
        uint32_t value = 7;
        EXPECT_EQ(ScanHexNumber(c.text, value), c.result);
        EXPECT_EQ(value, c.value);
    }
    uint32_t value = 7;
    EXPECT_EQ(ScanHexNumber(nullptr, value), 0);
}

}  // namespace
