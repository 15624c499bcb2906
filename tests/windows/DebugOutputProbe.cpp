// Sends a formatted 200-character text to the debugger through the real
// OutputDebugStringW; the test reads Wine's trace of the three lines.
#include "text/Format.h"

int main() {
    char16_t digits[201];
    for (int i = 0; i < 200; ++i) digits[i] = static_cast<char16_t>(u'0' + i % 10);
    digits[200] = 0;
    GString text;
    if (!Format(text, u"%s", digits)) return 1;
    text.DebugOutput(65535);
    return 0;
}
