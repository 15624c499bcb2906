#include "tools/layout-compiler/LayoutTables.h"

#include <algorithm>
#include <cstdio>

#include "tools/layout-compiler/KlcParser.h"
#include "tools/layout-compiler/VirtualKeys.h"

namespace {

int ColumnOf(const KlcLayout& layout, int modifierBits) {
    for (size_t i = 0; i < layout.ShiftStates.size(); ++i)
        if (layout.ShiftStates[i] == modifierBits) return static_cast<int>(i);
    return -1;
}

uint16_t Stored(const KlcChar& c) { return !c.Present ? kNoChar : c.Dead ? kDeadChar : c.Code; }

// Width of a record: up to its last column that holds anything.
int Width(const CharRecord& record) {
    int width = 1;
    for (size_t i = 0; i < record.Row.Chars.size(); ++i) {
        bool used = record.Row.Chars[i] != kNoChar || (record.HasNext && record.Next.Chars[i] != kNoChar);
        if (used) width = static_cast<int>(i) + 1;
    }
    return width;
}

CharRecord KeyRecord(const KlcKey& key) {
    CharRecord record;
    record.Row.Vk = key.Vk;
    record.Row.Attributes = key.Attributes;
    for (const KlcChar& c : key.Chars) record.Row.Chars.push_back(Stored(c));
    bool dead = false;
    for (const KlcChar& c : key.Chars) dead = dead || c.Dead;
    if (!key.CapsChars.empty() || dead) {
        record.HasNext = true;
        record.Next.Vk = kVkNone;
        for (size_t i = 0; i < key.Chars.size(); ++i)
            record.Next.Chars.push_back(!key.CapsChars.empty() ? Stored(key.CapsChars[i])
                                        : key.Chars[i].Dead ? key.Chars[i].Code : kNoChar);
    }
    return record;
}

CharRecord BuiltinRecord(const KlcLayout& layout, const BuiltinKey& key) {
    CharRecord record;
    record.Row.Vk = key.Vk;
    record.Row.Chars.assign(layout.ShiftStates.size(), kNoChar);
    const char16_t chars[3] = {key.Plain, key.Shift, key.Ctrl};
    for (int bits = 0; bits < 3; ++bits) {
        int column = ColumnOf(layout, bits);
        if (column >= 0 && chars[bits] != 0) record.Row.Chars[column] = chars[bits];
    }
    return record;
}

void AddRecord(std::vector<CharTable>& tables, CharRecord record) {
    int width = Width(record);
    record.Row.Chars.resize(width);
    if (record.HasNext) record.Next.Chars.resize(width);
    for (CharTable& table : tables) {
        if (table.Columns == width) {
            table.Records.push_back(record);
            return;
        }
    }
    CharTable table;
    table.Columns = width;
    table.Records.push_back(record);
    tables.push_back(table);
}

std::vector<NameEntry> Names(const std::vector<KlcName>& names) {
    std::vector<NameEntry> out;
    for (const KlcName& n : names) out.push_back({n.Code, n.Text});
    return out;
}

}  // namespace

LayoutTables BuildLayoutTables(const KlcLayout& layout) {
    LayoutTables t;
    for (int scan = 0; scan < kScanTableSize; ++scan) t.ScanToVk.push_back(DefaultScanVk(scan));
    // Keypad keys keep their cursor meaning; their rows only give the characters
    // that Num Lock turns them into.
    for (const KlcKey& key : layout.Keys)
        if (!(t.ScanToVk[key.Scan] & kVkNumpad)) t.ScanToVk[key.Scan] = key.Vk;
    for (int i = 0; i < kDefaultE0KeyCount; ++i) t.E0.push_back({kDefaultE0Keys[i].Scan, kDefaultE0Keys[i].Vk});
    for (int i = 0; i < kDefaultE1KeyCount; ++i) t.E1.push_back({kDefaultE1Keys[i].Scan, kDefaultE1Keys[i].Vk});

    int maxBits = 0;
    for (int s : layout.ShiftStates) maxBits = std::max(maxBits, s);
    t.ModifierKeys = {{0x10, kShiftBit}, {0x11, kCtrlBit}, {0x12, kAltBit}};
    if (maxBits & 8) t.ModifierKeys.push_back({0x15, 8});
    t.ModNumber.assign(maxBits + 1, kInvalidColumn);
    for (size_t i = 0; i < layout.ShiftStates.size(); ++i) t.ModNumber[layout.ShiftStates[i]] = static_cast<uint8_t>(i);
    t.Columns = static_cast<int>(layout.ShiftStates.size());

    std::vector<CharTable> tables;
    const KlcKey* decimal = nullptr;
    for (const KlcKey& key : layout.Keys) {
        if (key.Vk == kVkDecimal) decimal = &key;
        else AddRecord(tables, KeyRecord(key));
    }
    for (int i = 0; i < kBuiltinKeyCount; ++i) {
        bool listed = false;
        for (const KlcKey& key : layout.Keys) listed = listed || key.Vk == kBuiltinKeys[i].Vk;
        if (!listed) AddRecord(tables, BuiltinRecord(layout, kBuiltinKeys[i]));
    }
    // The keypad decimal key comes last in its table, so that the bytes after
    // its characters are the table's end in every layout.
    if (decimal) AddRecord(tables, KeyRecord(*decimal));
    // Wider tables first and the one-column table last: character lookups by
    // other programs then find a key's main characters before the keypad's.
    std::sort(tables.begin(), tables.end(), [](const CharTable& a, const CharTable& b) {
        if ((a.Columns == 1) != (b.Columns == 1)) return b.Columns == 1;
        return a.Columns < b.Columns;
    });
    t.Tables = tables;

    for (const KlcDeadKey& d : layout.DeadKeys)
        for (const auto& pair : d.Pairs) t.Dead.push_back({d.Accent, pair.first, pair.second, 0});
    t.KeyNames = Names(layout.KeyNames);
    t.KeyNamesExt = Names(layout.KeyNamesExt);
    t.KeyNamesDead = Names(layout.KeyNamesDead);
    t.LocaleFlags = (1u << 16) | layout.LocaleAttributes;
    t.DisplayName = layout.Description;
    t.VersionMajor = layout.VersionMajor;
    t.VersionMinor = layout.VersionMinor;
    return t;
}

const CharRecord* FindCharRecord(const LayoutTables& tables, uint8_t vk, int* columns) {
    for (const CharTable& table : tables.Tables) {
        for (const CharRecord& record : table.Records) {
            if (record.Row.Vk != vk) continue;
            if (columns) *columns = table.Columns;
            return &record;
        }
    }
    return nullptr;
}

namespace {

std::string Hex(unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

std::string RowText(const char* label, const CharRow& row) {
    std::string line = std::string(label) + " " + Hex(row.Vk, 2) + " " + Hex(row.Attributes, 2);
    for (uint16_t c : row.Chars) line += " " + Hex(c, 4);
    return line + "\n";
}

}  // namespace

std::string DumpLayoutTables(const LayoutTables& t) {
    std::string out;
    for (size_t scan = 0; scan < t.ScanToVk.size(); ++scan)
        out += "scan " + Hex(static_cast<unsigned>(scan), 2) + " " + Hex(t.ScanToVk[scan], 4) + "\n";
    for (const ScanVk& e : t.E0) out += "e0 " + Hex(e.Scan, 2) + " " + Hex(e.Vk, 4) + "\n";
    for (const ScanVk& e : t.E1) out += "e1 " + Hex(e.Scan, 2) + " " + Hex(e.Vk, 4) + "\n";
    for (const auto& m : t.ModifierKeys) out += "modifier " + Hex(m.first, 2) + " " + Hex(m.second, 2) + "\n";
    out += "columns";
    for (uint8_t n : t.ModNumber) out += " " + Hex(n, 1);
    out += "\n";
    for (const CharTable& table : t.Tables) {
        out += "table " + std::to_string(table.Columns) + "\n";
        for (const CharRecord& record : table.Records) {
            out += RowText("key", record.Row);
            if (record.HasNext) out += RowText("next", record.Next);
        }
    }
    for (const DeadEntry& d : t.Dead)
        out += "dead " + Hex(d.Accent, 4) + " " + Hex(d.Base, 4) + " " + Hex(d.Composed, 4) + " " + Hex(d.Flags, 4) + "\n";
    for (const NameEntry& n : t.KeyNames) out += "name " + Hex(n.Code, 2) + " " + ToUtf8(n.Text) + "\n";
    for (const NameEntry& n : t.KeyNamesExt) out += "name-ext " + Hex(n.Code, 2) + " " + ToUtf8(n.Text) + "\n";
    for (const NameEntry& n : t.KeyNamesDead) out += "name-dead " + Hex(n.Code, 4) + " " + ToUtf8(n.Text) + "\n";
    out += "flags " + Hex(t.LocaleFlags, 8) + " type " + std::to_string(t.Type) + " subtype " + std::to_string(t.SubType) +
           "\n";
    out += "display-name " + ToUtf8(t.DisplayName) + "\n";
    out += "version " + std::to_string(t.VersionMajor) + "." + std::to_string(t.VersionMinor) + "\n";
    return out;
}
