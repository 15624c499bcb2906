// The rendered documents read back with poppler's tools: they open, carry
// their names and fixed dates, embed DejaVu, hold the guide's headings in
// both languages, and every chart label stands on its key.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "tests/documents/DocumentTestSupport.h"
#include "tools/document-renderer/ChartDrawing.h"
#include "tools/document-renderer/ChartsDocument.h"
#include "tools/document-renderer/GuideSource.h"
#include "tools/layout-compiler/KlcParser.h"
#include "tools/payload-tool/StringSource.h"

namespace {

std::string RunTool(const std::string& command) {
    int status = 0;
    std::string out = RunCommand(command, status);
    EXPECT_EQ(status, 0) << command;
    return out;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string InfoField(const std::string& info, const std::string& field) {
    std::smatch m;
    if (!std::regex_search(info, m, std::regex("(^|\n)" + field + ": *([^\n]*)"))) return "";
    return m[2];
}

// Runs of blanks and line breaks as one space: pdftotext breaks lines where the page does.
std::string Squeeze(const std::string& text) {
    std::string out;
    for (char c : text) {
        bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f';
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    return out;
}

std::string StripMarkup(const std::string& markup) {
    return std::regex_replace(std::regex_replace(markup, std::regex("<[^>]*>"), ""), std::regex("&amp;"), "&");
}

std::string CommonString(uint32_t id) {
    std::string path = SourcePath("content/strings/common.txt"), error;
    StringSource source;
    EXPECT_TRUE(ParseStringSource(path, ReadFile(path), source, error)) << error;
    const SourceString* s = source.Find(id);
    return s ? s->Text : "";
}

TEST(DocumentPdf, InfoNamesTheDocumentsAsTheInstallerDoes) {
    std::string guide = RunTool("pdfinfo " + Quote(DocumentPath("document-a.pdf")));
    std::string charts = RunTool("pdfinfo " + Quote(DocumentPath("document-b.pdf")));
    EXPECT_EQ(InfoField(guide, "Title"), CommonString(22) + " (" + CommonString(23) + ")");
    EXPECT_EQ(InfoField(charts, "Title"), CommonString(30));
    EXPECT_EQ(std::stoi(InfoField(charts, "Pages")), static_cast<int>(DocumentLayoutPaths().size()));
    EXPECT_GE(std::stoi(InfoField(guide, "Pages")), 2);
    EXPECT_NE(InfoField(guide, "Page size").find("(A4)"), std::string::npos);
    for (const std::string& info : {guide, charts}) {
        EXPECT_EQ(InfoField(info, "CreationDate"), "Fri Dec 11 00:00:00 2026 UTC");
        EXPECT_EQ(InfoField(info, "Encrypted"), "no");
    }
}

TEST(DocumentPdf, EveryFontIsAnEmbeddedDejaVuFace) {
    for (const char* name : {"document-a.pdf", "document-b.pdf"}) {
        std::string fonts = RunTool("pdffonts " + Quote(DocumentPath(name)));
        std::istringstream lines(fonts);
        std::string line;
        int count = 0;
        for (int n = 0; std::getline(lines, line); ++n) {
            if (n < 2) continue;  // header
            ++count;
            EXPECT_NE(line.find("DejaVuSans"), std::string::npos) << name << ": " << line;
            std::regex embedded(".* yes +yes +yes +[0-9]+ +[0-9]+ *$");
            EXPECT_TRUE(std::regex_match(line, embedded)) << name << ": " << line;
        }
        EXPECT_GT(count, 0) << name;
    }
}

TEST(DocumentPdf, GuideHoldsEveryHeadingOfBothLanguages) {
    std::string text = Squeeze(RunTool("pdftotext -enc UTF-8 " + Quote(DocumentPath("document-a.pdf")) + " -"));
    for (const char* file : {"content/documents/guide-en.txt", "content/documents/guide-pl.txt"}) {
        std::vector<GuideBlock> blocks;
        std::string error;
        ASSERT_TRUE(ParseGuideSource(file, ReadFile(SourcePath(file)), blocks, error)) << error;
        int headings = 0;
        for (const GuideBlock& block : blocks) {
            if (block.Kind != GuideBlockKind::Title && block.Kind != GuideBlockKind::Heading) continue;
            ++headings;
            EXPECT_NE(text.find(Squeeze(StripMarkup(block.Text))), std::string::npos) << block.Text;
        }
        EXPECT_GE(headings, 6) << file;
    }
    // Cyrillic and Polish letters survive as text, not only as shapes.
    for (const char* word : {"Щ", "ў", "Przełączanie", "Usuń"}) EXPECT_NE(text.find(word), std::string::npos) << word;
}

struct PdfWord {
    double X0, Y0, X1, Y1;
    std::string Text;
};

std::vector<PdfWord> PageWords(const std::string& pdf, int page) {
    std::string html = RunTool("pdftotext -enc UTF-8 -bbox -f " + std::to_string(page) + " -l " + std::to_string(page) +
                           " " + Quote(pdf) + " -");
    std::vector<PdfWord> words;
    std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        std::string text = m[5];
        text = std::regex_replace(text, std::regex("&amp;"), "&");
        text = std::regex_replace(text, std::regex("&lt;"), "<");
        text = std::regex_replace(text, std::regex("&gt;"), ">");
        text = std::regex_replace(text, std::regex("&quot;"), "\"");
        text = std::regex_replace(text, std::regex("&apos;"), "'");
        words.push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), text});
    }
    return words;
}

// Each chart page, read back from the PDF: on every key stands exactly what
// the source row gives, each label in the place of its level.
TEST(DocumentPdf, ChartLabelsStandOnTheirKeysAsTheSourcesSay) {
    std::vector<LayoutSource> layouts = LoadDocumentLayouts();
    const ChartPlacement& at = kChartPagePlacement;
    for (size_t page = 0; page < layouts.size(); ++page) {
        const LayoutSource& source = layouts[page];
        SCOPED_TRACE(source.Stem);
        std::vector<PdfWord> words = PageWords(DocumentPath("document-b.pdf"), static_cast<int>(page + 1));
        Chart chart = BuildChart(source.Tables, source.Layout.Description);
        int found = 0;
        for (const ChartKey& key : chart.Keys) {
            if (key.Named) continue;
            const KlcKey* row = nullptr;
            for (const KlcKey& k : source.Layout.Keys)
                if (k.Scan == key.Scan) row = &k;
            // Words on this key: their centres inside the key's square.
            std::vector<PdfWord> onKey;
            for (const PdfWord& w : words) {
                double cx = (w.X0 + w.X1) / 2, cy = (w.Y0 + w.Y1) / 2;
                double left = at.X + key.X * at.Unit, top = at.Y + key.Y * at.Unit;
                if (cx > left && cx < left + key.Width * at.Unit && cy > top && cy < top + at.Unit) onKey.push_back(w);
            }
            size_t expectedCount = 0;
            for (int level = 0; level < kChartLevels; ++level) {
                ExpectedLabel expected;
                if (row) expected = SourceLabel(source.Layout, *row, kLevelModifiers[level]);
                if (expected.Text.empty()) continue;
                ++expectedCount;
                double x = 0, y = 0;
                LabelCentre(key, level, at, x, y);
                std::string text = ToUtf8(expected.Text);
                bool there = std::any_of(onKey.begin(), onKey.end(), [&](const PdfWord& w) {
                    return w.Text == text && std::fabs((w.X0 + w.X1) / 2 - x) < 0.12 * at.Unit &&
                           std::fabs((w.Y0 + w.Y1) / 2 - y) < 0.15 * at.Unit;
                });
                EXPECT_TRUE(there) << "scan " << int(key.Scan) << " level " << level << ": " << text;
                found += there;
            }
            EXPECT_EQ(onKey.size(), expectedCount) << "scan " << int(key.Scan);
        }
        EXPECT_GT(found, 100);
    }
}

int CountOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(DocumentPointerPage, LinksTheDocumentsAndDrawsEveryLayout) {
    std::string html = ReadFile(DocumentPath("pointer-target.html"));
    std::string guide = CommonString(22) + " (" + CommonString(23) + ")" + CommonString(42);
    std::string charts = CommonString(30) + CommonString(42);
    auto url = [](std::string name) { return std::regex_replace(name, std::regex(" "), "%20"); };
    EXPECT_NE(html.find("href=\"" + url(guide) + "\""), std::string::npos) << url(guide);
    EXPECT_NE(html.find("href=\"" + url(charts) + "\""), std::string::npos);
    EXPECT_EQ(html.find("{{"), std::string::npos);
    std::vector<LayoutSource> layouts = LoadDocumentLayouts();
    EXPECT_EQ(CountOf(html, "<svg "), static_cast<int>(layouts.size()));
    for (const LayoutSource& source : layouts)
        EXPECT_NE(html.find("<h3>" + ToUtf8(source.Layout.Description) + "</h3>"), std::string::npos);
    for (const char* label : {">Я</text>", ">щ</text>", ">ў</text>", ">¨</text>"})
        EXPECT_GE(CountOf(html, label), 1) << label;
}

// Page images: something is drawn, and the AltGr labels are blue.
TEST(DocumentPdf, PageImagesHaveTextAndBlueLabels) {
    std::string ppm = RunTool("pdftoppm -r 40 -f 1 -l 1 " + Quote(DocumentPath("document-b.pdf")));
    std::istringstream in(ppm);
    std::string magic;
    int width = 0, height = 0, maxval = 0;
    in >> magic >> width >> height >> maxval;
    in.get();
    ASSERT_EQ(magic, "P6");
    std::string pixels((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(pixels.size(), static_cast<size_t>(width) * height * 3);
    int dark = 0, blue = 0;
    for (size_t i = 0; i + 2 < pixels.size(); i += 3) {
        int r = static_cast<unsigned char>(pixels[i]), g = static_cast<unsigned char>(pixels[i + 1]),
            b = static_cast<unsigned char>(pixels[i + 2]);
        dark += r + g + b < 150;
        blue += b > 120 && r < 110 && b > r + 50;
    }
    EXPECT_GT(dark, 500);
    EXPECT_GT(blue, 50);
}

// The same sources render to the same bytes.
TEST(DocumentPdf, RenderingIsReproducible) {
    std::string dir = std::string(FONETIKA_TEST_TEMP_DIR);
    std::string layouts;
    for (const std::string& path : DocumentLayoutPaths()) layouts += " " + Quote(path);
    std::string command = Quote(FONETIKA_DOCUMENT_RENDERER) + " charts " + Quote(dir + "/charts.pdf") + " " +
                          Quote(SourcePath("content/documents/documents.txt")) + " " +
                          Quote(SourcePath("content/strings")) + layouts;
    RunTool("mkdir -p " + Quote(dir));
    RunTool(command);
    std::string first = ReadFile(dir + "/charts.pdf");
    EXPECT_EQ(first, ReadFile(DocumentPath("document-b.pdf")));
    RunTool(command);
    EXPECT_EQ(first, ReadFile(dir + "/charts.pdf"));
    EXPECT_GT(first.size(), 10000u);
}

// A text missing from the texts file fails the run and leaves no file behind.
TEST(DocumentPdf, MissingTextFailsWithoutOutput) {
    std::string dir = std::string(FONETIKA_TEST_TEMP_DIR);
    RunTool("mkdir -p " + Quote(dir));
    std::string texts = ReadFile(SourcePath("content/documents/documents.txt"));
    texts = std::regex_replace(texts, std::regex("\ntitle-pl\\.standard-0: [^\n]*"), "");
    std::ofstream(dir + "/texts.txt", std::ios::binary) << texts;
    std::string out = dir + "/broken.pdf";
    std::ofstream(out) << "old";
    int status = 0;
    RunCommand(Quote(FONETIKA_DOCUMENT_RENDERER) + " charts " + Quote(out) + " " + Quote(dir + "/texts.txt") + " " +
                   Quote(SourcePath("content/strings")) + " " + Quote(DocumentLayoutPaths().front()) + " 2>&1",
               status);
    EXPECT_NE(status, 0);
    EXPECT_FALSE(std::ifstream(out).good());
}

}  // namespace
