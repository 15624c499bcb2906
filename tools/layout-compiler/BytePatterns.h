#pragma once
// The byte patterns by which the install finds the tables it tailors in a
// layout file, and the tailoring itself as the install performs it.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/layout-compiler/LayoutTables.h"

// String ids of the patterns in the common string table.
constexpr int kDecimalPatternId = 146;
constexpr int kFirstMainPatternId = 147;  // 147, 148, 149: one per variant
constexpr int kE0PatternId = 150;
constexpr int kE1PatternId = 151;

struct PatternFile {
    std::string Path;
    int Variant = 0;
    LayoutTables Tables;  // what the file was built from
    std::vector<uint8_t> Image;
};

// Finds each table in every file, then the shortest run of bytes from the
// table's start that every file the pattern serves holds alike, that occurs
// exactly once in each of them, and that no earlier tailoring step changes.
// text receives one line per pattern: the string id, a space, the hex digits.
int DerivePatterns(const std::vector<PatternFile>& files, std::string& text, std::string& error);

// Answers the hex digits of one pattern in text as produced above, or "".
std::string PatternHex(const std::string& text, int id);

struct KeyAssignment {
    uint16_t Scan;  // 0xE0nn and 0xE1nn for prefixed keys
    uint16_t Vk;
};

// Assignments that reach every kind of place: a letter, the last entry of the
// scan-code table, a prefixed key of each kind, and keys that must not be written.
extern const KeyAssignment kSampleAssignments[];
extern const int kSampleAssignmentCount;

// Tailors the file image: assignments into the tables, and when decimalComma
// the keypad decimal characters become commas.
int TailorImage(std::vector<uint8_t>& image, const std::string& patterns, int variant,
                const KeyAssignment* keys, int count, bool decimalComma, std::string& error);

// The same changes on the tables, for comparison with a tailored file.
void TailorTables(LayoutTables& tables, const KeyAssignment* keys, int count, bool decimalComma);
