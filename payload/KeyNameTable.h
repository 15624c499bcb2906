#pragma once
// Every physical key the installer knows: scan code (prefix byte in the high
// byte), the standard virtual key with layout flags, the name's string id.
// KeyTable, the installer's copy, uses the second and fourth fields for the
// user's assignments.

#include <cstdint>

struct KeyEntry {
    uint16_t Scan;
    uint16_t Vk;  // AssignedVk in KeyTable
    uint16_t NameId;
    uint16_t Reserved;  // MappedScan in KeyTable
};

constexpr int kKeyNameCount = 146;  // the two closing entries included
extern const KeyEntry KeyNameTable[kKeyNameCount];

// Linear search that stops at the first entry with Scan 0.
const KeyEntry* FindKeyEntry(const KeyEntry* table, uint16_t scan);
const KeyEntry* FindKeyName(uint32_t scan);

// A malloc'd copy of the KeyNameTable with every AssignedVk cleared, or null.
KeyEntry* NewKeyTable();
// Clears mappings of a key to itself and assignments of the standard value.
int NormaliseKeyTable(KeyEntry* table, int32_t count);
