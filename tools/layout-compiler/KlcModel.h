#pragma once
// A keyboard layout as its .klc source describes it.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct KlcChar {
    bool Present = false;  // false: the source says -1
    bool Dead = false;     // the character starts a dead key
    char16_t Code = 0;
};

struct KlcKey {
    int Line = 0;
    uint8_t Scan = 0;
    uint8_t Vk = 0;
    uint8_t Attributes = 0;             // the Cap column: CAPLOK, SGCAPS, CAPLOKALTGR bits
    std::vector<KlcChar> Chars;         // one per shift state
    std::vector<KlcChar> CapsChars;     // the SGCap row, when the key has one
};

struct KlcDeadKey {
    int Line = 0;
    char16_t Accent = 0;
    std::vector<std::pair<char16_t, char16_t>> Pairs;  // base, composed
};

struct KlcName {
    uint16_t Code = 0;  // scan code, or the dead character for dead-key names
    std::u16string Text;
};

struct KlcLayout {
    std::string Name;  // the DLL's name without extension
    std::u16string Description;
    std::u16string Copyright;
    std::u16string Company;
    std::u16string LocaleName;
    std::u16string LocaleId;
    int VersionMajor = 1;
    int VersionMinor = 0;
    uint32_t LocaleAttributes = 0;  // KLLF bits of the ATTRIBUTES section
    std::vector<int> ShiftStates;   // modifier bits of each column
    std::vector<KlcKey> Keys;
    std::vector<KlcDeadKey> DeadKeys;
    std::vector<KlcName> KeyNames;
    std::vector<KlcName> KeyNamesExt;
    std::vector<KlcName> KeyNamesDead;
    std::vector<std::pair<uint16_t, std::u16string>> Descriptions;
    std::vector<std::pair<uint16_t, std::u16string>> LanguageNames;
};

// Bits of the Cap column and of a character-table row.
constexpr uint8_t kCapLock = 0x01;
constexpr uint8_t kSgCaps = 0x02;
constexpr uint8_t kCapLockAltGr = 0x04;

// Modifier bits of the shift states.
constexpr int kShiftBit = 1;
constexpr int kCtrlBit = 2;
constexpr int kAltBit = 4;

// Locale flags of the ATTRIBUTES section.
constexpr uint32_t kAltGrFlag = 0x0001;
constexpr uint32_t kShiftLockFlag = 0x0002;
constexpr uint32_t kLrmRlmFlag = 0x0004;
