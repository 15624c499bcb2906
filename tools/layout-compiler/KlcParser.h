#pragma once
// Reads a .klc source (UTF-16 LE with byte-order mark, or UTF-8) into a KlcLayout.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/layout-compiler/KlcModel.h"

struct KlcError {
    int Line = 0;  // 1-based; 0 when the fault is not on a line
    std::string Message;
};

// Answers 1 with the layout filled, or 0 with the first fault found.
int ParseKlc(const std::vector<uint8_t>& bytes, KlcLayout& layout, KlcError& error);

// Splits the bytes into lines of UTF-16 text; answers 0 on a broken encoding.
int DecodeKlcText(const std::vector<uint8_t>& bytes, std::vector<std::u16string>& lines, KlcError& error);

std::string ToUtf8(const std::u16string& text);
