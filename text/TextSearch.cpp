#include "text/TextSearch.h"

#include <cstring>

namespace {

template <class Unit>
int MeasureUnits(const Unit* text) {
    if (!text) return 0;
    int n = 0;
    while (text[n]) ++n;
    return n;
}

template <class Unit>
int Measured(const Unit* text, int len) {
    if (!text) return 0;
    return len < 0 ? MeasureUnits(text) : len;
}

template <class Unit>
bool SameAt(const Unit* hay, const Unit* needle, int needleLen) {
    return std::memcmp(hay, needle, static_cast<size_t>(needleLen) * sizeof(Unit)) == 0;
}

// The bounds checks shared by the forward and the backward search; 64-bit sums
// so that huge arguments cannot wrap around.
template <class Unit>
bool SearchArgumentsValid(const Unit* hay, const Unit* needle, int hayLen, int needleLen, int from) {
    if (!hay || !needle || hayLen <= 0 || needleLen <= 0 || from < 0) return false;
    return static_cast<long long>(from) + needleLen <= hayLen;
}

template <class Unit>
int FindForward(const Unit* hay, const Unit* needle, int hayLen, int needleLen, int from) {
    hayLen = Measured(hay, hayLen);
    needleLen = Measured(needle, needleLen);
    if (!SearchArgumentsValid(hay, needle, hayLen, needleLen, from)) return -1;
    for (int i = from; i <= hayLen - needleLen; ++i)
        if (SameAt(hay + i, needle, needleLen)) return i;
    return -1;
}

template <class Unit>
int FindLastUnit(const Unit* hay, Unit ch, int hayLen, int stop) {
    if (!hay || hayLen <= 0 || stop < 0 || stop >= hayLen) return -1;
    for (int i = hayLen - 1; i >= stop; --i)
        if (hay[i] == ch) return i;
    return -1;
}

template <class Unit>
int CompareLengthFirst(const Unit* a, const Unit* b, int aLen, int bLen) {
    if (!a || aLen < 0) aLen = 0;
    if (!b || bLen < 0) bLen = 0;
    if (aLen == 0) return bLen == 0 ? 0 : -1;
    if (bLen == 0) return 1;
    if (aLen != bLen) return aLen < bLen ? -1 : 1;
    for (int i = 0; i < aLen; ++i)
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    return 0;
}

}  // namespace

int NarrowLength(const char* text) { return MeasureUnits(text); }
int WideLength(const char16_t* text) { return MeasureUnits(text); }

int FindBytes(const void* hay, const void* needle, int hayLen, int needleLen, int from) {
    return FindForward(static_cast<const unsigned char*>(hay), static_cast<const unsigned char*>(needle),
                       hayLen, needleLen, from);
}

int FindUnits(const char16_t* hay, const char16_t* needle, int hayLen, int needleLen, int from) {
    return FindForward(hay, needle, hayLen, needleLen, from);
}

int FindBytesReverse(const void* hayArg, const void* needleArg, int hayLen, int needleLen, int from) {
    const unsigned char* hay = static_cast<const unsigned char*>(hayArg);
    const unsigned char* needle = static_cast<const unsigned char*>(needleArg);
    hayLen = Measured(hay, hayLen);
    needleLen = Measured(needle, needleLen);
    if (!SearchArgumentsValid(hay, needle, hayLen, needleLen, from)) return -1;
    for (int i = hayLen - needleLen; i >= from; --i)
        if (SameAt(hay + i, needle, needleLen)) return i;
    return -1;
}

int FindByteReverse(const void* hayArg, unsigned char ch, int hayLen, int stop) {
    const unsigned char* hay = static_cast<const unsigned char*>(hayArg);
    return FindLastUnit(hay, ch, Measured(hay, hayLen), stop);
}

int FindUnitReverse(const char16_t* hay, char16_t ch, int hayLen, int stop) {
    return FindLastUnit(hay, ch, hayLen, stop);
}

int CompareBytes(const void* aArg, const void* bArg, int aLen, int bLen) {
    const unsigned char* a = static_cast<const unsigned char*>(aArg);
    const unsigned char* b = static_cast<const unsigned char*>(bArg);
    return CompareLengthFirst(a, b, Measured(a, aLen), Measured(b, bLen));
}

int CompareUnits(const char16_t* a, const char16_t* b, int aLen, int bLen) {
    return CompareLengthFirst(a, b, aLen, bLen);
}
