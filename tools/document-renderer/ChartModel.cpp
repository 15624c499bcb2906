#include "tools/document-renderer/ChartModel.h"

#include "tools/layout-compiler/VirtualKeys.h"

const int kLevelModifiers[kChartLevels] = {0, kShiftBit, kCtrlBit | kAltBit, kShiftBit | kCtrlBit | kAltBit};

namespace {

// One row of the main block: scan codes from left to right with their widths.
struct KeySlot {
    uint8_t Scan;
    double Width;
    bool Named;
    bool Extended = false;  // named by the extended-key names (Right Alt)
};

// The ISO shape: the key left of Z (scan 56) and the one above Enter (2B)
// are both drawn, since the layouts give characters to both.
const KeySlot kRow0[] = {{0x29, 1, false}, {0x02, 1, false}, {0x03, 1, false}, {0x04, 1, false}, {0x05, 1, false},
                         {0x06, 1, false}, {0x07, 1, false}, {0x08, 1, false}, {0x09, 1, false}, {0x0A, 1, false},
                         {0x0B, 1, false}, {0x0C, 1, false}, {0x0D, 1, false}, {0x0E, 2, true}};
const KeySlot kRow1[] = {{0x0F, 1.5, true}, {0x10, 1, false}, {0x11, 1, false}, {0x12, 1, false}, {0x13, 1, false},
                         {0x14, 1, false},  {0x15, 1, false}, {0x16, 1, false}, {0x17, 1, false}, {0x18, 1, false},
                         {0x19, 1, false},  {0x1A, 1, false}, {0x1B, 1, false}, {0x2B, 1.5, false}};
const KeySlot kRow2[] = {{0x3A, 1.75, true}, {0x1E, 1, false}, {0x1F, 1, false}, {0x20, 1, false},
                         {0x21, 1, false},   {0x22, 1, false}, {0x23, 1, false}, {0x24, 1, false},
                         {0x25, 1, false},   {0x26, 1, false}, {0x27, 1, false}, {0x28, 1, false},
                         {0x1C, 2.25, true}};
const KeySlot kRow3[] = {{0x2A, 1.25, true}, {0x56, 1, false}, {0x2C, 1, false}, {0x2D, 1, false},
                         {0x2E, 1, false},   {0x2F, 1, false}, {0x30, 1, false}, {0x31, 1, false},
                         {0x32, 1, false},   {0x33, 1, false}, {0x34, 1, false}, {0x35, 1, false},
                         {0x36, 2.75, true}};
const KeySlot kRow4[] = {{0x1D, 1.5, true}, {0x38, 1.5, true}, {0x39, 7, true}, {0x38, 1.5, true, true},
                         {0x1D, 1.5, true, true}};

struct RowSlots {
    const KeySlot* Slots;
    int Count;
    double Indent;
};
const RowSlots kRows[] = {
    {kRow0, sizeof kRow0 / sizeof kRow0[0], 0},     {kRow1, sizeof kRow1 / sizeof kRow1[0], 0},
    {kRow2, sizeof kRow2 / sizeof kRow2[0], 0},     {kRow3, sizeof kRow3 / sizeof kRow3[0], 0},
    {kRow4, sizeof kRow4 / sizeof kRow4[0], 1},
};

std::u16string KeyName(const LayoutTables& tables, uint8_t scan, bool extended) {
    for (const NameEntry& n : extended ? tables.KeyNamesExt : tables.KeyNames)
        if (n.Code == scan) return n.Text;
    return std::u16string();
}

bool Printable(uint16_t c) { return c > 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0); }

}  // namespace

ChartLabel LabelFromTables(const LayoutTables& tables, uint8_t vk, int modifierBits) {
    ChartLabel label;
    int columns = 0;
    const CharRecord* record = FindCharRecord(tables, vk, &columns);
    if (!record || modifierBits < 0 || modifierBits >= static_cast<int>(tables.ModNumber.size())) return label;
    int column = tables.ModNumber[modifierBits];
    if (column == kInvalidColumn || column >= columns) return label;
    uint16_t c = record->Row.Chars[column];
    if (c == kDeadChar && record->HasNext) {
        c = record->Next.Chars[column];
        label.Dead = true;
    }
    if (c == kNoChar || c == kDeadChar || !Printable(c)) {
        label.Dead = false;
        return label;
    }
    label.Text.assign(1, static_cast<char16_t>(c));
    return label;
}

Chart BuildChart(const LayoutTables& tables, const std::u16string& title) {
    Chart chart;
    chart.Title = title;
    double y = 0;
    for (const RowSlots& row : kRows) {
        double x = row.Indent;
        for (int i = 0; i < row.Count; ++i) {
            const KeySlot& slot = row.Slots[i];
            ChartKey key;
            key.Scan = slot.Scan;
            key.Vk = slot.Extended ? 0 : static_cast<uint8_t>(tables.ScanToVk[slot.Scan] & 0xFF);
            key.X = x;
            key.Y = y;
            key.Width = slot.Width;
            key.Named = slot.Named;
            if (slot.Named) key.Name = KeyName(tables, slot.Scan, slot.Extended);
            else
                for (int level = 0; level < kChartLevels; ++level)
                    key.Labels[level] = LabelFromTables(tables, key.Vk, kLevelModifiers[level]);
            chart.Keys.push_back(key);
            x += slot.Width;
        }
        y += 1;
    }
    for (const DeadEntry& d : tables.Dead)
        if (d.Base != u' ') chart.DeadPairs.push_back({d.Accent, d.Base, d.Composed});
    return chart;
}
