#pragma once
// The tables of a keyboard-layout DLL as the checker reads them, declared from
// what the format needs. Pointers have the width of the reading process, as in
// the DLLs of its own architecture.

#include <cstdint>

namespace kbd {

struct VscVk {
    uint8_t Vsc;
    uint16_t Vk;
};

struct VkToBit {
    uint8_t Vk;
    uint8_t ModBits;
};

struct Modifiers {
    const VkToBit* VkToBit;
    uint16_t MaxModBits;
    uint8_t ModNumber[1];  // MaxModBits + 1 entries
};

// Rows of a character table: virtual key, attributes, then Modifications
// characters; RowSize bytes each.
struct VkToWcharTable {
    const uint8_t* Rows;
    uint8_t Modifications;
    uint8_t RowSize;
};

struct DeadKey {
    uint32_t Both;  // base character in the low half, dead character in the high half
    uint16_t Composed;
    uint16_t Flags;
};

struct VscName {
    uint8_t Vsc;
    const uint16_t* Name;
};

struct Tables {
    const Modifiers* CharModifiers;
    const VkToWcharTable* VkToWcharTable;
    const DeadKey* DeadKeys;
    const VscName* KeyNames;
    const VscName* KeyNamesExt;
    const uint16_t* const* KeyNamesDead;
    const uint16_t* VscToVk;
    uint8_t MaxVscToVk;
    const VscVk* VscToVkE0;
    const VscVk* VscToVkE1;
    uint32_t LocaleFlags;
    uint8_t LigatureMax;
    uint8_t LigatureEntrySize;
    const void* Ligatures;
    uint32_t Type;
    uint32_t SubType;
};

constexpr uint8_t kSgCaps = 0x02;
constexpr uint16_t kDeadChar = 0xF001;
constexpr uint8_t kInvalidColumn = 0x0F;

}  // namespace kbd
