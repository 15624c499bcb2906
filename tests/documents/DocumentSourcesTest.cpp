// The small readers of the document sources (guide marks, the texts file,
// the page template) and the read-me texts of the string tables.
#include <gtest/gtest.h>

#include "tools/document-renderer/GuideSource.h"
#include "tools/document-renderer/LayoutSource.h"
#include "tools/document-renderer/PointerPage.h"
#include "tools/document-renderer/TextResources.h"
#include "tools/payload-tool/StringSource.h"

namespace {

TEST(DocumentSources, GuideMarksMakeBlocks) {
    std::string source =
        "# Title\r\n\r\nFirst line\nsecond line\n\n## Heading\n- item one\n  continued\n- item two\nafter\n\n@chart standard-0\n";
    std::vector<GuideBlock> blocks;
    std::string error;
    ASSERT_TRUE(ParseGuideSource("g.txt", source, blocks, error)) << error;
    struct Expected {
        GuideBlockKind Kind;
        const char* Text;
        int Line;
    } expected[] = {
        {GuideBlockKind::Title, "Title", 1},          {GuideBlockKind::Paragraph, "First line second line", 3},
        {GuideBlockKind::Heading, "Heading", 6},      {GuideBlockKind::Bullet, "item one continued", 7},
        {GuideBlockKind::Bullet, "item two", 9},      {GuideBlockKind::Paragraph, "after", 10},
        {GuideBlockKind::Chart, "standard-0", 12},
    };
    ASSERT_EQ(blocks.size(), sizeof expected / sizeof expected[0]);
    for (size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].Kind, expected[i].Kind) << i;
        EXPECT_EQ(blocks[i].Text, expected[i].Text) << i;
        EXPECT_EQ(blocks[i].Line, expected[i].Line) << i;
    }
}

TEST(DocumentSources, GuideFaultsNameTheirLine) {
    struct Case {
        const char* Source;
        const char* Error;
    } cases[] = {
        {"ok\n\n#bad\n", "g.txt:3: unknown mark"},
        {"@charts x\n", "g.txt:1: unknown mark"},
        {"para\n\n  indented\n", "g.txt:3: indented line outside a bullet"},
    };
    for (const Case& c : cases) {
        std::vector<GuideBlock> blocks;
        std::string error;
        EXPECT_FALSE(ParseGuideSource("g.txt", c.Source, blocks, error)) << c.Source;
        EXPECT_EQ(error, c.Error);
    }
}

TEST(DocumentSources, TextsAreKeyedOnceEach) {
    TextResources texts;
    std::string error, value;
    ASSERT_TRUE(ParseTextResources("t.txt", "# note\n\na: one: two\r\nb: Łódź\n", texts, error)) << error;
    EXPECT_TRUE(texts.Require("a", value));
    EXPECT_EQ(value, "one: two");
    EXPECT_TRUE(texts.Require("b", value));
    EXPECT_EQ(value, "Łódź");
    EXPECT_FALSE(texts.Require("c", value));
    EXPECT_FALSE(ParseTextResources("t.txt", "a: 1\na: 2\n", texts, error));
    EXPECT_EQ(error, "t.txt:2: \"a\" given twice");
    EXPECT_FALSE(ParseTextResources("t.txt", "no colon\n", texts, error));
    EXPECT_EQ(error, "t.txt:1: expected \"key: text\"");
}

TEST(DocumentSources, TemplateMarksAreFilledOrRefused) {
    std::string out;
    EXPECT_TRUE(FillTemplate("<a href=\"{{f}}\">{{f}}</a>{{g}}", {{"f", "x"}, {"g", ""}}, out));
    EXPECT_EQ(out, "<a href=\"x\">x</a>");
    EXPECT_FALSE(FillTemplate("{{f}} {{missing}}", {{"f", "x"}}, out));
    EXPECT_TRUE(FillTemplate("no marks }} {{ open", {}, out));
    EXPECT_EQ(out, "no marks }} {{ open");
}

TEST(DocumentSources, FileNamesBecomeSafeLinks) {
    EXPECT_EQ(UrlPath("Fonetika User Guide (Cyrillic Phonetic).pdf"), "Fonetika%20User%20Guide%20(Cyrillic%20Phonetic).pdf");
    EXPECT_EQ(UrlPath("Łódź#1?.pdf"), "%C5%81%C3%B3d%C5%BA%231%3F.pdf");
    EXPECT_EQ(EscapeHtml("a<b & \"c\">"), "a&lt;b &amp; &quot;c&quot;&gt;");
}

}  // namespace

namespace {

std::string UiString(const char* file, uint32_t id) {
    std::string path = std::string(FONETIKA_SOURCE_DIR) + "/content/strings/" + file, content, error;
    EXPECT_TRUE(ReadSourceFile(path, content));
    StringSource source;
    EXPECT_TRUE(ParseStringSource(path, content, source, error)) << error;
    const SourceString* s = source.Find(id);
    return s ? s->Text : "";
}

size_t Characters(const std::string& utf8) {
    size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

// The read-me texts: CR LF lines that fit a plain editor window, headings
// underlined to their length; the Windows 2000 text opens with a byte-order
// mark (that system reads UTF-8 only after one), the other does not.
TEST(DocumentSources, ReadMeTextsAreWellFormed) {
    const std::string bom = "\xEF\xBB\xBF";
    for (const char* file : {"ui0-english.txt", "ui1-polish.txt"}) {
        for (uint32_t id : {67u, 68u}) {
            SCOPED_TRACE(std::string(file) + " " + std::to_string(id));
            std::string text = UiString(file, id);
            ASSERT_GT(text.size(), 200u);
            EXPECT_EQ(text.compare(0, 3, bom) == 0, id == 68);
            if (id == 68) text.erase(0, 3);
            ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
            std::vector<std::string> lines;
            for (size_t at = 0; at < text.size();) {
                size_t end = text.find("\r\n", at);
                ASSERT_NE(end, std::string::npos);
                lines.push_back(text.substr(at, end - at));
                EXPECT_EQ(lines.back().find('\n'), std::string::npos);
                at = end + 2;
            }
            for (size_t i = 0; i < lines.size(); ++i) {
                EXPECT_LE(Characters(lines[i]), 76u) << lines[i];
                bool underline = !lines[i].empty() && lines[i].find_first_not_of(lines[i][0]) == std::string::npos &&
                                 (lines[i][0] == '=' || lines[i][0] == '-');
                if (underline && i > 0) {
                    EXPECT_EQ(Characters(lines[i]), Characters(lines[i - 1])) << lines[i - 1];
                }
            }
        }
    }
}

}  // namespace
