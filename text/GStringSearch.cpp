#include <cstring>

#include "text/GString.h"
#include "text/TextSearch.h"
#include "text/Utf8.h"

const void* GString::Text() const {
    if (Block_) return TextStart();
    return IsWide_ ? static_cast<const void*>(kEmptyWide) : static_cast<const void*>(kEmptyNarrow);
}

int GString::Find(const char16_t* text, int from, int len) const {
    if (!text || Length_ == 0 || from < 0 || from >= Length_) return -1;
    if (IsWide_) return FindUnits(static_cast<const char16_t*>(Text()), text, Length_, len, from);
    if (len < 0) len = WideLength(text);
    const void* needle = Staged(text, len, true);
    return needle ? FindBytes(Text(), needle, Length_, len, from) : -1;
}

int GString::FindNarrow(const char* text, int from, int len) const {
    if (!text || Length_ == 0 || from < 0 || from >= Length_) return -1;
    if (!IsWide_) return FindBytes(Text(), text, Length_, len, from);
    if (len < 0) len = NarrowLength(text);
    const void* needle = Staged(text, len, false);
    return needle ? FindUnits(static_cast<const char16_t*>(Text()), static_cast<const char16_t*>(needle), Length_,
                              len, from)
                  : -1;
}

int GString::FindGString(const GString& needle, int from) const {
    return needle.IsWide_ ? Find(needle.WideAt(0), from, needle.Length_)
                          : FindNarrow(needle.NarrowAt(0), from, needle.Length_);
}

int GString::ReverseFind(char16_t ch, int stop) const {
    if (stop < 0 || stop >= Length_) return -1;
    if (IsWide_) return FindUnitReverse(static_cast<const char16_t*>(Text()), ch, Length_, stop);
    if (ch <= 0x7F) return FindByteReverse(Text(), static_cast<unsigned char>(ch), Length_, stop);
    char sequence[3];
    const int size = EncodeUtf8(&ch, 1, sequence);
    return FindBytesReverse(Text(), sequence, Length_, size, stop);
}

int GString::CompareOwn(const void* text, int len) const {
    if (Length_ == 0) return len == 0 ? 0 : -1;
    if (len == 0) return 1;
    if (IsWide_) return CompareUnits(static_cast<const char16_t*>(Text()), static_cast<const char16_t*>(text), Length_, len);
    return CompareBytes(Text(), text, Length_, len);
}

int GString::CompareWith(const void* text, int len, bool wide, bool* failed) const {
    if (!text) len = 0;
    else if (len < 0) len = wide ? WideLength(static_cast<const char16_t*>(text)) : NarrowLength(static_cast<const char*>(text));
    if (failed) *failed = false;
    if (len == 0) return CompareOwn(text, 0);
    const void* own = Staged(text, len, wide);
    if (!own) {
        if (failed) *failed = true;
        return 0;
    }
    return CompareOwn(own, len);
}

int GString::Compare(const char16_t* text, int len) const { return CompareWith(text, len, true, nullptr); }

int GString::CompareNarrow(const char* text, int len) const { return CompareWith(text, len, false, nullptr); }

// A text that cannot be converted compares as 0 but is never equal.
bool Equal(const GString& a, const GString& b) {
    bool failed;
    const int order = b.IsWide() ? a.CompareWith(b.WideAt(0), b.Length(), true, &failed)
                                 : a.CompareWith(b.NarrowAt(0), b.Length(), false, &failed);
    return !failed && order == 0;
}

bool NotEqual(const GString& a, const GString& b) { return !Equal(a, b); }
