// The key-name table, the installer's copy of it, and normalising the copy.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "payload/KeyNameTable.h"

namespace {

TEST(KeyNameTable, FindKeyNameAnswersTheListedEntries) {
    const struct {
        uint32_t scan;
        int entry;  // 1-based, 0 for none
        uint16_t vk, name;
    } cases[] = {
        {0x0036, 54, 0x01A1, 281}, {0xE05B, 130, 0x015B, 228}, {0x0001, 1, 0x001B, 175},
        {0xE11D, 144, 0x0013, 173}, {0x00FF, 104, 0x00FF, 326}, {0x004C, 76, 0x0C0C, 168},
        {0x0059, 87, 0x000C, 168},  {0x10036, 54, 0x01A1, 281},  // only the low 16 bits count
        {0, 0, 0, 0},               {0x0054, 0, 0, 0},           {0xE0FF, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const KeyEntry* entry = FindKeyName(c.scan);
        if (!c.entry) {
            EXPECT_EQ(entry, nullptr) << std::hex << c.scan;
            continue;
        }
        ASSERT_EQ(entry, &KeyNameTable[c.entry - 1]) << std::hex << c.scan;
        EXPECT_EQ(entry->Vk, c.vk);
        EXPECT_EQ(entry->NameId, c.name);
    }
}

TEST(KeyNameTable, TableHasItsShape) {
    std::set<uint16_t> scans;
    for (int i = 0; i < 144; ++i) {
        EXPECT_NE(KeyNameTable[i].Scan, 0) << i;
        EXPECT_EQ(KeyNameTable[i].Reserved, 0) << i;
        EXPECT_TRUE(scans.insert(KeyNameTable[i].Scan).second) << "scan listed twice at " << i;
    }
    const KeyEntry closing = KeyNameTable[144], last = KeyNameTable[145];
    EXPECT_EQ(closing.Scan | closing.Vk | closing.Reserved, 0);
    EXPECT_EQ(closing.NameId, 154);
    EXPECT_EQ(last.Scan | last.Vk | last.NameId | last.Reserved, 0);
    EXPECT_EQ(FindKeyName(0xE047)->NameId, FindKeyName(0x0047)->NameId);
}

TEST(KeyNameTable, TheCopyClearsAssignmentsAndNormalises) {
    KeyEntry* table = NewKeyTable();
    ASSERT_NE(table, nullptr);
    for (int i = 0; i < kKeyNameCount; ++i) {
        EXPECT_EQ(table[i].Vk, 0) << i;
        EXPECT_EQ(table[i].Scan, KeyNameTable[i].Scan) << i;
        EXPECT_EQ(table[i].NameId, KeyNameTable[i].NameId) << i;
    }
    KeyEntry* leftShift = const_cast<KeyEntry*>(FindKeyEntry(table, 0x002A));
    KeyEntry* capsLock = const_cast<KeyEntry*>(FindKeyEntry(table, 0x003A));
    KeyEntry* rightCtrl = const_cast<KeyEntry*>(FindKeyEntry(table, 0xE01D));
    ASSERT_TRUE(leftShift && capsLock && rightCtrl);
    leftShift->Vk = 0x00A0;     // its own standard value: no assignment
    capsLock->Vk = 0x00A2;      // another value: kept
    capsLock->Reserved = 0x3A;  // mapped to itself: no mapping
    rightCtrl->Reserved = 0x1D; // mapped elsewhere: kept
    EXPECT_EQ(NormaliseKeyTable(table, kKeyNameCount), 1);
    EXPECT_EQ(leftShift->Vk, 0);
    EXPECT_EQ(capsLock->Vk, 0x00A2);
    EXPECT_EQ(capsLock->Reserved, 0);
    EXPECT_EQ(rightCtrl->Reserved, 0x1D);
    EXPECT_EQ(NormaliseKeyTable(nullptr, kKeyNameCount), 0);
    EXPECT_EQ(NormaliseKeyTable(table, 0), 0);
    EXPECT_EQ(FindKeyEntry(nullptr, 0x2A), nullptr);
    std::free(table);
}

}  // namespace
