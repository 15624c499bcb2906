#include "text/Format.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "text/Formatter.h"
#include "text/TextSearch.h"

namespace {

int ReadNumber(const char16_t*& p) {
    long long value = 0;
    for (int digits = 0; digits < 10 && *p >= u'0' && *p <= u'9'; ++digits, ++p) value = value * 10 + (*p - u'0');
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

unsigned FlagOf(char16_t ch) {
    switch (ch) {
        case u'-': return kFlagLeft;
        case u'+': return kFlagPlus;
        case u' ': return kFlagSpace;
        case u'0': return kFlagZero;
        case u'#': return kFlagAlternate;
        case u'$': return kFlagEscapeAll;
        case u'`': return kFlagGroup;
        default: return 0;
    }
}

// Everything between '%' and the conversion letter.
void ParseSpec(const char16_t*& p, FormatSpec& spec, FormatArgs& args) {
    spec = FormatSpec{};
    while (unsigned flag = FlagOf(*p)) {
        spec.Flags |= flag;
        ++p;
    }
    if (*p == u'*') {
        ++p;
        const int width = args.Int();
        if (width < 0) spec.Flags |= kFlagLeft;
        spec.Width = width == INT_MIN ? INT_MAX : width < 0 ? -width : width;
    } else {
        spec.Width = ReadNumber(p);
    }
    if (*p == u'.') {
        ++p;
        if (*p == u'*') {
            ++p;
            spec.Precision = args.Int();
        } else {
            spec.Precision = ReadNumber(p);
        }
    }
    int longs = 0;
    for (;; ++p) {
        if (*p == u'L') {
            spec.Long = true;
        } else if (*p == u'l') {
            if (++longs == 2) spec.Long = true;
        } else if (*p == u'h') {
            spec.Short = true;
        } else {
            break;
        }
    }
}

// Upper-case letters that are their lower-case conversion with upper-case digits.
bool IsUpperVariant(char16_t ch) {
    switch (ch) {
        case u'A': case u'B': case u'C': case u'E': case u'G':
        case u'P': case u'S': case u'W': case u'X': case u'Z': return true;
        default: return false;
    }
}

enum class Conversion { kNone, kInteger, kCharacter, kString, kStringObject, kBytes, kAddress,
                        kCount, kNewline, kFloat, kEngineering, kSize, kFailing };

Conversion ConversionOf(char16_t letter) {
    switch (letter) {
        case u'd': case u'i': case u'u': case u'x': case u'o': case u'y': case u'p': return Conversion::kInteger;
        case u'c': return Conversion::kCharacter;
        case u's': return Conversion::kString;
        case u'z': return Conversion::kStringObject;
        case u'b': return Conversion::kBytes;
        case u'w': return Conversion::kAddress;
        case u'n': return Conversion::kCount;
        case u'N': return Conversion::kNewline;
        case u'f': case u'e': case u'g': case u'a': return Conversion::kFloat;
        case u'F': return Conversion::kEngineering;
        case u'I': case u'U': return Conversion::kSize;
        case u't': case u'T': case u'Y': return Conversion::kFailing;
        default: return Conversion::kNone;
    }
}

}  // namespace

int Format(GString& target, const char16_t* format, ...) {
    target.ClearAsWide();
    va_list args;
    va_start(args, format);
    const int result = target.AppendFormatV(format, args);
    va_end(args);
    return result;
}

int GString::AppendNewline() {
    return IsWide_ ? AppendToWide(u"\r\n", 2) : AppendToNarrow("\r\n", 2);
}

int GString::AppendFormatV(const char16_t* format, va_list list) {
    if (!format || !IsWide_) return 0;
    if (Overlaps(format)) {
        // A template in this string's own block would move as the text grows.
        const size_t units = static_cast<size_t>(WideLength(format)) + 1;
        char16_t* copy = static_cast<char16_t*>(std::malloc(units * sizeof(char16_t)));
        if (!copy) return 0;
        std::memcpy(copy, format, units * sizeof(char16_t));
        const int result = AppendFormatV(copy, list);
        std::free(copy);
        return result;
    }
    const int startLength = Length_;
    FormatArgs args(list);
    const char16_t* p = format;
    for (;;) {
        const char16_t* literal = p;
        while (*p && *p != u'%') ++p;
        if (p > literal && !CopyIn(literal, static_cast<int>(p - literal))) return 0;
        if (!*p) break;
        ++p;
        if (*p == u'%') {
            if (!CopyIn(p, 1)) return 0;
            ++p;
            continue;
        }
        FormatSpec spec;
        ParseSpec(p, spec, args);
        const char16_t written = *p;
        const bool upper = IsUpperVariant(written);
        const Conversion conversion = ConversionOf(upper ? static_cast<char16_t>(written + 0x20) : written);
        if (conversion == Conversion::kNone) continue;  // the letter is literal text
        spec.Letter = upper ? static_cast<char16_t>(written + 0x20) : written;
        spec.Upper = upper;
        ++p;
        int ok = 1;
        switch (conversion) {
            case Conversion::kInteger: ok = Formatter::Integer(*this, spec, args); break;
            case Conversion::kCharacter: ok = Formatter::Character(*this, spec, args); break;
            case Conversion::kString: ok = Formatter::String(*this, spec, args); break;
            case Conversion::kStringObject: ok = Formatter::StringObject(*this, spec, args); break;
            case Conversion::kBytes: ok = Formatter::Bytes(*this, spec, args); break;
            case Conversion::kAddress: ok = Formatter::Address(*this, spec, args); break;
            case Conversion::kFloat: ok = Formatter::Float(*this, spec, args); break;
            case Conversion::kEngineering: ok = Formatter::Engineering(*this, spec, args); break;
            case Conversion::kSize: ok = Formatter::Size(*this, spec, args); break;
            case Conversion::kNewline: ok = AppendNewline(); break;
            case Conversion::kCount:
                if (int* count = static_cast<int*>(const_cast<void*>(args.Pointer()))) *count = Length_ - startLength;
                break;
            case Conversion::kFailing:
                args.Int();
                ok = 0;
                break;
            case Conversion::kNone: break;
        }
        if (!ok) return 0;
    }
    Terminate();
    return 1;
}
