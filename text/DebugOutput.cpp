#include "text/DebugOutput.h"

#include "text/GString.h"
#include "text/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

void DefaultSink(const char16_t* line) {
#ifdef _WIN32
    OutputDebugStringW(reinterpret_cast<const wchar_t*>(line));
#else
    (void)line;  // no debugger to talk to
#endif
}

DebugSink g_sink = DefaultSink;

}  // namespace

DebugSink SetDebugSink(DebugSink sink) {
    const DebugSink previous = g_sink;
    g_sink = sink ? sink : DefaultSink;
    return previous;
}

void GString::DebugOutput(int maxChars) {
    if (Length_ == 0) return;
    const char* narrow = IsWide_ ? nullptr : NarrowAt(0);
    int chars = IsWide_ ? Length_ : Utf8CharCount(narrow, Length_);
    if (chars > maxChars) chars = maxChars;
    if (chars <= 0) return;
    GString* line = GetCompanion();
    if (!line) return;
    line->ClearAsWide();

    const int width = DebugLineWidth_ > 0 ? DebugLineWidth_ : 80;
    const int fullLines = chars / width;
    const int remainder = chars % width;
    int unit = 0;  // position in a wide text
    const char* byte = narrow;  // position in a narrow text
    const char* const end = narrow ? narrow + Length_ : nullptr;
    for (int i = 0; i <= fullLines; ++i) {
        const int count = i < fullLines ? width : remainder;
        if (count == 0) break;
        line->Clear();
        int ok;
        if (IsWide_) {
            ok = line->AppendToWide(WideAt(unit), count);
            unit += count;
        } else {
            const char* next = Utf8Advance(byte, count, static_cast<int>(end - byte));
            if (!next) next = end;
            ok = line->AppendNarrow(byte, static_cast<int>(next - byte));
            byte = next;
        }
        const bool continued = i < fullLines && (i + 1 < fullLines || remainder > 0);
        ok = ok && line->AppendToWide(continued ? u" \\\n" : u"\n", continued ? 3 : 1);
        if (!ok) return;
        g_sink(line->WideAt(0));
    }
}
