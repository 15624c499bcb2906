#include "tools/document-renderer/ChartsDocument.h"

#include "tools/document-renderer/ChartDrawing.h"
#include "tools/document-renderer/TextPainter.h"
#include "tools/layout-compiler/KlcParser.h"

const ChartPlacement kChartPagePlacement = {(kA4Long - 50 * kChartUnitsWide) / 2, 110, 50};

namespace {

constexpr double kMargin = (kA4Long - 50 * kChartUnitsWide) / 2;
constexpr double kTextWidth = kA4Long - 2 * kMargin;

std::string DeadKeyLine(const Chart& chart) {
    std::string line;
    for (const ChartDeadPair& pair : chart.DeadPairs) {
        if (!line.empty()) line += "     ";
        line += ToUtf8(std::u16string{pair.Accent}) + " + " + ToUtf8(std::u16string{pair.Base}) + " → " +
                ToUtf8(std::u16string{pair.Composed});
    }
    return EscapeMarkup(line);
}

int DrawChartPage(cairo_t* cr, const PdfInfo& info, const TextResources& texts, const LayoutSource& source,
                  int page, int pages) {
    std::string polishTitle, legendEn, legendPl, deadEn, deadPl;
    if (!texts.Require("title-pl." + source.Stem, polishTitle) || !texts.Require("chart.legend.en", legendEn) ||
        !texts.Require("chart.legend.pl", legendPl) || !texts.Require("chart.dead.en", deadEn) ||
        !texts.Require("chart.dead.pl", deadPl))
        return 0;
    Chart chart = BuildChart(source.Tables, source.Layout.Description);

    TextStyle title;
    title.Size = 20;
    title.Bold = true;
    DrawText(cr, EscapeMarkup(ToUtf8(chart.Title)), title, {kMargin, 36, kTextWidth});
    TextStyle subtitle;
    subtitle.Size = 14;
    subtitle.Colour = 0x505050;
    DrawText(cr, EscapeMarkup(polishTitle), subtitle, {kMargin, 66, kTextWidth});

    DrawKeyboard(cr, chart, kChartPagePlacement);

    TextStyle body;
    body.Size = 10;
    double y = kChartPagePlacement.Y + kChartUnitsHigh * kChartPagePlacement.Unit + 18;
    y += DrawText(cr, legendEn, body, {kMargin, y, kTextWidth}) + 6;
    y += DrawText(cr, legendPl, body, {kMargin, y, kTextWidth}) + 14;
    if (!chart.DeadPairs.empty()) {
        TextStyle heading = body;
        heading.Bold = true;
        y += DrawText(cr, EscapeMarkup(deadEn + " / " + deadPl), heading, {kMargin, y, kTextWidth}) + 4;
        TextStyle pairs = body;
        pairs.Size = 13;
        DrawText(cr, DeadKeyLine(chart), pairs, {kMargin, y, kTextWidth});
    }

    TextStyle footer;
    footer.Size = 8;
    footer.Colour = 0x707070;
    DrawText(cr, EscapeMarkup(info.Title + "  ·  " + std::to_string(page) + " / " + std::to_string(pages)), footer,
             {kMargin, kA4Short - 30, kTextWidth});
    return 1;
}

}  // namespace

int RenderCharts(const std::string& path, const PdfInfo& info, const TextResources& texts,
                 const std::vector<LayoutSource>& layouts) {
    cairo_surface_t* surface = OpenPdf(path, kA4Long, kA4Short, info);
    if (!surface) return 0;
    cairo_t* cr = cairo_create(surface);
    int ok = 1;
    for (size_t i = 0; ok && i < layouts.size(); ++i) {
        ok = DrawChartPage(cr, info, texts, layouts[i], static_cast<int>(i + 1), static_cast<int>(layouts.size()));
        cairo_show_page(cr);
    }
    cairo_destroy(cr);
    return ClosePdf(surface, path) && ok;
}
