#pragma once
// Virtual-key names of the .klc format and the tables every layout shares.

#include <cstdint>
#include <string>

// Virtual-key flag bits of the scan-code tables.
constexpr uint16_t kVkExtended = 0x0100;
constexpr uint16_t kVkMulti = 0x0200;
constexpr uint16_t kVkSpecial = 0x0400;
constexpr uint16_t kVkNumpad = 0x0800;

constexpr uint8_t kVkNone = 0xFF;
constexpr uint8_t kVkDecimal = 0x6E;
constexpr int kScanTableSize = 0x7F;  // scan codes 0 to 0x7E

// Answers the code of a name ("Q", "OEM_4", "SPACE"), or -1.
int VirtualKeyByName(const std::string& name);

// The scan-code table of a layout before its LAYOUT rows apply.
uint16_t DefaultScanVk(int scan);

struct PrefixedKey {
    uint8_t Scan;
    uint16_t Vk;
};
extern const PrefixedKey kDefaultE0Keys[];
extern const int kDefaultE0KeyCount;
extern const PrefixedKey kDefaultE1Keys[];
extern const int kDefaultE1KeyCount;

// Characters of keys that no LAYOUT row lists, by modifier bits 0, 1 and 2
// (plain, Shift, Ctrl); 0 means none.
struct BuiltinKey {
    uint8_t Vk;
    char16_t Plain, Shift, Ctrl;
};
extern const BuiltinKey kBuiltinKeys[];
extern const int kBuiltinKeyCount;
