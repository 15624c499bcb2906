#pragma once
// Conversion between UTF-16 code units and UTF-8, unit by unit: a surrogate
// pair is two independent units. No code page is ever involved.

// A negative length measures the text up to its terminating zero.
int Utf8Size(const char16_t* text, int len);
int EncodeUtf8(const char16_t* text, int len, char* out);
int Utf8CharCount(const char* text, int len);
// Returns the number of units written, or -1 when the text is not valid UTF-8
// (the caller then discards the partial output).
int DecodeUtf8(const char* text, int len, char16_t* out);
const char* Utf8Advance(const char* text, int n, int len);
