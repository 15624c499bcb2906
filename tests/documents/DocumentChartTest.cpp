// The chart model against the layout sources: every key the source gives
// characters must show exactly those characters, level by level, the way
// the DLL tables built from the same source answer them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/documents/DocumentTestSupport.h"
#include "tools/document-renderer/ChartDrawing.h"
#include "tools/document-renderer/ChartModel.h"
#include "tools/layout-compiler/KlcModel.h"
#include "tools/layout-compiler/VirtualKeys.h"

namespace {

constexpr uint8_t kSpaceScan = 0x39;
constexpr uint8_t kDecimalVk = 0x6E;

TEST(DocumentChart, EveryKeyOfEverySourceShowsItsCharacters) {
    for (const LayoutSource& source : LoadDocumentLayouts()) {
        SCOPED_TRACE(source.Stem);
        Chart chart = BuildChart(source.Tables, source.Layout.Description);
        int checked = 0;
        for (const KlcKey& row : source.Layout.Keys) {
            if (row.Scan == kSpaceScan || row.Vk == kDecimalVk) continue;  // drawn by name, or off the block
            SCOPED_TRACE(row.Line);
            auto key = std::find_if(chart.Keys.begin(), chart.Keys.end(),
                                    [&](const ChartKey& k) { return k.Scan == row.Scan && !k.Named; });
            ASSERT_NE(key, chart.Keys.end()) << "scan " << int(row.Scan) << " is not on the chart";
            EXPECT_EQ(key->Vk, row.Vk);
            for (int level = 0; level < kChartLevels; ++level) {
                ExpectedLabel expected = SourceLabel(source.Layout, row, kLevelModifiers[level]);
                EXPECT_EQ(key->Labels[level].Text, expected.Text) << "level " << level;
                EXPECT_EQ(key->Labels[level].Dead, expected.Dead) << "level " << level;
                checked += !expected.Text.empty();
            }
        }
        EXPECT_GT(checked, 100);  // a source whose rows were all skipped would pass the loop
    }
}

TEST(DocumentChart, KeysWithoutSourceRowsShowNothing) {
    for (const LayoutSource& source : LoadDocumentLayouts()) {
        Chart chart = BuildChart(source.Tables, source.Layout.Description);
        for (const ChartKey& key : chart.Keys) {
            bool listed = std::any_of(source.Layout.Keys.begin(), source.Layout.Keys.end(),
                                      [&](const KlcKey& k) { return k.Scan == key.Scan; });
            if (listed || key.Named) continue;
            for (const ChartLabel& label : key.Labels) EXPECT_TRUE(label.Text.empty()) << source.Stem;
        }
    }
}

TEST(DocumentChart, KeysOfARowDoNotOverlapAndFitTheBlock) {
    for (const LayoutSource& source : LoadDocumentLayouts()) {
        Chart chart = BuildChart(source.Tables, source.Layout.Description);
        for (size_t i = 0; i < chart.Keys.size(); ++i) {
            const ChartKey& a = chart.Keys[i];
            EXPECT_LE(a.X + a.Width, kChartUnitsWide);
            EXPECT_LT(a.Y, kChartUnitsHigh);
            for (size_t j = i + 1; j < chart.Keys.size(); ++j) {
                const ChartKey& b = chart.Keys[j];
                bool overlap = a.Y == b.Y && a.X < b.X + b.Width && b.X < a.X + a.Width;
                EXPECT_FALSE(overlap) << int(a.Scan) << " and " << int(b.Scan);
            }
        }
    }
}

// A hand-made table: one key whose AltGr column is a dead key, a control
// character in the Ctrl column and a table narrower than the layout.
LayoutTables SmallTables() {
    LayoutTables t;
    t.ModNumber = {0, 1, 2, kInvalidColumn, kInvalidColumn, kInvalidColumn, 3, 4};
    t.Columns = 5;
    CharTable wide;
    wide.Columns = 4;
    CharRecord d;
    d.Row = {0x44, 0, {0x0434, 0x0414, 0x0004, kDeadChar}};
    d.HasNext = true;
    d.Next = {0xFF, 0, {kNoChar, kNoChar, kNoChar, 0x00A8}};
    wide.Records.push_back(d);
    CharTable narrow;
    narrow.Columns = 1;
    narrow.Records.push_back({{0x6E, 0, {u'.'}}, false, {}});
    t.Tables = {wide, narrow};
    return t;
}

TEST(DocumentChart, LabelsFollowTheTableColumns) {
    LayoutTables t = SmallTables();
    struct Case {
        uint8_t Vk;
        int Bits;
        std::u16string Text;
        bool Dead;
    } cases[] = {
        {0x44, 0, u"д", false},      {0x44, 1, u"Д", false},  {0x44, 2, u"", false},  // control character
        {0x44, 6, u"\u00A8", true},  {0x44, 7, u"", false},                          // beyond the record
        {0x44, 3, u"", false},       {0x44, 99, u"", false},                         // no such column
        {0x6E, 0, u".", false},      {0x6E, 1, u"", false},   {0x45, 0, u"", false},  // no such key
    };
    for (const Case& c : cases) {
        ChartLabel label = LabelFromTables(t, c.Vk, c.Bits);
        EXPECT_EQ(label.Text, c.Text) << int(c.Vk) << "/" << c.Bits;
        EXPECT_EQ(label.Dead, c.Dead) << int(c.Vk) << "/" << c.Bits;
    }
}

// The legend of the charts: plain bottom left, Shift top left, AltGr bottom
// right, Shift+AltGr top right.
TEST(DocumentChart, LevelsStandWhereTheLegendSaysSo) {
    EXPECT_EQ(kLevelModifiers[0], 0);
    EXPECT_EQ(kLevelModifiers[1], kShiftBit);
    EXPECT_EQ(kLevelModifiers[2], kCtrlBit | kAltBit);
    EXPECT_EQ(kLevelModifiers[3], kShiftBit | kCtrlBit | kAltBit);
    ChartKey key;
    key.X = 2;
    key.Y = 1;
    key.Width = 1.5;
    ChartPlacement at{10, 20, 40};
    double x[kChartLevels], y[kChartLevels];
    for (int level = 0; level < kChartLevels; ++level) {
        LabelCentre(key, level, at, x[level], y[level]);
        EXPECT_GT(x[level], 10 + 2 * 40);
        EXPECT_LT(x[level], 10 + 3.5 * 40);
        EXPECT_GT(y[level], 20 + 40);
        EXPECT_LT(y[level], 20 + 80);
    }
    EXPECT_EQ(x[0], x[1]);
    EXPECT_EQ(x[2], x[3]);
    EXPECT_GT(x[2], x[0] + 20);
    EXPECT_EQ(y[1], y[3]);
    EXPECT_EQ(y[0], y[2]);
    EXPECT_GT(y[0], y[1] + 10);
}

TEST(DocumentChart, FunctionKeysAreNamedByTheSource) {
    LayoutSource source = LoadDocumentLayouts().front();
    Chart chart = BuildChart(source.Tables, source.Layout.Description);
    int named = 0;
    for (const ChartKey& key : chart.Keys) {
        if (!key.Named) continue;
        ++named;
        EXPECT_FALSE(key.Name.empty()) << int(key.Scan);
    }
    EXPECT_GE(named, 10);
}

}  // namespace
