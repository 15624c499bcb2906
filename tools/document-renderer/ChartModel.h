#pragma once
// What a keyboard chart shows: every key of the main block with the
// characters of its four levels, read from the tables the layout DLL holds,
// so that a chart cannot disagree with the file it describes.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/layout-compiler/LayoutTables.h"

// Levels of a key cap: plain, Shift, AltGr (Ctrl+Alt), Shift+AltGr.
constexpr int kChartLevels = 4;
extern const int kLevelModifiers[kChartLevels];

struct ChartLabel {
    std::u16string Text;  // empty: the level types nothing printable
    bool Dead = false;    // the character starts a dead key
};

struct ChartKey {
    uint8_t Scan = 0;
    uint8_t Vk = 0;
    double X = 0, Y = 0, Width = 1;  // in key units from the top left of the block
    bool Named = false;              // a function key (Tab, Shift): shows its name
    std::u16string Name;
    ChartLabel Labels[kChartLevels];
};

struct ChartDeadPair {
    char16_t Accent, Base, Composed;
};

struct Chart {
    std::u16string Title;
    std::vector<ChartKey> Keys;
    std::vector<ChartDeadPair> DeadPairs;
};

constexpr double kChartUnitsWide = 15.0;
constexpr double kChartUnitsHigh = 5.0;

// The character a key types at the given modifier bits, as the DLL tables
// answer it; Dead is set when it is a dead key's accent.
ChartLabel LabelFromTables(const LayoutTables& tables, uint8_t vk, int modifierBits);

Chart BuildChart(const LayoutTables& tables, const std::u16string& title);
