#include "text/UpperCaseRanges.h"

namespace {

struct Range {
    char16_t First, Last;
};

bool In(unsigned u, Range r) { return u >= r.First && u <= r.Last; }

// Alternating upper/lower blocks: the odd unit is the lower-case one.
constexpr Range kAlternating[] = {
    {0x0101, 0x012F}, {0x014B, 0x0177}, {0x01F9, 0x021F}, {0x048B, 0x04BF}, {0x04D1, 0x0525},
    {0x1E01, 0x1E95}, {0x1EA1, 0x1EFF}, {0x2C81, 0x2CE3}, {0xA733, 0xA76F},
};

// Stretches with no mapping at all in the data.
constexpr Range kUnchanged[] = {{0x04D0, 0x1D78}, {0x2185, 0x2C60}, {0x2CEF, 0xA640}, {0xA78D, 0xFFFF}};

}  // namespace

bool UpperCaseByRange(char16_t unit, char16_t* upper) {
    const unsigned u = unit;
    int delta = 0;
    if (u < 0x61 || In(u, {0x7B, 0xDF})) {
        delta = 0;
    } else if (In(u, {0x61, 0x7A}) || In(u, {0xE0, 0xF6}) || In(u, {0x430, 0x44F}) || In(u, {0xFF41, 0xFF5A})) {
        delta = 0x20;
    } else {
        bool decided = false;
        if (u & 1)
            for (Range r : kAlternating)
                if (In(u, r)) decided = true, delta = 1;
        if (!decided) {
            if (In(u, {0x561, 0x586}) || In(u, {0x2C30, 0x2C5E}))
                delta = 0x30;
            else if (In(u, {0x24D0, 0x24E9}))
                delta = 0x1A;
            else if (In(u, {0x2D00, 0x2D25}))
                delta = 0x1C60;
            else {
                bool unchanged = false;
                for (Range r : kUnchanged)
                    if (In(u, r)) unchanged = true;
                if (!unchanged) return false;
            }
        }
    }
    *upper = static_cast<char16_t>(u - delta);
    return true;
}
