// Byte patterns and the tailoring, on images laid out like a layout DLL's data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "tools/layout-compiler/BytePatterns.h"
#include "tools/layout-compiler/KlcParser.h"
#include "tools/layout-compiler/LayoutTables.h"

namespace {

const char kSource[] =
    "KBD\tkbdtest\t\"Test\"\nSHIFTSTATE\n0\n1\nLAYOUT\n"
    "1e\tA\t1\ta\tA\n53\tDECIMAL\t0\t002e\t002e\nENDKBD\n";

LayoutTables Tables() {
    KlcLayout layout;
    KlcError error;
    const std::string text = kSource;
    EXPECT_EQ(ParseKlc(std::vector<uint8_t>(text.begin(), text.end()), layout, error), 1) << error.Message;
    return BuildLayoutTables(layout);
}

void Put16(std::vector<uint8_t>& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void PutPrefixed(std::vector<uint8_t>& bytes, const std::vector<ScanVk>& keys) {
    for (const ScanVk& k : keys) {
        bytes.push_back(k.Scan);
        bytes.push_back(0);
        Put16(bytes, k.Vk);
    }
    bytes.insert(bytes.end(), 4, 0);
}

struct Offsets {
    size_t Main, E0, E1, Decimal;
};

// Filler, the scan-code table, E0, E1, more filler, the decimal record and its
// table's end, as the emitter orders them.
std::vector<uint8_t> Image(const LayoutTables& t, Offsets* at = nullptr, const std::vector<uint8_t>& extra = {}) {
    std::vector<uint8_t> bytes(16, 0xAA);
    Offsets o;
    o.Main = bytes.size();
    for (uint16_t vk : t.ScanToVk) Put16(bytes, vk);
    o.E0 = bytes.size();
    PutPrefixed(bytes, t.E0);
    o.E1 = bytes.size();
    PutPrefixed(bytes, t.E1);
    bytes.insert(bytes.end(), {0x10, 0x01, 0x11, 0x02, 0x12, 0x04, 0, 0});
    bytes.insert(bytes.end(), extra.begin(), extra.end());
    int columns = 0;
    const CharRecord* decimal = FindCharRecord(t, 0x6E, &columns);
    EXPECT_TRUE(decimal && columns == 2);
    bytes.push_back(decimal->Row.Vk);
    bytes.push_back(decimal->Row.Attributes);
    o.Decimal = bytes.size();
    for (uint16_t c : decimal->Row.Chars) Put16(bytes, c);
    bytes.insert(bytes.end(), 6, 0);
    bytes.insert(bytes.end(), 16, 0xBB);
    if (at) *at = o;
    return bytes;
}

std::vector<PatternFile> Files(const std::vector<uint8_t>& image) {
    std::vector<PatternFile> files;
    for (int variant = 0; variant < 3; ++variant) {
        PatternFile f;
        f.Path = "variant-" + std::to_string(variant) + ".dll";
        f.Variant = variant;
        f.Tables = Tables();
        f.Image = image;
        files.push_back(f);
    }
    return files;
}

std::vector<uint8_t> Decode(const std::string& hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

size_t Occurrences(const std::vector<uint8_t>& image, const std::vector<uint8_t>& pattern, size_t* first) {
    size_t n = 0;
    for (size_t i = 0; i + pattern.size() <= image.size(); ++i)
        if (std::equal(pattern.begin(), pattern.end(), image.begin() + i) && n++ == 0) *first = i;
    return n;
}

TEST(LayoutPatterns, MarkEachTableOnceAndInUpperCase) {
    Offsets at;
    const std::vector<uint8_t> image = Image(Tables(), &at);
    std::string text, error;
    ASSERT_EQ(DerivePatterns(Files(image), text, error), 1) << error;
    const struct {
        int Id;
        size_t Start;
    } expected[] = {{146, at.Decimal}, {147, at.Main}, {148, at.Main}, {149, at.Main}, {150, at.E0}, {151, at.E1}};
    for (const auto& e : expected) {
        const std::string hex = PatternHex(text, e.Id);
        EXPECT_GE(hex.size(), 16u) << e.Id;
        EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos) << hex;
        size_t first = 0;
        EXPECT_EQ(Occurrences(image, Decode(hex), &first), 1u) << e.Id;
        EXPECT_EQ(first, e.Start) << e.Id;
    }
    // The first three bytes after the E1 table's start would do here; eight are required.
    EXPECT_EQ(PatternHex(text, 151), "1D00130000000000");
}

TEST(LayoutPatterns, GrowUntilUniqueAndRefuseWhatTheyCannotMark) {
    const LayoutTables t = Tables();
    // Copies of the first bytes of the E0 table and of the decimal characters
    // with what follows them: both patterns must grow past the copies.
    const std::vector<uint8_t> copies = {0x10, 0x00, 0xB1, 0x01, 0x19, 0x00, 0xB0, 0x01, 0x1C, 0x00,
                                         0x2E, 0x00, 0x2E, 0x00, 0x00, 0x00, 0x00, 0x00};
    std::string text, error;
    ASSERT_EQ(DerivePatterns(Files(Image(t, nullptr, copies)), text, error), 1) << error;
    EXPECT_EQ(PatternHex(text, 150), "1000B1011900B0011C000D");
    EXPECT_EQ(PatternHex(text, 146), "2E002E000000000000");

    // Bytes that differ between two files before the pattern is unique.
    std::vector<PatternFile> files = Files(Image(t, nullptr, copies));
    Offsets at;
    Image(t, &at, copies);
    files[2].Image[at.Decimal + 8] = 0x01;  // after the table's end, in one file only
    EXPECT_EQ(DerivePatterns(files, text, error), 0);
    EXPECT_NE(error.find("keypad decimal pattern is not unique in variant-0.dll before variant-2.dll differs"),
              std::string::npos)
        << error;

    // A table that occurs twice cannot be marked at all.
    std::vector<uint8_t> twice = Image(t);
    std::vector<uint8_t> scan;
    for (uint16_t vk : t.ScanToVk) Put16(scan, vk);
    twice.insert(twice.end(), scan.begin(), scan.end());
    EXPECT_EQ(DerivePatterns(Files(twice), text, error), 0);
    EXPECT_NE(error.find("the scan-code table occurs 2 times"), std::string::npos) << error;

    // No file for a variant.
    files = Files(Image(t));
    files.pop_back();
    EXPECT_EQ(DerivePatterns(files, text, error), 0);
    EXPECT_NE(error.find("no file for the variant 2"), std::string::npos) << error;
}

TEST(LayoutPatterns, NeverLeanOnBytesAnEarlierTailoringStepChanges) {
    // The decimal record right before the scan-code table: eight bytes from
    // its characters reach into the table that the assignments change.
    LayoutTables t = Tables();
    std::vector<uint8_t> image(8, 0xAA);
    std::vector<uint8_t> scan;
    for (uint16_t vk : t.ScanToVk) Put16(scan, vk);
    image.insert(image.end(), {0x6E, 0x00});
    const size_t record = image.size();
    image.insert(image.end(), {0x2E, 0x00, 0x2E, 0x00});
    image.insert(image.end(), scan.begin(), scan.end());
    PutPrefixed(image, t.E0);
    PutPrefixed(image, t.E1);
    ASSERT_EQ(record, 10u);
    std::string text, error;
    EXPECT_EQ(DerivePatterns(Files(image), text, error), 0);
    EXPECT_NE(error.find("keypad decimal pattern would need bytes an earlier tailoring step changes"), std::string::npos)
        << error;
}

TEST(LayoutPatterns, TailoringWritesWhereTheInstallWrites) {
    LayoutTables t = Tables();
    Offsets at;
    std::vector<uint8_t> image = Image(t, &at);
    std::string patterns, error;
    ASSERT_EQ(DerivePatterns(Files(image), patterns, error), 1) << error;
    ASSERT_EQ(TailorImage(image, patterns, 1, kSampleAssignments, kSampleAssignmentCount, true, error), 1) << error;

    EXPECT_EQ(image[at.Main + 60], 0x51);  // scan code 0x1E at table + 2 x 0x1E
    EXPECT_EQ(image[at.Main + 61], 0x00);
    EXPECT_EQ(image[at.Main + 2 * 0x7E], 0x41);  // the last entry of the table
    EXPECT_EQ(image[at.Decimal], ',');
    EXPECT_EQ(image[at.Decimal + 2], ',');

    // Everything else is as the tables say after the same changes: the E0
    // record of 0x5B, the E1 record, and nothing for 0x00FF, 0xE07F or Vk 0.
    TailorTables(t, kSampleAssignments, kSampleAssignmentCount, true);
    EXPECT_EQ(image, Image(t));
    EXPECT_EQ(t.ScanToVk[0x30], 0x00FF);
}

TEST(LayoutPatterns, TailoringFailsWithoutItsPatterns) {
    const LayoutTables t = Tables();
    std::vector<uint8_t> image = Image(t);
    std::string patterns, error;
    ASSERT_EQ(DerivePatterns(Files(image), patterns, error), 1) << error;
    const std::string e0 = PatternHex(patterns, 150);
    std::string lower = patterns;
    const size_t start = lower.find(e0);
    for (size_t at = start; at < start + e0.size(); ++at) lower[at] = static_cast<char>(std::tolower(lower[at]));
    std::vector<uint8_t> copy = image;
    EXPECT_EQ(TailorImage(copy, lower, 0, kSampleAssignments, kSampleAssignmentCount, false, error), 0);
    EXPECT_EQ(error, "pattern 150 cannot be decoded");

    std::string missing = patterns;
    missing.replace(missing.find(PatternHex(patterns, 146)), 4, "FFFF");
    copy = image;
    EXPECT_EQ(TailorImage(copy, missing, 0, nullptr, 0, false, error), 1) << "no decimal patch wanted: 146 unused";
    EXPECT_EQ(copy, image);
    EXPECT_EQ(TailorImage(copy, missing, 0, nullptr, 0, true, error), 0);
    EXPECT_EQ(error, "pattern 146 is not in the file");
}

}  // namespace
