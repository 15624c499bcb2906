// The .klc parser and the tables it leads to: a small source with every kind
// of key, both encodings, and one malformed source per fault.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/layout-compiler/KlcParser.h"
#include "tools/layout-compiler/LayoutEmitter.h"
#include "tools/layout-compiler/LayoutTables.h"

namespace {

const char kSmall[] =
    "KBD\tkbdtest\t\"Test layout\"\n"            // 1
    "COMPANY\t\"Fonetika\"\n"                    // 2
    "VERSION\t2.5\n"                             // 3
    "SHIFTSTATE\n"                               // 4
    "0\t//Column 4\n"                            // 5
    "1\t//Column 5 : Shft\n"                     // 6
    "6\t//Column 6 :       Ctrl Alt\n"           // 7
    "LAYOUT\t\t;an extra '@' at the end is a dead key\n"  // 8
    "10\tQ\t1\tq\tQ\t0430\t// with AltGr\n"      // 9
    "1e\tA\tSGCap\ta\tA\t-1\n"                   // 10
    "-1\t-1\t0\t0431\t0432\t-1\n"                // 11
    "20\tD\t0\td\t00b4@\t-1\n"                   // 12
    "53\tDECIMAL\t0\t002e\t002e\t-1\n"           // 13
    "0c\tOEM_MINUS\t0\t002d\t-1\t-1\n"           // 14
    "DEADKEY\t00b4\n"                            // 15
    "0061\t00e1\n"                               // 16
    "KEYNAME\n"                                  // 17
    "01\tEsc\n"                                  // 18
    "39\t\"Space bar\"\n"                        // 19
    "KEYNAME_DEAD\n"                             // 20
    "00b4\t\"ACUTE\"\n"                          // 21
    "DESCRIPTIONS\n"                             // 22
    "0409\tTest layout, for tests\n"             // 23
    "ENDKBD\n";                                  // 24

std::vector<uint8_t> Utf8Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

std::vector<uint8_t> Utf16Bytes(const std::string& ascii) {
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (char c : ascii) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

KlcLayout Parse(const std::vector<uint8_t>& bytes) {
    KlcLayout layout;
    KlcError error;
    EXPECT_EQ(ParseKlc(bytes, layout, error), 1) << error.Line << ": " << error.Message;
    return layout;
}

const CharRecord& Record(const LayoutTables& t, uint8_t vk, int expectedColumns) {
    int columns = 0;
    const CharRecord* record = FindCharRecord(t, vk, &columns);
    EXPECT_NE(record, nullptr) << "vk " << int(vk);
    EXPECT_EQ(columns, expectedColumns) << "vk " << int(vk);
    static const CharRecord none;
    return record ? *record : none;
}

TEST(LayoutCompiler, ReadsEveryPartOfASmallSource) {
    KlcLayout layout = Parse(Utf8Bytes(kSmall));
    EXPECT_EQ(layout.Name, "kbdtest");
    EXPECT_EQ(layout.Description, u"Test layout");
    EXPECT_EQ(layout.Company, u"Fonetika");
    EXPECT_EQ(layout.VersionMajor, 2);
    EXPECT_EQ(layout.VersionMinor, 5);
    EXPECT_EQ(layout.ShiftStates, (std::vector<int>{0, 1, 6}));
    ASSERT_EQ(layout.Keys.size(), 5u);
    EXPECT_EQ(layout.Keys[0].Line, 9);
    EXPECT_EQ(layout.Keys[0].Chars[2].Code, u'\u0430');
    EXPECT_TRUE(layout.Keys[2].Chars[1].Dead);
    ASSERT_EQ(layout.KeyNames.size(), 2u);
    EXPECT_EQ(layout.KeyNames[1].Text, u"Space bar");
    ASSERT_EQ(layout.Descriptions.size(), 1u);
    EXPECT_EQ(layout.Descriptions[0].first, 0x0409);
    EXPECT_EQ(layout.Descriptions[0].second, u"Test layout, for tests");
    EXPECT_EQ(layout.LocaleAttributes, kAltGrFlag);  // shift state 6 is AltGr
}

TEST(LayoutCompiler, Utf16AndUtf8SourcesGiveTheSameTables) {
    std::string crlf;
    for (char c : std::string(kSmall)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::string utf8 = DumpLayoutTables(BuildLayoutTables(Parse(Utf8Bytes(kSmall))));
    EXPECT_EQ(DumpLayoutTables(BuildLayoutTables(Parse(Utf16Bytes(crlf)))), utf8);
    EXPECT_EQ(DumpLayoutTables(BuildLayoutTables(Parse(Utf8Bytes("\xEF\xBB\xBF" + crlf)))), utf8);
}

TEST(LayoutCompiler, BuildsTheTablesOfTheDll) {
    LayoutTables t = BuildLayoutTables(Parse(Utf8Bytes(kSmall)));
    ASSERT_EQ(t.ScanToVk.size(), 0x7Fu);  // the install writes up to scan code 0x7E
    EXPECT_EQ(t.ScanToVk[0x10], 'Q');
    EXPECT_EQ(t.ScanToVk[0x1E], 'A');
    EXPECT_EQ(t.ScanToVk[0x01], 0x001B);         // not in LAYOUT: the standard key
    EXPECT_EQ(t.ScanToVk[0x53], 0x0C2E);         // keypad key keeps its cursor meaning
    EXPECT_EQ(t.ScanToVk[0x0C], 0x00BD);
    EXPECT_EQ(t.ScanToVk[0x55], 0x00FF);
    EXPECT_EQ(t.ModNumber, (std::vector<uint8_t>{0, 1, 0x0F, 0x0F, 0x0F, 0x0F, 2}));
    EXPECT_EQ(t.LocaleFlags, 0x00010001u);

    const CharRecord& q = Record(t, 'Q', 3);
    EXPECT_EQ(q.Row.Attributes, kCapLock);
    EXPECT_EQ(q.Row.Chars, (std::vector<uint16_t>{'q', 'Q', 0x0430}));
    EXPECT_FALSE(q.HasNext);

    const CharRecord& a = Record(t, 'A', 2);
    EXPECT_EQ(a.Row.Attributes, kSgCaps);
    ASSERT_TRUE(a.HasNext);
    EXPECT_EQ(a.Next.Vk, 0xFF);
    EXPECT_EQ(a.Next.Chars, (std::vector<uint16_t>{0x0431, 0x0432}));

    const CharRecord& d = Record(t, 'D', 2);
    EXPECT_EQ(d.Row.Chars, (std::vector<uint16_t>{'d', kDeadChar}));
    ASSERT_TRUE(d.HasNext);
    EXPECT_EQ(d.Next.Chars, (std::vector<uint16_t>{kNoChar, 0x00B4}));

    Record(t, 0xBD, 1);                               // OEM_MINUS: only its first column
    Record(t, 0x60, 1);                               // keypad digits are added
    EXPECT_EQ(Record(t, 0x08, 2).Row.Chars, (std::vector<uint16_t>{'\b', '\b'}));  // no Ctrl column here

    // Wider tables first, the one-column table last, the decimal key last of its table.
    std::vector<int> widths;
    for (const CharTable& table : t.Tables) widths.push_back(table.Columns);
    EXPECT_EQ(widths, (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(t.Tables[0].Records.back().Row.Vk, 0x6E);
    EXPECT_EQ(t.Tables[0].Records.back().Row.Chars, (std::vector<uint16_t>{'.', '.'}));

    ASSERT_EQ(t.Dead.size(), 1u);
    EXPECT_EQ(t.Dead[0].Accent, 0x00B4);
    EXPECT_EQ(t.Dead[0].Base, 'a');
    EXPECT_EQ(t.Dead[0].Composed, 0x00E1);
    EXPECT_EQ(t.E1.size(), 1u);
    EXPECT_EQ(t.E1[0].Vk, 0x0013);
}

TEST(LayoutCompiler, EmitsTheExportAndTheResources) {
    KlcLayout layout = Parse(Utf8Bytes(kSmall));
    EXPECT_EQ(EmitLayoutDef(layout), "LIBRARY kbdtest.dll\nEXPORTS\n    KbdLayerDescriptor @1\n");
    const std::string rc = EmitLayoutRc(layout);
    EXPECT_NE(rc.find("1000, L\"Test layout\""), std::string::npos) << rc;
    EXPECT_NE(rc.find("FILEVERSION 2,5,0,0"), std::string::npos) << rc;
    layout.Description = u"Fonetika \u0444 \"x\"";
    EXPECT_NE(EmitLayoutRc(layout).find("L\"Fonetika \\x0444 \\x0022x\\x0022\""), std::string::npos);
}

struct BadSource {
    const char* What;
    std::string Text;
    int Line;
    const char* Message;
};

std::string Replace(const std::string& text, const std::string& from, const std::string& to) {
    std::string out = text;
    size_t at = out.find(from);
    if (at != std::string::npos) out.replace(at, from.size(), to);
    return out;
}

TEST(LayoutCompiler, RejectsEachFaultWithItsLine) {
    const std::string s = kSmall;
    const BadSource cases[] = {
        {"too few characters", Replace(s, "0c\tOEM_MINUS\t0\t002d\t-1\t-1", "0c\tOEM_MINUS\t0\t002d\t-1"), 14,
         "expected 3 characters, one per shift state, found 2"},
        {"too many characters", Replace(s, "0430\t// with", "0430\t0431\t// with"), 9, "found 4"},
        {"unknown virtual key", Replace(s, "20\tD\t", "20\tDEE\t"), 12, "\"DEE\" is not a virtual-key name"},
        {"scan code out of range", Replace(s, "0c\tOEM_MINUS", "7f\tOEM_MINUS"), 14, "outside 01 to 7e"},
        {"scan code used twice", Replace(s, "0c\tOEM_MINUS", "10\tOEM_MINUS"), 14, "already used on line 9"},
        {"virtual key used twice", Replace(s, "0c\tOEM_MINUS", "0c\tQ"), 14, "virtual key Q is already used on line 9"},
        {"bad Cap column", Replace(s, "20\tD\t0", "20\tD\t2"), 12, "the Cap column is 0, 1, 4, 5 or SGCap"},
        {"two-digit character", Replace(s, "002e\t002e", "2e\t002e"), 13, "\"2e\" is not a character"},
        {"reserved character", Replace(s, "002e\t002e", "f001\t002e"), 13, "cannot be typed"},
        {"character beyond U+FFFF", Replace(s, "002e\t002e", "1f600\t002e"), 13, "above U+FFFF"},
        {"ligature", Replace(s, "002e\t002e", "%%\t002e"), 13, "ligatures are not supported"},
        {"dead key without its section", Replace(s, "DEADKEY\t00b4\n0061\t00e1\n", ""), 12, "has no DEADKEY section"},
        {"SGCap without its row", Replace(s, "-1\t-1\t0\t0431\t0432\t-1\n", ""), 10, "must be followed by its -1 -1 0 row"},
        {"caps row without SGCap", Replace(s, "1e\tA\tSGCap", "1e\tA\t1"), 11, "a -1 row may only follow an SGCap key"},
        {"first shift state not 0", Replace(s, "0\t//Column 4\n", "2\t//Column 4\n"), 5, "the first shift state must be 0"},
        {"shift state twice", Replace(s, "6\t//Column 6", "1\t//Column 6"), 7, "shift state 1 is listed twice"},
        {"shift state out of range", Replace(s, "6\t//Column 6", "16\t//Column 6"), 7, "from 0 to 15"},
        {"name too long", Replace(s, "kbdtest", "kbdtoolong"), 1, "longer than 8 characters"},
        {"quote not closed", Replace(s, "\"Space bar\"", "\"Space bar"), 19, "a quoted text is not closed"},
        {"row outside a section", Replace(s, "SHIFTSTATE\n", "SHIFTSTATES\n"), 4, "neither a section keyword nor inside a section"},
        {"dead key base twice", Replace(s, "0061\t00e1\n", "0061\t00e1\n0061\t00e2\n"), 17, "listed twice for this dead key"},
        {"bad version", Replace(s, "VERSION\t2.5", "VERSION\ttwo"), 3, "major.minor"},
        {"missing ENDKBD", Replace(s, "ENDKBD\n", ""), 23, "ends without ENDKBD"},
        {"name row with two names", Replace(s, "01\tEsc", "01\tEsc Key"), 18, "one name"},
        {"invalid UTF-8", Replace(s, "Test layout, for tests", "Test \xC3\x28"), 23, "nor valid UTF-8"},
        {"NUL in the text", Replace(s, "COMPANY", std::string("COMP\0ANY", 8)), 2, "nor valid UTF-8"},
    };
    for (const BadSource& c : cases) {
        ASSERT_NE(c.Text, s) << c.What << ": the fixture did not change";
        KlcLayout layout;
        KlcError error;
        EXPECT_EQ(ParseKlc(Utf8Bytes(c.Text), layout, error), 0) << c.What;
        EXPECT_EQ(error.Line, c.Line) << c.What << ": " << error.Message;
        EXPECT_NE(error.Message.find(c.Message), std::string::npos) << c.What << ": " << error.Message;
    }
}

TEST(LayoutCompiler, RejectsBrokenUtf16) {
    struct Case {
        const char* What;
        std::vector<uint8_t> Bytes;
        int Line;
        const char* Message;
    };
    std::vector<uint8_t> unpaired = Utf16Bytes("KBD\n\n");
    unpaired.insert(unpaired.end(), {0x00, 0xD8, 'x', 0});
    const Case cases[] = {
        {"odd length", {0xFF, 0xFE, 'K', 0, 'B'}, 0, "odd number of bytes"},
        {"unpaired surrogate", unpaired, 3, "unpaired UTF-16 surrogate"},
        {"big-endian", {0xFE, 0xFF, 0, 'K'}, 0, "big-endian"},
    };
    for (const Case& c : cases) {
        KlcLayout layout;
        KlcError error;
        EXPECT_EQ(ParseKlc(c.Bytes, layout, error), 0) << c.What;
        EXPECT_EQ(error.Line, c.Line) << c.What;
        EXPECT_NE(error.Message.find(c.Message), std::string::npos) << c.What << ": " << error.Message;
    }
}

}  // namespace
