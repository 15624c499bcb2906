#pragma once
// The tables of a keyboard-layout DLL, computed from a parsed source: what the
// emitter writes and what the layout checker must find when it walks the DLL.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/layout-compiler/KlcModel.h"

constexpr uint16_t kNoChar = 0xF000;    // no character in this column
constexpr uint16_t kDeadChar = 0xF001;  // the next row holds the dead character

struct CharRow {
    uint8_t Vk = 0;
    uint8_t Attributes = 0;
    std::vector<uint16_t> Chars;  // as wide as the table
};

// A key's row and, for dead keys and SGCap keys, the row that follows it.
struct CharRecord {
    CharRow Row;
    bool HasNext = false;
    CharRow Next;
};

struct CharTable {
    int Columns = 0;
    std::vector<CharRecord> Records;
};

struct DeadEntry {
    uint16_t Accent = 0;
    uint16_t Base = 0;
    uint16_t Composed = 0;
    uint16_t Flags = 0;
};

struct NameEntry {
    uint16_t Code = 0;
    std::u16string Text;
};

struct ScanVk {
    uint8_t Scan = 0;
    uint16_t Vk = 0;
};

struct LayoutTables {
    std::vector<uint16_t> ScanToVk;  // scan codes 0 to 0x7E
    std::vector<ScanVk> E0;
    std::vector<ScanVk> E1;
    std::vector<std::pair<uint8_t, uint8_t>> ModifierKeys;  // virtual key, modifier bit
    std::vector<uint8_t> ModNumber;  // column of each modifier combination, 0x0F for none
    int Columns = 0;
    std::vector<CharTable> Tables;  // in the order the DLL lists them
    std::vector<DeadEntry> Dead;
    std::vector<NameEntry> KeyNames;
    std::vector<NameEntry> KeyNamesExt;
    std::vector<NameEntry> KeyNamesDead;
    uint32_t LocaleFlags = 0;
    uint32_t Type = 4;
    uint32_t SubType = 0;
    std::u16string DisplayName;  // string resource 1000
    int VersionMajor = 1;
    int VersionMinor = 0;
};

constexpr uint8_t kInvalidColumn = 0x0F;

LayoutTables BuildLayoutTables(const KlcLayout& layout);

// Where a virtual key's record lies; none when the key has no characters.
const CharRecord* FindCharRecord(const LayoutTables& tables, uint8_t vk, int* columns = nullptr);

// The canonical text of the tables, line by line; the layout checker prints
// the same text from a loaded DLL.
std::string DumpLayoutTables(const LayoutTables& tables);
