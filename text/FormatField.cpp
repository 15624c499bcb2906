// Padding of one conversion's field, shared by every conversion.
#include <cstring>

#include "text/Formatter.h"

namespace {

constexpr int kMaxNumberWidth = 512;

void FillUnits(char16_t* out, char16_t ch, int count) {
    for (int i = 0; i < count; ++i) out[i] = ch;
}

}  // namespace

const char* HexDigits(bool upper) { return upper ? "0123456789ABCDEF" : "0123456789abcdef"; }

FieldWriter::FieldWriter(GString& target, const FormatSpec& spec, int field, Padding padding)
    : target_(target), start_(nullptr), cursor_(nullptr), zeros_(0), rightSpaces_(0) {
    const int pad = spec.Width > field ? spec.Width - field : 0;
    start_ = cursor_ = target.WideBuffer(field + pad);
    if (!cursor_) return;
    if (spec.Has(kFlagLeft)) {
        rightSpaces_ = pad;
    } else if (spec.Has(kFlagZero) && padding != kPadSpacesOnly) {
        zeros_ = pad;
        if (padding == kPadDefault) PutZeroPadding();
    } else {
        FillUnits(cursor_, u' ', pad);
        cursor_ += pad;
    }
}

void FieldWriter::Put(const char* ascii) {
    while (*ascii) *cursor_++ = static_cast<unsigned char>(*ascii++);
}

void FieldWriter::PutEscaped(unsigned code, bool upper) {
    const char* hex = HexDigits(upper);
    Put(u'{');
    Put(static_cast<char16_t>(hex[(code >> 4) & 0xF]));
    Put(static_cast<char16_t>(hex[code & 0xF]));
    Put(u'}');
}

void FieldWriter::PutZeroPadding() {
    FillUnits(cursor_, u'0', zeros_);
    cursor_ += zeros_;
    zeros_ = 0;
}

int FieldWriter::Close() {
    FillUnits(cursor_, u' ', rightSpaces_);
    cursor_ += rightSpaces_;
    target_.SetLength(target_.Length() + static_cast<int>(cursor_ - start_));
    return 1;
}

int AppendNarrowField(GString& target, GString& companion, const FormatSpec& spec, const char* prefix,
                      int prefixLen, const char* text, int bytes, int chars) {
    const int width = spec.Width > kMaxNumberWidth ? kMaxNumberWidth : spec.Width;
    const int field = prefixLen + chars;
    const int pad = width > field ? width - field : 0;
    companion.ClearAsNarrow();
    char* out = companion.NarrowBuffer(prefixLen + bytes + pad);
    if (!out) return 0;
    char* o = out;
    if (!spec.Has(kFlagLeft) && !spec.ZeroPadded()) o = static_cast<char*>(std::memset(o, ' ', pad)) + pad;
    std::memcpy(o, prefix, static_cast<size_t>(prefixLen));
    o += prefixLen;
    if (spec.ZeroPadded()) o = static_cast<char*>(std::memset(o, '0', pad)) + pad;
    std::memcpy(o, text, static_cast<size_t>(bytes));
    o += bytes;
    if (spec.Has(kFlagLeft)) o = static_cast<char*>(std::memset(o, ' ', pad)) + pad;
    companion.SetLength(static_cast<int>(o - out));
    return target.AppendNarrow(companion.NarrowAt(0), companion.Length());
}

int AppendNullForm(GString& target, const FormatSpec& spec, int field) {
    static const char kNull[] = "{null}";
    const int length = sizeof kNull - 1;
    if (field < length) field = length;
    FieldWriter out(target, spec, field);
    if (!out.Ok()) return 0;
    FillUnits(out.Cursor(), u' ', field - length);
    out.Advance(field - length);
    out.Put(kNull);
    return out.Close();
}
