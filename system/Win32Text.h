#pragma once
// The one crossing between the portable text code (char16_t) and Win32 (wchar_t,
// 16 bits on Windows).

#include "text/GString.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide characters are UTF-16 code units");

inline const wchar_t* AsWin32(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* AsWin32(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const wchar_t* AsWin32(const GString& text) { return AsWin32(text.WideAt(0)); }
inline const char16_t* FromWin32(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
