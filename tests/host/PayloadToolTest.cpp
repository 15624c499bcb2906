// The packer's parts: string sources, their checks, table images, key
// material, compression and the generated source; and the real content.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "payload/KeyNameTable.h"
#include "payload/StringTable.h"
#include "tools/payload-tool/Deflate.h"
#include "tools/common/FileIo.h"
#include "tools/payload-tool/KeyMaterial.h"
#include "tools/payload-tool/SourceWriter.h"
#include "tools/payload-tool/StringChecks.h"
#include "tools/payload-tool/StringTableImage.h"

namespace {

StringSource Parse(const std::string& content, const std::string& path = "t.txt") {
    StringSource source;
    std::string error;
    EXPECT_EQ(ParseStringSource(path, content, source, error), 1) << error;
    return source;
}

std::string ParseError(const std::string& content) {
    StringSource source;
    std::string error;
    EXPECT_EQ(ParseStringSource("bad.txt", content, source, error), 0) << content;
    return error;
}

TEST(PayloadTool, SourceLinesAndEscapes) {
    const StringSource s = Parse(
        "# comment\n\n7 plain text  \n8 a\\nb\\r\\tc\\\\d\n9 \\sspaced\\s\n10\n  11   indented\r\n"
        "12 \\u0416\\u00F3\n4294967295 top\n");
    ASSERT_EQ(s.Strings.size(), 7u);
    const struct {
        uint32_t id;
        const char* text;
        int line;
    } expected[] = {{7, "plain text", 3},          {8, "a\nb\r\tc\\d", 4}, {9, " spaced ", 5}, {10, "", 6},
                    {11, "indented", 7},           {12, "\xD0\x96\xC3\xB3", 8}, {4294967295u, "top", 9}};
    for (const auto& e : expected) {
        const SourceString* found = s.Find(e.id);
        ASSERT_NE(found, nullptr) << e.id;
        EXPECT_EQ(found->Text, e.text) << e.id;
        EXPECT_EQ(found->Line, e.line) << e.id;
    }
}

TEST(PayloadTool, BadSourcesAreRefusedWithFileAndLine) {
    const struct {
        const char* content;
        const char* error;
    } cases[] = {
        {"1 a\n2 b\n1 c\n", "bad.txt:3: duplicate string id 1 (first on line 1)"},
        {"1 a\\q\n", "bad.txt:1: unknown escape \\q"},
        {"\n1 ab\\\n", "bad.txt:2: backslash at the end of the text"},
        {"1 \\u12\n", "bad.txt:1: \\u needs four hexadecimal digits"},
        {"1 \\uD800\n", "bad.txt:1: \\u of a zero or a surrogate"},
        {"1 \\u0000\n", "bad.txt:1: \\u of a zero or a surrogate"},
        {"x text\n", "bad.txt:1: a line must start with a string id"},
        {"12x text\n", "bad.txt:1: a blank must follow the string id"},
        {"4294967296 big\n", "bad.txt:1: string id out of range"},
        {"1 \xC3\n", "bad.txt:1: the text is not valid UTF-8"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseError(c.content), c.error);
}

TEST(PayloadTool, EscapeTextWritesWhatTheParserReads) {
    for (const std::string text : {"a\nb", " lead", "trail ", "back\\slash", "tab\tx\r", "\x01\x7F", "\xC5\x81 \xC5\xBA", ""}) {
        const StringSource s = Parse("5 " + EscapeText(text) + "\n");
        ASSERT_EQ(s.Strings.size(), 1u);
        EXPECT_EQ(s.Strings[0].Text, text) << EscapeText(text);
    }
}

TEST(PayloadTool, TableImageLoadsAndFindsEveryText) {
    const StringSource s = Parse("30 thirty\n2 two\n2147483648 top bit\n7 \\u0416\n");
    const std::vector<uint8_t> image = BuildStringTableImage(s);
    uint8_t* buffer = static_cast<uint8_t*>(std::malloc(image.size()));
    std::memcpy(buffer, image.data(), image.size());
    StringTable table;
    ASSERT_EQ(table.Load(buffer, uint32_t(image.size()), uint32_t(s.Strings.size())), 1);
    for (const SourceString& str : s.Strings) {
        GString text;
        ASSERT_EQ(text.AssignRecord(table.Lookup(str.Id)), 1) << str.Id;
        EXPECT_EQ(std::string(text.NarrowAt(0), size_t(text.Length())), str.Text);
    }
    EXPECT_EQ(table.Lookup(3), nullptr);
}

TEST(PayloadTool, ChecksFindEachFaultWithItsPlace) {
    StringTableSources t;
    t.Common = Parse("1 common\n146 0A0B\n147 0a0b\n148 ABC\n149\n", "common.txt");
    t.Ui0 = Parse("10 ten\n11 eleven\n", "ui0.txt");
    t.Ui1 = Parse("10 dziesięć\n12 dwanaście\n", "ui1.txt");
    t.Extra = Parse("20 extra\n", "extra.txt");
    t.Ui0.Strings.push_back({40, "Install %s in %04X", 9});
    t.Ui1.Strings.push_back({40, "Zainstaluj %d w %s", 9});
    const std::vector<NamedId> named = {{"StrCommon", 1, 3, false, ""},  {"StrTen", 10, 4, false, ""},
                                        {"StrExtra", 20, 5, false, ""},  {"StrMissing", 30, 6, false, ""},
                                        {"StrTwelve", 12, 7, false, ""}, {"StrTemplate", 40, 8, true, "sn"}};
    const std::vector<std::string> faults = CheckStringTables(t, "Ids.h", named, {146, 147, 148, 149, 150});
    const std::vector<std::string> expected = {
        "ui0.txt:2: string 11 is missing from ui1.txt",
        "ui1.txt:2: string 12 is missing from ui0.txt",
        "Ids.h:6: StrMissing (30) is in none of ui0.txt, common.txt, extra.txt",
        "Ids.h:6: StrMissing (30) is in none of ui1.txt, common.txt, extra.txt",
        "Ids.h:7: StrTwelve (12) is in none of ui0.txt, common.txt, extra.txt",
        "ui1.txt:9: template 40 converts (ns) but StrTemplate is passed (sn)",
        "common.txt:3: pattern string 147 is not pairs of upper-case hexadecimal digits",
        "common.txt:4: pattern string 148 is not pairs of upper-case hexadecimal digits",
    };
    EXPECT_EQ(faults, expected);
}

// What each conversion of a template takes, by the formatter's syntax.
TEST(PayloadTool, TemplateArgumentsFollowTheFormatterSyntax) {
    const struct {
        const char *text, *arguments;
    } cases[] = {
        {"plain", ""},          {"100%% sure", ""},        {"%s and %d", "sn"},     {"%04X:%s", "ns"},
        {"%-*.*s", "nns"},      {"%hs %hz %z", "hrg"},     {"%Ld %lld %ld", "LLn"}, {"%q%s", "s"},
        {"%N%#`x", "n"},        {"%.3b %p %W", "ppp"},     {"%e %I", "ff"},         {"ends %", ""},
        {"%$#c%t", "nn"},       {"%%%s", "s"},
    };
    for (const auto& c : cases) EXPECT_EQ(TemplateArguments(c.text), c.arguments) << c.text;
}

std::string ReadText(const std::string& path) {
    std::vector<uint8_t> bytes;
    EXPECT_EQ(ReadWholeFile(path, bytes), 1) << path;
    return std::string(bytes.begin(), bytes.end());
}

// The packer's own check over the real content and the real id header.
TEST(PayloadTool, RealContentPassesEveryCheckAndLoads) {
    const std::string root = FONETIKA_SOURCE_DIR;
    std::vector<NamedId> named;
    std::string error;
    ASSERT_EQ(ParseNamedIds("StringIds.h", ReadText(root + "/payload/StringIds.h"), named, error), 1) << error;
    EXPECT_GT(named.size(), 150u);
    for (int i = 0; i < kKeyNameCount; ++i)
        if (KeyNameTable[i].NameId) named.push_back({"key", KeyNameTable[i].NameId, 0, false, ""});

    StringTableSources t;
    StringSource* tables[4] = {&t.Common, &t.Ui0, &t.Ui1, &t.Extra};
    const char* files[4] = {"common.txt", "ui0-english.txt", "ui1-polish.txt", "extra.txt"};
    for (int i = 0; i < 4; ++i) {
        const std::string path = root + "/content/strings/" + files[i];
        ASSERT_EQ(ParseStringSource(path, ReadText(path), *tables[i], error), 1) << error;
    }
    const std::vector<std::string> faults = CheckStringTables(t, "StringIds.h", named, {146, 147, 148, 149, 150, 151});
    EXPECT_TRUE(faults.empty()) << faults.front();
    for (StringSource* s : tables) {
        const std::vector<uint8_t> image = BuildStringTableImage(*s);
        uint8_t* buffer = static_cast<uint8_t*>(std::malloc(image.size()));
        std::memcpy(buffer, image.data(), image.size());
        StringTable table;
        EXPECT_EQ(table.Load(buffer, uint32_t(image.size()), uint32_t(s->Strings.size())), 1) << s->Path;
    }
}

TEST(PayloadTool, KeyMaterialIsDeterministicAndFollowsTheSeed) {
    const std::vector<uint8_t> a = KeyMaterialFromSeed("seed"), b = KeyMaterialFromSeed("seed"),
                               c = KeyMaterialFromSeed("seee");
    ASSERT_EQ(a.size(), 968u);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    size_t same = 0;
    for (size_t i = 0; i < a.size(); ++i) same += a[i] == c[i];
    EXPECT_LT(same, 40u) << "a one-letter change must change nearly every byte";
}

std::vector<uint8_t> Inflate(const std::vector<uint8_t>& packed, size_t size) {
    std::vector<uint8_t> out(size + 1);
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    inflateInit2(&stream, -MAX_WBITS);
    stream.next_in = const_cast<Bytef*>(packed.data());
    stream.avail_in = uInt(packed.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const int status = inflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    inflateEnd(&stream);
    return status == Z_STREAM_END ? out : std::vector<uint8_t>();
}

TEST(PayloadTool, SmallestDeflateIsRawAndNoLargerThanZlib9) {
    const std::string root = FONETIKA_SOURCE_DIR;
    const std::string text = ReadText(root + "/content/licences/licence-pl.txt");
    for (const std::vector<uint8_t>& data :
         {std::vector<uint8_t>(text.begin(), text.end()), std::vector<uint8_t>(), std::vector<uint8_t>(5000, 'a')}) {
        const std::vector<uint8_t> best = DeflateSmallest(data), zlib = DeflateZlib9(data);
        EXPECT_LE(best.size(), zlib.size());
        EXPECT_EQ(Inflate(best, data.size()), data);
        EXPECT_EQ(DeflateSmallest(data), best) << "same input, same bytes";
    }
}

TEST(PayloadTool, GeneratedSourceNamesEachEntryWithItsSize) {
    const std::string source = WritePayloadSource({{"FirstEntry", {1, 2, 255}}, {"Empty", {}}});
    EXPECT_NE(source.find("static const uint8_t FirstEntryBytes[] = {\n1,2,255,\n};"), std::string::npos) << source;
    EXPECT_NE(source.find("const PayloadEntry FirstEntry = {FirstEntryBytes, 3u};"), std::string::npos) << source;
    EXPECT_NE(source.find("const PayloadEntry Empty = {EmptyBytes, 0u};"), std::string::npos) << source;
}

}  // namespace
