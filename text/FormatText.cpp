// c, C, s, S, z and Z, with the escape forms.
#include <climits>
#include <cstdint>
#include <cstring>

#include "text/Formatter.h"
#include "text/Utf8.h"

namespace {

bool OutsidePrintable(unsigned code) { return code < 32 || code > 126; }

// Whether a code unit or byte is written in escape form.
bool Escaped(const FormatSpec& spec, unsigned code) {
    if (spec.Has(kFlagEscapeAll)) return OutsidePrintable(code);
    return spec.Has(kFlagAlternate) && code < 32;
}

// The precision as a text limit: at most that many (positive), the whole
// text (0), or exactly that many (negative). Texts inside a string object
// end at their first zero whatever the precision says, so that nothing past
// the object's text is read.
struct TextLimit {
    int Count;
    bool StopAtZero;
};

TextLimit LimitOf(int precision, bool objectText) {
    if (precision > 0) return {precision, true};
    if (precision == 0) return {INT_MAX, true};
    return {precision == INT_MIN ? INT_MAX : -precision, objectText};
}

template <typename Unit>
int TakeUnits(const Unit* text, TextLimit limit) {
    int n = 0;
    while (n < limit.Count && !(limit.StopAtZero && text[n] == 0)) ++n;
    return n;
}

int ContinuationsAnnounced(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) return 1;
    if ((lead & 0xF0) == 0xE0) return 2;
    if ((lead & 0xF8) == 0xF0) return 3;
    return 0;
}

// Bytes of the first limit.Count UTF-8 characters. A character is a byte
// and the continuation bytes after it; in a text of exact length they are
// taken only as far as the lead byte announces, so no byte past it is read.
int TakeCharacters(const unsigned char* text, TextLimit limit) {
    int i = 0;
    for (int chars = 0; chars < limit.Count; ++chars) {
        if (limit.StopAtZero && text[i] == 0) break;
        const unsigned char lead = text[i++];
        int more = limit.StopAtZero ? INT_MAX : ContinuationsAnnounced(lead);
        while (more-- > 0 && (text[i] & 0xC0) == 0x80) ++i;
    }
    return i;
}

}  // namespace

int Formatter::Character(GString& s, const FormatSpec& spec, FormatArgs& args) {
    char16_t ch = static_cast<char16_t>(args.Int() & 0xFFFF);
    const bool escape = Escaped(spec, ch);
    if (!escape && spec.Short) {
        if ((ch & 0xFF) >= 0x80) return 0;  // not a one-byte UTF-8 text
        ch &= 0xFF;
    }
    FieldWriter out(s, spec, escape ? 4 : 1);
    if (!out.Ok()) return 0;
    if (escape)
        out.PutEscaped(ch, spec.Upper);
    else
        out.Put(ch);
    return out.Close();
}

int Formatter::WideText(GString& s, const FormatSpec& spec, const char16_t* text, bool objectText) {
    const int n = TakeUnits(text, LimitOf(spec.Precision, objectText));
    if (Overlaps(s, text)) {  // the target's own text: it may move while we write
        GString* copy = Companion(s);
        if (!copy) return 0;
        copy->ClearAsWide();
        if (!copy->AppendToWide(text, n)) return 0;
        text = copy->WideAt(0);
    }
    const bool escapes = spec.Has(kFlagEscapeAll | kFlagAlternate);
    int field = n;
    for (int i = 0; escapes && i < n; ++i) field += Escaped(spec, text[i]) ? 3 : 0;
    FieldWriter out(s, spec, field);
    if (!out.Ok()) return 0;
    if (!escapes) {
        std::memcpy(out.Cursor(), text, static_cast<size_t>(n) * sizeof(char16_t));
        out.Advance(n);
        return out.Close();
    }
    for (int i = 0; i < n; ++i) {
        if (Escaped(spec, text[i]))
            out.PutEscaped(text[i], spec.Upper);
        else
            out.Put(text[i]);
    }
    return out.Close();
}

int Formatter::NarrowText(GString& s, const FormatSpec& spec, const char* text, bool objectText) {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    const TextLimit limit = LimitOf(spec.Precision, objectText);
    const bool byteWise = spec.Has(kFlagEscapeAll);  // '$' counts and escapes bytes
    const int n = byteWise ? TakeUnits(bytes, limit) : TakeCharacters(bytes, limit);
    if (Overlaps(s, text)) {
        GString* copy = Companion(s);
        if (!copy) return 0;
        copy->ClearAsNarrow();
        if (!copy->AppendToNarrow(text, n)) return 0;
        bytes = reinterpret_cast<const unsigned char*>(copy->NarrowAt(0));
    }

    // Runs of UTF-8 between escaped bytes; with '$' every byte is its own run.
    int field = 0;
    for (int i = 0; i < n;) {
        if (byteWise || Escaped(spec, bytes[i])) {
            field += Escaped(spec, bytes[i++]) ? 4 : 1;
            continue;
        }
        int end = i;
        while (end < n && !Escaped(spec, bytes[end])) ++end;
        field += Utf8CharCount(reinterpret_cast<const char*>(bytes + i), end - i);
        i = end;
    }
    FieldWriter out(s, spec, field);
    if (!out.Ok()) return 0;
    for (int i = 0; i < n;) {
        if (Escaped(spec, bytes[i])) {
            out.PutEscaped(bytes[i++], spec.Upper);
        } else if (byteWise) {
            out.Put(bytes[i++]);
        } else {
            int end = i;
            while (end < n && !Escaped(spec, bytes[end])) ++end;
            const int units = DecodeUtf8(reinterpret_cast<const char*>(bytes + i), end - i, out.Cursor());
            if (units < 0) return 0;  // nothing is committed
            out.Advance(units);
            i = end;
        }
    }
    return out.Close();
}

int Formatter::String(GString& s, const FormatSpec& spec, FormatArgs& args) {
    const void* text = args.Pointer();
    if (spec.Long) return 1;  // consumed, not shown
    if (!text) return AppendNullForm(s, spec);
    return spec.Short ? NarrowText(s, spec, static_cast<const char*>(text), false)
                      : WideText(s, spec, static_cast<const char16_t*>(text), false);
}

int Formatter::StringObject(GString& s, const FormatSpec& spec, FormatArgs& args) {
    const void* object = args.Pointer();
    if (!object) return AppendNullForm(s, spec);
    if (spec.Short) {
        const unsigned char* record = static_cast<const unsigned char*>(object);
        const uint32_t header = record[0] | (record[1] << 8) | (record[2] << 16) |
                                (static_cast<uint32_t>(record[3]) << 24);
        const void* text = record + sizeof(uint32_t);
        return (header & kTextRecordNarrowBit) ? NarrowText(s, spec, static_cast<const char*>(text), true)
                                               : WideText(s, spec, static_cast<const char16_t*>(text), true);
    }
    const GString* string = static_cast<const GString*>(object);
    return string->IsWide() ? WideText(s, spec, string->WideAt(0), true)
                            : NarrowText(s, spec, string->NarrowAt(0), true);
}
