#include "tools/document-renderer/PointerPage.h"

#include <cstdio>

#include "tools/document-renderer/ChartDrawing.h"
#include "tools/layout-compiler/KlcParser.h"

namespace {

constexpr double kUnit = 40;           // one key, in SVG user units
constexpr double kLabelBaseline = 4.5;  // below a label's centre, for the page's 13-unit labels

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    std::string text = buffer;
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
    return text;
}

// Classes of the labels, styled by the page: level and dead keys.
const char* const kLevelClass[kChartLevels] = {"p", "s", "a", "as"};

}  // namespace

std::string EscapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string UrlPath(const std::string& name) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : name) {
        bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                    c == '_' || c == '.' || c == '(' || c == ')';
        if (safe) out += static_cast<char>(c);
        else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string ChartSvg(const Chart& chart) {
    std::string svg = "<svg class=\"chart\" viewBox=\"0 0 " + Number(kChartUnitsWide * kUnit) + " " +
                      Number(kChartUnitsHigh * kUnit) + "\" role=\"img\" aria-label=\"" +
                      EscapeHtml(ToUtf8(chart.Title)) + "\">\n";
    for (const ChartKey& key : chart.Keys) {
        double x = key.X * kUnit, y = key.Y * kUnit;
        svg += "<rect x=\"" + Number(x + 1) + "\" y=\"" + Number(y + 1) + "\" width=\"" +
               Number(key.Width * kUnit - 2) + "\" height=\"" + Number(kUnit - 2) + "\" rx=\"3\"" +
               (key.Named ? " class=\"f\"" : "") + "/>\n";
        if (key.Named) {
            svg += "<text class=\"n\" x=\"" + Number(x + 5) + "\" y=\"" + Number(y + 13) + "\">" +
                   EscapeHtml(ToUtf8(key.Name)) + "</text>\n";
            continue;
        }
        for (int level = 0; level < kChartLevels; ++level) {
            const ChartLabel& label = key.Labels[level];
            if (label.Text.empty()) continue;
            double lx = 0, ly = 0;
            LabelCentre(key, level, {0, 0, kUnit}, lx, ly);
            ly += kLabelBaseline;
            svg += "<text class=\"" + std::string(kLevelClass[level]) + (label.Dead ? " d" : "") + "\" x=\"" +
                   Number(lx) + "\" y=\"" + Number(ly) + "\">" + EscapeHtml(ToUtf8(label.Text)) + "</text>\n";
        }
    }
    return svg + "</svg>\n";
}

int FillTemplate(const std::string& pattern, const std::map<std::string, std::string>& values, std::string& out) {
    out.clear();
    size_t at = 0;
    for (;;) {
        size_t open = pattern.find("{{", at);
        if (open == std::string::npos) break;
        size_t close = pattern.find("}}", open);
        if (close == std::string::npos) break;
        std::string mark = pattern.substr(open + 2, close - open - 2);
        auto value = values.find(mark);
        if (value == values.end()) {
            std::fprintf(stderr, "template mark {{%s}} has no value\n", mark.c_str());
            return 0;
        }
        out += pattern.substr(at, open - at) + value->second;
        at = close + 2;
    }
    out += pattern.substr(at);
    return 1;
}

std::string ChartSections(const TextResources& texts, const std::vector<LayoutSource>& layouts, int& ok) {
    std::string html;
    ok = 1;
    for (const LayoutSource& source : layouts) {
        std::string polish;
        if (!texts.Require("title-pl." + source.Stem, polish)) ok = 0;
        Chart chart = BuildChart(source.Tables, source.Layout.Description);
        html += "<section>\n<h3>" + EscapeHtml(ToUtf8(chart.Title)) + "</h3>\n<p class=\"pl\" lang=\"pl\">" +
                EscapeHtml(polish) + "</p>\n" + ChartSvg(chart) + "</section>\n";
    }
    return html;
}
