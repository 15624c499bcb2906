// The six layout sources of the product, key by key and shift state by shift
// state against the tables the compiler builds from them. The layout checker
// then compares those tables with what it walks in every built DLL.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "payload/KeyNameTable.h"
#include "tools/layout-compiler/KlcParser.h"
#include "tools/layout-compiler/LayoutTables.h"
#include "tools/layout-compiler/VirtualKeys.h"

namespace {

const char* const kSources[] = {"standard-0", "standard-1", "standard-2", "alternative-0", "alternative-1", "alternative-2"};

KlcLayout Load(const std::string& name) {
    std::ifstream in(std::string(FONETIKA_SOURCE_DIR) + "/content/layouts/" + name + ".klc", std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_GE(bytes.size(), 2u) << name;
    EXPECT_EQ(bytes[0], 0xFF) << name << ": not UTF-16 LE with a byte-order mark, as the Windows tools write";
    KlcLayout layout;
    KlcError error;
    EXPECT_EQ(ParseKlc(bytes, layout, error), 1) << name << ":" << error.Line << ": " << error.Message;
    return layout;
}

TEST(LayoutSources, TablesHoldEveryKeyOfTheSource) {
    for (const char* name : kSources) {
        const KlcLayout layout = Load(name);
        const LayoutTables t = BuildLayoutTables(layout);
        ASSERT_FALSE(layout.Keys.empty()) << name;
        for (const KlcKey& key : layout.Keys) {
            SCOPED_TRACE(testing::Message() << name << " line " << key.Line);
            const uint16_t scanVk = t.ScanToVk[key.Scan];
            EXPECT_TRUE(scanVk == key.Vk || (DefaultScanVk(key.Scan) & kVkNumpad)) << std::hex << scanVk;
            int columns = 0;
            const CharRecord* record = FindCharRecord(t, key.Vk, &columns);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->Row.Attributes, key.Attributes);
            for (size_t column = 0; column < key.Chars.size(); ++column) {
                const KlcChar& c = key.Chars[column];
                const bool inTable = column < static_cast<size_t>(columns);
                const uint16_t stored = inTable ? record->Row.Chars[column] : kNoChar;
                if (!c.Present) {
                    EXPECT_EQ(stored, kNoChar) << "column " << column;
                } else if (c.Dead) {
                    EXPECT_EQ(stored, kDeadChar) << "column " << column;
                    ASSERT_TRUE(record->HasNext && inTable);
                    EXPECT_EQ(record->Next.Chars[column], c.Code) << "column " << column;
                } else {
                    EXPECT_EQ(stored, c.Code) << "column " << column;
                }
            }
        }
        // Every shift state of every source: plain, Shift, Ctrl, AltGr, Shift+AltGr.
        EXPECT_EQ(layout.ShiftStates, (std::vector<int>{0, 1, 2, 6, 7})) << name;
        EXPECT_EQ(layout.Name, "kbdfoncy") << name;
    }
}

// The installer treats an assignment of a key's standard value as none and
// writes nothing; every key that the sources leave to the defaults must hold
// exactly that standard value, in each of the three tables.
TEST(LayoutSources, KeysWithoutRowsHoldTheStandardValuesOfTheKeyNames) {
    for (const char* name : kSources) {
        const KlcLayout layout = Load(name);
        const LayoutTables t = BuildLayoutTables(layout);
        for (int i = 0; i < kKeyNameCount && KeyNameTable[i].Scan != 0; ++i) {
            const KeyEntry& key = KeyNameTable[i];
            SCOPED_TRACE(testing::Message() << name << " scan " << std::hex << key.Scan);
            const uint8_t low = static_cast<uint8_t>(key.Scan);
            if (key.Scan < kScanTableSize) {
                bool listed = false;
                for (const KlcKey& k : layout.Keys) listed = listed || k.Scan == key.Scan;
                if (!listed) {
                    EXPECT_EQ(t.ScanToVk[key.Scan], key.Vk);
                }
                continue;
            }
            const std::vector<ScanVk>* prefixed = (key.Scan >> 8) == 0xE0 ? &t.E0 : (key.Scan >> 8) == 0xE1 ? &t.E1 : nullptr;
            if (!prefixed) continue;  // the entry that stands for no key
            const ScanVk* found = nullptr;
            for (const ScanVk& e : *prefixed)
                if (e.Scan == low) found = &e;
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->Vk, key.Vk);
        }
    }
}

}  // namespace
