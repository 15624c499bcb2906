#pragma once
// Reading a number the way scanf's "%X" does: optional blanks, sign and 0x,
// then hexadecimal digits up to the first other character.

#include <cstdint>

// 1 and the value when at least one digit was read, else 0.
int ScanHexNumber(const char16_t* text, uint32_t& value);
