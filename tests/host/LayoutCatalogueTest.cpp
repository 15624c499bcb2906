// The layout catalogue and SelectLayoutFiles over its whole table: every
// Windows version family, processor, variant and set choice.
#include <gtest/gtest.h>

#include "payload/LayoutCatalogue.h"

namespace {

uint8_t FileBytes[kLayoutSetCount][kLayoutVariantCount][kLayoutFileKindCount];
PayloadEntry Files[kLayoutSetCount][kLayoutVariantCount][kLayoutFileKindCount];

// Distinct bytes and stored sizes for each of the twelve files.
struct FakeFiles {
    FakeFiles() {
        for (int set = 0; set < kLayoutSetCount; ++set)
            for (int variant = 0; variant < kLayoutVariantCount; ++variant)
                for (int kind = 0; kind < kLayoutFileKindCount; ++kind)
                    Files[set][variant][kind] = {&FileBytes[set][variant][kind],
                                                 static_cast<uint32_t>(1000 + 100 * set + 10 * variant + kind)};
    }
} fakeFiles;

struct Installer {
    int32_t WinVersion = 0;
    uint16_t ProcessorArchitecture = 0;
    int32_t LayoutVariant = 0;
    int32_t AlternativeSet = 0;
    int32_t AlternativeSetInstalled = 0;
};

struct Expected {
    int Primary, Secondary;  // slots; -1 for none; Primary -1: no file
};

// The selection table: WinVersion and processor to the primary and secondary slot.
Expected ExpectedSlots(int32_t version, uint16_t processor) {
    switch (version) {
        case 50: return {0, -1};
        case 51: return {1, -1};
        case 52: return processor == 0 ? Expected{2, -1} : processor == 6 ? Expected{2, 3} : processor == 9 ? Expected{2, 4} : Expected{-1, -1};
        case 60: return processor == 0 ? Expected{5, -1} : processor == 6 ? Expected{5, 6} : processor == 9 ? Expected{5, 7} : Expected{-1, -1};
        case 61: return processor == 0 ? Expected{8, -1} : processor == 6 ? Expected{8, 9} : processor == 9 ? Expected{8, 10} : Expected{-1, -1};
        default: return processor == 0 ? Expected{11, -1} : processor == 9 ? Expected{11, 12} : Expected{-1, -1};
    }
}

// The file kind of each slot: x86 for the x86 slots (also the 32-bit file of
// 64-bit Windows) and the IA64 slots, x64 for the AMD64 slots.
const int kSlotKind[kLayoutSlotCount] = {0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 1};

}  // namespace

const PayloadEntry* const LayoutFiles[kLayoutSetCount][kLayoutVariantCount][kLayoutFileKindCount] = {
    {{&Files[0][0][0], &Files[0][0][1]}, {&Files[0][1][0], &Files[0][1][1]}, {&Files[0][2][0], &Files[0][2][1]}},
    {{&Files[1][0][0], &Files[1][0][1]}, {&Files[1][1][0], &Files[1][1][1]}, {&Files[1][2][0], &Files[1][2][1]}},
};

namespace {

TEST(LayoutCatalogue, SelectsTheFilesOfEveryCombination) {
    const int32_t versions[] = {0, 40, 50, 51, 52, 60, 61, 62, 63, 100, 101};
    const uint16_t processors[] = {0, 5, 6, 9, 12, 0xFFFF};
    const int flags[][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int32_t version : versions) {
        for (uint16_t processor : processors) {
            for (int variant = 0; variant < kLayoutVariantCount; ++variant) {
                for (const auto& f : flags) {
                    Installer in;
                    in.WinVersion = version;
                    in.ProcessorArchitecture = processor;
                    in.LayoutVariant = variant;
                    in.AlternativeSet = f[0];
                    in.AlternativeSetInstalled = f[1];
                    const uint8_t* primary = reinterpret_cast<const uint8_t*>(1);
                    const uint8_t* secondary = primary;
                    int32_t primarySize = 7, secondarySize = 7;
                    const int answer = SelectLayoutFiles(in, &primary, &secondary, &primarySize, &secondarySize);
                    const Expected e = ExpectedSlots(version, processor);
                    const int set = f[0] || f[1] ? 1 : 0;
                    SCOPED_TRACE(testing::Message() << "version " << version << " processor " << processor << " variant "
                                                    << variant << " set " << set);
                    if (e.Primary < 0) {
                        EXPECT_EQ(answer, 0);
                        EXPECT_EQ(primary, nullptr);
                        EXPECT_EQ(secondary, nullptr);
                        EXPECT_EQ(primarySize, -1);
                        EXPECT_EQ(secondarySize, -1);
                        continue;
                    }
                    EXPECT_EQ(answer, 1);
                    const PayloadEntry& p = Files[set][variant][kSlotKind[e.Primary]];
                    EXPECT_EQ(primary, p.Bytes);
                    EXPECT_EQ(primarySize, static_cast<int32_t>(p.StoredSize));
                    if (e.Secondary < 0) {
                        EXPECT_EQ(secondary, nullptr);
                        EXPECT_EQ(secondarySize, -1);
                    } else {
                        const PayloadEntry& s = Files[set][variant][kSlotKind[e.Secondary]];
                        EXPECT_EQ(secondary, s.Bytes);
                        EXPECT_EQ(secondarySize, static_cast<int32_t>(s.StoredSize));
                    }
                }
            }
        }
    }
}

TEST(LayoutCatalogue, ChoosesTheSlotsOfTheTable) {
    const struct {
        int32_t Version;
        uint16_t Processor;
        int Primary, Secondary;
    } cases[] = {
        {61, 9, 8, 10}, {62, 0, 11, -1}, {100, 0, 11, -1}, {52, 6, 2, 3}, {60, 6, 5, 6}, {61, 6, 8, 9},
        {50, 9, 0, -1}, {51, 6, 1, -1}, {100, 9, 11, 12}, {52, 9, 2, 4}, {60, 9, 5, 7},
    };
    for (const auto& c : cases) {
        int p = 99, s = 99;
        EXPECT_EQ(ChooseLayoutSlots(c.Version, c.Processor, &p, &s), 1) << c.Version << " " << c.Processor;
        EXPECT_EQ(p, c.Primary) << c.Version << " " << c.Processor;
        EXPECT_EQ(s, c.Secondary) << c.Version << " " << c.Processor;
    }
    const struct {
        int32_t Version;
        uint16_t Processor;
    } refused[] = {{63, 6}, {62, 6}, {100, 6}, {52, 5}, {60, 0xFFFF}, {61, 12}};
    for (const auto& r : refused) {
        int p = 99, s = 99;
        EXPECT_EQ(ChooseLayoutSlots(r.Version, r.Processor, &p, &s), 0) << r.Version << " " << r.Processor;
        EXPECT_EQ(p, kNoLayoutSlot);
        EXPECT_EQ(s, kNoLayoutSlot);
    }
}

TEST(LayoutCatalogue, EveryCatalogueSlotIsFilledAndAFileIsStoredOnce) {
    for (int set = 0; set < kLayoutSetCount; ++set) {
        for (int variant = 0; variant < kLayoutVariantCount; ++variant) {
            for (int slot = 0; slot < kLayoutSlotCount; ++slot) {
                const PayloadEntry* entry = LayoutSlotEntry(set, variant, slot);
                ASSERT_NE(entry, nullptr);
                EXPECT_EQ(entry, &Files[set][variant][kSlotKind[slot]]) << set << " " << variant << " " << slot;
            }
        }
    }
    EXPECT_EQ(LayoutSlotEntry(2, 0, 0), nullptr);
    EXPECT_EQ(LayoutSlotEntry(0, 3, 0), nullptr);
    EXPECT_EQ(LayoutSlotEntry(0, 0, 13), nullptr);
    EXPECT_EQ(LayoutSlotEntry(0, -1, 0), nullptr);
}

TEST(LayoutCatalogue, AVariantOutOfRangeSelectsNothing) {
    Installer in;
    in.WinVersion = 61;
    in.ProcessorArchitecture = 9;
    in.LayoutVariant = -1;  // not yet decided
    const uint8_t* primary = nullptr;
    const uint8_t* secondary = nullptr;
    int32_t primarySize = 0, secondarySize = 0;
    EXPECT_EQ(SelectLayoutFiles(in, &primary, &secondary, &primarySize, &secondarySize), 0);
    EXPECT_EQ(primary, nullptr);
    EXPECT_EQ(primarySize, -1);
    in.LayoutVariant = 3;
    EXPECT_EQ(SelectLayoutFiles(in, &primary, &secondary, &primarySize, &secondarySize), 0);
    EXPECT_EQ(secondarySize, -1);
}

}  // namespace
