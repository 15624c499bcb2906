#pragma once
// Internals of the template formatter: one parsed conversion, the argument
// reader, and the conversions, which write straight into the target's block.

#include <cstdarg>
#include <cstdint>

#include "text/GString.h"

enum FormatFlag : unsigned {
    kFlagLeft = 1,        // '-'
    kFlagPlus = 2,        // '+'
    kFlagSpace = 4,       // ' '
    kFlagZero = 8,        // '0'
    kFlagAlternate = 16,  // '#'
    kFlagEscapeAll = 32,  // '$'
    kFlagGroup = 64,      // '`'
};

struct FormatSpec {
    unsigned Flags;
    int Width;      // >= 0
    int Precision;  // as written; 0 when absent
    bool Long;      // 'L' or 'll': 64-bit integers
    bool Short;     // 'h': the 8-bit or alternative variant
    char16_t Letter;
    bool Upper;     // upper-case hexadecimal digits and exponent letter

    bool Has(unsigned flag) const { return (Flags & flag) != 0; }
    // '-' beats '0'; the field then pads with spaces after itself.
    bool ZeroPadded() const { return Has(kFlagZero) && !Has(kFlagLeft); }
    char SignFor(bool negative) const {
        return negative ? '-' : Has(kFlagPlus) ? '+' : Has(kFlagSpace) ? ' ' : 0;
    }
};

// Arguments in template order. On a 32-bit system int and pointers take one
// slot, long long and double two, so reading by type is reading by slot.
class FormatArgs {
public:
    explicit FormatArgs(va_list args) { va_copy(args_, args); }
    ~FormatArgs() { va_end(args_); }
    FormatArgs(const FormatArgs&) = delete;
    FormatArgs& operator=(const FormatArgs&) = delete;

    int Int() { return va_arg(args_, int); }
    long long Int64() { return va_arg(args_, long long); }
    double Double() { return va_arg(args_, double); }
    const void* Pointer() { return va_arg(args_, const void*); }
    // 'L' and 'll' select 64 bits.
    long long Signed(bool wide) { return wide ? Int64() : Int(); }
    uint64_t Unsigned(bool wide) { return wide ? static_cast<uint64_t>(Int64()) : static_cast<unsigned>(Int()); }
    // A signed integer as its magnitude, which holds even the most negative value.
    uint64_t Magnitude(bool wide, bool& negative) {
        const long long value = Signed(wide);
        negative = value < 0;
        return negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    }

private:
    va_list args_;
};

const char* HexDigits(bool upper);

// One padded field of `field` characters written into the target's block:
// the room is reserved once, the caller fills it between Open and Close.
class FieldWriter {
public:
    enum Padding { kPadDefault, kPadZerosInside, kPadSpacesOnly };

    FieldWriter(GString& target, const FormatSpec& spec, int field, Padding padding = kPadDefault);
    bool Ok() const { return cursor_ != nullptr; }
    void Put(char16_t ch) { *cursor_++ = ch; }
    void Put(const char* ascii);
    void PutEscaped(unsigned code, bool upper);
    // The '0' padding of kPadZerosInside, at the place the conversion chooses.
    void PutZeroPadding();
    char16_t* Cursor() { return cursor_; }
    void Advance(int units) { cursor_ += units; }
    int Close();  // right padding, then the length; returns 1

private:
    GString& target_;
    char16_t* start_;
    char16_t* cursor_;
    int zeros_;
    int rightSpaces_;
};

// Writes `text` (`bytes` long, `chars` characters once decoded) padded as a
// number: sign and prefix before any '0' padding. Goes through the target's
// companion as UTF-8 and is appended decoded.
int AppendNarrowField(GString& target, GString& companion, const FormatSpec& spec, const char* prefix,
                      int prefixLen, const char* text, int bytes, int chars);

// "{null}", right-aligned in `field` characters, then padded to the width.
int AppendNullForm(GString& target, const FormatSpec& spec, int field = 6);

class Formatter {
public:
    static int Integer(GString& s, const FormatSpec& spec, FormatArgs& args);
    static int Character(GString& s, const FormatSpec& spec, FormatArgs& args);
    static int String(GString& s, const FormatSpec& spec, FormatArgs& args);
    static int StringObject(GString& s, const FormatSpec& spec, FormatArgs& args);
    static int Bytes(GString& s, const FormatSpec& spec, FormatArgs& args);
    static int Address(GString& s, const FormatSpec& spec, FormatArgs& args);
    static int Float(GString& s, const FormatSpec& spec, FormatArgs& args);
    static int Engineering(GString& s, const FormatSpec& spec, FormatArgs& args);
    static int Size(GString& s, const FormatSpec& spec, FormatArgs& args);

private:
    static int WideText(GString& s, const FormatSpec& spec, const char16_t* text, bool stopAtZero);
    static int NarrowText(GString& s, const FormatSpec& spec, const char* text, bool stopAtZero);
    static GString* Companion(GString& s) { return s.GetCompanion(); }
    static bool Overlaps(const GString& s, const void* p) { return s.Overlaps(p); }
};
