// b, B (byte dumps), w, W (IPv4 addresses) and hw, hW (GUIDs).
#include <climits>
#include <cstdint>
#include <cstring>

#include "text/Formatter.h"

namespace {

constexpr int kGroupBytes = 4;

void PutByte(FieldWriter& out, unsigned char byte, const char* hex) {
    out.Put(static_cast<char16_t>(hex[byte >> 4]));
    out.Put(static_cast<char16_t>(hex[byte & 0xF]));
}

int DumpLength(int bytes, bool braces, bool spaces, bool grouped) {
    const int groups = (bytes + kGroupBytes - 1) / kGroupBytes;
    int field = 2 * bytes;
    if (grouped)
        field += braces ? 2 * groups : groups - 1;
    else if (braces)
        field += 2 * bytes;
    return field + (spaces ? bytes - 1 : 0);
}

int Ipv4(GString& s, const FormatSpec& spec, uint32_t address) {
    const bool padded = spec.Has(kFlagZero);
    int field = 3;  // the dots
    for (int shift = 24; shift >= 0; shift -= 8) {
        const unsigned octet = (address >> shift) & 0xFF;
        field += padded ? 3 : octet >= 100 ? 3 : octet >= 10 ? 2 : 1;
    }
    FieldWriter out(s, spec, field, FieldWriter::kPadSpacesOnly);
    if (!out.Ok()) return 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const unsigned octet = (address >> shift) & 0xFF;
        if (padded || octet >= 100) out.Put(static_cast<char16_t>(u'0' + octet / 100));
        if (padded || octet >= 10) out.Put(static_cast<char16_t>(u'0' + octet / 10 % 10));
        out.Put(static_cast<char16_t>(u'0' + octet % 10));
        if (shift) out.Put(u'.');
    }
    return out.Close();
}

int Guid(GString& s, const FormatSpec& spec, const unsigned char* guid) {
    // Data1, Data2 and Data3 are little-endian numbers, Data4 a byte array.
    static const signed char kOrder[] = {3, 2, 1, 0, -1, 5, 4, -1, 7, 6, -1, 8, 9, -1, 10, 11, 12, 13, 14, 15};
    FieldWriter out(s, spec, 38, FieldWriter::kPadSpacesOnly);
    if (!out.Ok()) return 0;
    const char* hex = HexDigits(spec.Upper);
    out.Put(u'{');
    for (signed char at : kOrder) {
        if (at < 0)
            out.Put(u'-');
        else
            PutByte(out, guid[at], hex);
    }
    out.Put(u'}');
    return out.Close();
}

}  // namespace

int Formatter::Bytes(GString& s, const FormatSpec& spec, FormatArgs& args) {
    const unsigned char* data = static_cast<const unsigned char*>(args.Pointer());
    const int count = spec.Precision;
    if (count <= 0) return 1;
    if (!data) return AppendNullForm(s, spec);
    if (count > INT_MAX / 5) return 0;  // the field could not be counted, let alone held
    const bool braces = spec.Has(kFlagAlternate), spaces = spec.Has(kFlagSpace), grouped = spec.Has(kFlagGroup);
    FieldWriter out(s, spec, DumpLength(count, braces, spaces, grouped));
    if (!out.Ok()) return 0;
    const char* hex = HexDigits(spec.Upper);
    for (int i = 0; i < count; ++i) {
        const bool groupStart = grouped && i % kGroupBytes == 0;
        const bool groupEnd = grouped && (i % kGroupBytes == kGroupBytes - 1 || i == count - 1);
        if (i > 0) {
            if (spaces) out.Put(u' ');
            if (groupStart && !braces) out.Put(u' ');  // unbraced groups: one more space
        }
        if (braces && (!grouped || groupStart)) out.Put(u'{');
        PutByte(out, data[i], hex);
        if (braces && (!grouped || groupEnd)) out.Put(u'}');
    }
    return out.Close();
}

int Formatter::Address(GString& s, const FormatSpec& spec, FormatArgs& args) {
    const unsigned char* data = static_cast<const unsigned char*>(args.Pointer());
    if (!data) return AppendNullForm(s, spec);
    if (spec.Short) return Guid(s, spec, data);
    uint32_t address;  // host byte order: the first octet is the most significant byte
    std::memcpy(&address, data, sizeof address);
    return Ipv4(s, spec, address);
}
