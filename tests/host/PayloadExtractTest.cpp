// Extract and ExtractText: every check that refuses an entry, and the sizes
// at the edges.
#include <gtest/gtest.h>

#include "payload/ExtractText.h"
#include "tests/host/PayloadTestSupport.h"

namespace {

class PayloadExtract : public ::testing::Test {
protected:
    void SetUp() override {
        const Bytes material = TestMaterial(1);
        ASSERT_EQ(guard.LoadMaterial(material.data(), uint32_t(material.size())), 1);
        for (int i = 0; i < 3000; ++i) data.push_back(uint8_t("fonetika cyrillic "[i % 18] + i / 500));
    }

    // Deciphers, lets `change` edit the plain entry, enciphers again.
    Bytes Tampered(const Bytes& entry, void (*change)(Bytes&)) {
        Bytes plain = entry;
        Cipher(guard, plain, false);
        change(plain);
        Cipher(guard, plain, true);
        return plain;
    }

    CGuard guard;
    Bytes data;
};

TEST_F(PayloadExtract, RoundTripReportsDataSizeAndItemCount) {
    const Bytes entry = Seal(guard, data, 77);
    ASSERT_FALSE(entry.empty());
    EXPECT_EQ(entry.size() % 8, 0u);
    const Extracted r = ExtractBytes(guard, entry);
    ASSERT_TRUE(r.Ok);
    EXPECT_EQ(r.Data, data);
    EXPECT_EQ(r.Size, data.size());
    EXPECT_EQ(r.ItemCount, 77u);
}

TEST_F(PayloadExtract, AnotherKeyIsRefusedAtTheStoredSize) {
    const Bytes entry = Seal(guard, data);
    CGuard other;
    const Bytes material = TestMaterial(2);
    ASSERT_EQ(other.LoadMaterial(material.data(), uint32_t(material.size())), 1);
    const Extracted r = ExtractBytes(other, entry);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Fault, ExtractFault::StoredSizeMismatch);
    EXPECT_EQ(r.Size, entry.size()) << "size must not change on failure";
    EXPECT_EQ(r.ItemCount, 0xDEADBEEFu) << "item count must not change on failure";
}

TEST_F(PayloadExtract, EachDamageIsCaughtByItsCheck) {
    const Bytes entry = Seal(guard, data);
    const struct {
        const char* what;
        void (*change)(Bytes&);
        ExtractFault fault;
    } cases[] = {
        {"bit in the stream", [](Bytes& p) { p[kPayloadHeaderSize + 5] ^= 0x10; }, ExtractFault::PackedCrcMismatch},
        {"DataCrc", [](Bytes& p) { p[12] ^= 1; }, ExtractFault::DataCrcMismatch},
        {"StoredSize", [](Bytes& p) { WriteLittle32(&p[0], ReadLittle32(&p[0]) + 8); },
         ExtractFault::StoredSizeMismatch},
        {"PackedSize past the entry",
         [](Bytes& p) { WriteLittle32(&p[8], uint32_t(p.size()) - kPayloadHeaderSize + 1); },
         ExtractFault::PackedSizeTooLarge},
        {"PackedSize huge", [](Bytes& p) { WriteLittle32(&p[8], 0xFFFFFFF0u); }, ExtractFault::PackedSizeTooLarge},
        {"DataSize one more", [](Bytes& p) { WriteLittle32(&p[4], ReadLittle32(&p[4]) + 1); },
         ExtractFault::StreamMismatch},
        {"DataSize beyond any stream", [](Bytes& p) { WriteLittle32(&p[4], 0xFFFFFF00u); },
         ExtractFault::StreamMismatch},
        {"DataSize one less", [](Bytes& p) { WriteLittle32(&p[4], ReadLittle32(&p[4]) - 1); },
         ExtractFault::StreamMismatch},
    };
    for (const auto& c : cases) {
        const Extracted r = ExtractBytes(guard, Tampered(entry, c.change));
        EXPECT_FALSE(r.Ok) << c.what;
        EXPECT_EQ(r.Fault, c.fault) << c.what;
    }
}

// A stream cut short inside the entry (PackedSize and PackedCrc consistent)
// does not end within its input.
TEST_F(PayloadExtract, TruncatedStreamIsRefused) {
    Bytes packed = RawDeflate(data);
    packed.resize(packed.size() / 2);
    const Extracted r = ExtractBytes(guard, SealWith(guard, data, packed));
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Fault, ExtractFault::StreamMismatch);
}

// A stream of more bytes than the header's DataSize, with both CRCs right
// for what the header claims.
TEST_F(PayloadExtract, StreamLongerOrShorterThanDataSizeIsRefused) {
    Bytes longer = data;
    longer.push_back('x');
    Bytes shorter(data.begin(), data.end() - 1);
    for (const Bytes* stream : {&longer, &shorter}) {
        const Extracted r = ExtractBytes(guard, SealWith(guard, data, RawDeflate(*stream)));
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(r.Fault, ExtractFault::StreamMismatch);
    }
}

TEST_F(PayloadExtract, SizesAtTheEdges) {
    const Bytes entry = Seal(guard, data);
    const Extracted zero = ExtractBytes(guard, entry, 0);
    EXPECT_FALSE(zero.Ok);
    EXPECT_EQ(zero.Fault, ExtractFault::BadSize);
    const Extracted small = ExtractBytes(guard, entry, 16);
    EXPECT_EQ(small.Fault, ExtractFault::BadSize);
    // Not a multiple of 8: the last block is completed with zeros, never read
    // past the size, and the header's StoredSize cannot match.
    const Bytes cut(entry.begin(), entry.end() - 3);
    const Extracted odd = ExtractBytes(guard, cut);
    EXPECT_FALSE(odd.Ok);
    EXPECT_EQ(odd.Fault, ExtractFault::StoredSizeMismatch);

    uint32_t size = uint32_t(entry.size());
    EXPECT_EQ(guard.Extract(nullptr, size, nullptr), nullptr);
}

TEST_F(PayloadExtract, EmptyDataExtractsToNothing) {
    const Extracted r = ExtractBytes(guard, Seal(guard, Bytes(), 3));
    ASSERT_TRUE(r.Ok);
    EXPECT_EQ(r.Size, 0u);
    EXPECT_EQ(r.ItemCount, 3u);
}

// Every plain bit is checked except ItemCount's, which no CRC covers (the
// string table's own layout check catches those), and the padding's.
TEST_F(PayloadExtract, EverySingleBitFlipIsRefusedOutsideItemCountAndPadding) {
    const Bytes entry = Seal(guard, data, 24);
    const uint32_t usedBytes = kPayloadHeaderSize + uint32_t(RawDeflate(data).size());
    ASSERT_LT(usedBytes, entry.size()) << "the case needs padding";
    for (size_t byte = 0; byte < entry.size(); ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            const Extracted r = ExtractBytes(guard, WithPlainBitFlipped(guard, entry, byte, bit));
            if (byte >= 20 && byte < 24) {
                ASSERT_TRUE(r.Ok) << "byte " << byte;
                EXPECT_EQ(r.ItemCount, 24u ^ (uint32_t(1u << bit) << (8 * (byte - 20))));
            } else if (byte < usedBytes) {
                EXPECT_FALSE(r.Ok) << "byte " << byte << " bit " << bit;
            } else {
                EXPECT_TRUE(r.Ok && r.Data == data) << "padding byte " << byte << " bit " << bit;
            }
        }
    }
}

// The same for flips of the stored (enciphered) bytes: a flip garbles its
// whole block, which is caught unless the block is all padding.
TEST_F(PayloadExtract, StoredBitFlipsAreRefusedOutsidePaddingBlocks) {
    Bytes table(40, 7);
    const Bytes entry = Seal(guard, table, 5);
    for (size_t byte = 0; byte < entry.size(); ++byte) {
        Bytes damaged = entry;
        damaged[byte] ^= 0x80;
        EXPECT_FALSE(ExtractBytes(guard, damaged).Ok) << "byte " << byte;
    }
}

TEST_F(PayloadExtract, ExtractTextDropsTheByteOrderMark) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string text = "Licence \xC5\x81\xC3\xB3" "d\xC5\xBA";
    const struct {
        std::string stored, expected;
    } cases[] = {{text, text}, {bom + text, text}, {bom, ""}, {"\xEF\xBB", "\xEF\xBB"}, {bom + bom, bom}};
    for (const auto& c : cases) {
        const Bytes entry = Seal(guard, BytesOf(c.stored));
        GString target;
        target.AssignWide(u"old");
        ASSERT_EQ(ExtractText(guard, entry.data(), uint32_t(entry.size()), target), 1) << c.stored;
        EXPECT_FALSE(target.IsWide());
        EXPECT_EQ(std::string(target.NarrowAt(0), size_t(target.Length())), c.expected);
    }
}

TEST_F(PayloadExtract, ExtractTextFailsWithoutAnEntryOrAfterWipe) {
    const Bytes entry = Seal(guard, BytesOf("text"));
    GString target;
    EXPECT_EQ(ExtractText(guard, nullptr, uint32_t(entry.size()), target), 0);
    EXPECT_EQ(ExtractText(guard, entry.data(), 0, target), 0);
    guard.Wipe();
    EXPECT_EQ(ExtractText(guard, entry.data(), uint32_t(entry.size()), target), 0);
}

}  // namespace
