// The six layout sources of the product, key by key and shift state by shift
// state against the tables the compiler builds from them. The layout checker
// then compares those tables with what it walks in every built DLL.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

}  // namespace
