#include "tools/document-renderer/GuideDocument.h"

#include <cairo-pdf.h>

#include <cstdio>

#include "tools/document-renderer/ChartDrawing.h"
#include "tools/document-renderer/TextPainter.h"
#include "tools/layout-compiler/KlcParser.h"

namespace {

constexpr double kMargin = 64;
constexpr double kTop = 60;
constexpr double kBottom = kA4Long - 64;
constexpr double kWidth = kA4Short - 2 * kMargin;
constexpr double kBulletIndent = 16;
constexpr double kChartUnit = kWidth / kChartUnitsWide;

class GuideWriter {
public:
    GuideWriter(cairo_surface_t* surface, const std::vector<LayoutSource>& layouts)
        : Surface(surface), Cr(cairo_create(surface)), Layouts(layouts) {}
    ~GuideWriter() { cairo_destroy(Cr); }

    int Write(const GuideBlock& block) {
        if (AfterList && block.Kind != GuideBlockKind::Bullet) Y += 5;  // a list ends with room below it
        AfterList = block.Kind == GuideBlockKind::Bullet;
        switch (block.Kind) {
        case GuideBlockKind::Title: return WriteTitle(block);
        case GuideBlockKind::Heading: return WriteHeading(block);
        case GuideBlockKind::Paragraph: return WriteText(block.Text, Body(), 0, 7);
        case GuideBlockKind::Bullet: return WriteBullet(block.Text);
        case GuideBlockKind::Chart: return WriteChart(block);
        }
        return 0;
    }

    void Finish() {
        if (Y > kTop) NewPage();
    }

private:
    static TextStyle Body() {
        TextStyle style;
        style.Size = 10.5;
        return style;
    }

    void NewPage() {
        TextStyle footer;
        footer.Size = 8;
        footer.Colour = 0x707070;
        DrawText(Cr, std::to_string(Page), footer, {kMargin, kA4Long - 40, kWidth, TextAlign::Centre});
        cairo_show_page(Cr);
        ++Page;
        Y = kTop;
    }

    void Need(double height) {
        if (Y + height > kBottom && Y > kTop) NewPage();
    }

    void AddOutline(const std::string& text, int parent, int& id) {
        std::string target = "page=" + std::to_string(Page) + " pos=[" + std::to_string(kMargin) + " " +
                             std::to_string(Y) + "]";
        std::string plain;
        // The outline shows plain text: the markup tags are dropped.
        bool inTag = false;
        for (char c : text) {
            if (c == '<') inTag = true;
            else if (c == '>') inTag = false;
            else if (!inTag) plain += c;
        }
        id = cairo_pdf_surface_add_outline(Surface, parent, plain.c_str(), target.c_str(),
                                           static_cast<cairo_pdf_outline_flags_t>(0));
    }

    int WriteTitle(const GuideBlock& block) {
        if (Y > kTop) NewPage();
        AddOutline(block.Text, CAIRO_PDF_OUTLINE_ROOT, Part);
        TextStyle style;
        style.Size = 22;
        style.Bold = true;
        Y += DrawText(Cr, block.Text, style, {kMargin, Y, kWidth}) + 16;
        return 1;
    }

    int WriteHeading(const GuideBlock& block) {
        TextStyle style;
        style.Size = 14;
        style.Bold = true;
        style.Colour = 0x1F4E9C;
        double height = MeasureText(Cr, block.Text, style, {kMargin, Y, kWidth});
        Need(height + 60);  // a heading stays with the start of its text
        if (Y > kTop) Y += 8;
        int id = 0;
        AddOutline(block.Text, Part, id);
        Y += DrawText(Cr, block.Text, style, {kMargin, Y, kWidth}) + 6;
        return 1;
    }

    int WriteText(const std::string& markup, const TextStyle& style, double indent, double after) {
        TextBox box{kMargin + indent, Y, kWidth - indent};
        Need(MeasureText(Cr, markup, style, box));
        box.Y = Y;
        Y += DrawText(Cr, markup, style, box) + after;
        return 1;
    }

    int WriteBullet(const std::string& markup) {
        TextBox box{kMargin + kBulletIndent, Y, kWidth - kBulletIndent};
        Need(MeasureText(Cr, markup, Body(), box));
        DrawText(Cr, "•", Body(), {kMargin + 4, Y});
        return WriteText(markup, Body(), kBulletIndent, 4);
    }

    int WriteChart(const GuideBlock& block) {
        for (const LayoutSource& source : Layouts) {
            if (source.Stem != block.Text) continue;
            Chart chart = BuildChart(source.Tables, source.Layout.Description);
            Need(kChartUnitsHigh * kChartUnit + 30);
            DrawKeyboard(Cr, chart, {kMargin, Y, kChartUnit});
            Y += kChartUnitsHigh * kChartUnit + 4;
            TextStyle caption = Body();
            caption.Size = 8.5;
            caption.Colour = 0x505050;
            return WriteText(EscapeMarkup(ToUtf8(chart.Title)), caption, 0, 10);
        }
        std::fprintf(stderr, "line %d: no layout source named %s\n", block.Line, block.Text.c_str());
        return 0;
    }

    cairo_surface_t* Surface;
    cairo_t* Cr;
    const std::vector<LayoutSource>& Layouts;
    double Y = kTop;
    int Page = 1;
    bool AfterList = false;
    int Part = CAIRO_PDF_OUTLINE_ROOT;
};

}  // namespace

int RenderGuide(const std::string& path, const PdfInfo& info, const std::vector<std::vector<GuideBlock>>& parts,
                const std::vector<LayoutSource>& layouts) {
    cairo_surface_t* surface = OpenPdf(path, kA4Short, kA4Long, info);
    if (!surface) return 0;
    int ok = 1;
    {
        GuideWriter writer(surface, layouts);
        for (const auto& part : parts)
            for (const GuideBlock& block : part)
                if (ok) ok = writer.Write(block);
        writer.Finish();
    }
    return ClosePdf(surface, path) && ok;
}
