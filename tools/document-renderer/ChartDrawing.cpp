#include "tools/document-renderer/ChartDrawing.h"

#include "tools/document-renderer/TextPainter.h"
#include "tools/layout-compiler/KlcParser.h"

namespace {

constexpr double kGap = 0.06;        // between keys, in units
constexpr double kLabelSize = 0.3;   // label height, in units
constexpr double kNameSize = 0.17;   // names of function keys
constexpr double kColumnInset = 0.27;

void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -1.5708, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, 1.5708);
    cairo_arc(cr, x + r, y + h - r, r, 1.5708, 3.1416);
    cairo_arc(cr, x + r, y + r, r, 3.1416, 4.7124);
    cairo_close_path(cr);
}

}  // namespace

unsigned LevelColour(int level, bool dead) { return dead ? kDeadColour : level >= 2 ? kAltGrColour : kBaseColour; }

void LabelCentre(const ChartKey& key, int level, const ChartPlacement& at, double& x, double& y) {
    double left = at.X + key.X * at.Unit, top = at.Y + key.Y * at.Unit;
    bool right = level >= 2, upper = level == 1 || level == 3;
    x = right ? left + (key.Width - kColumnInset) * at.Unit : left + kColumnInset * at.Unit;
    y = top + (upper ? 0.27 : 0.7) * at.Unit;
}

void DrawKeyboard(cairo_t* cr, const Chart& chart, const ChartPlacement& at) {
    cairo_set_line_width(cr, 0.8);
    for (const ChartKey& key : chart.Keys) {
        double x = at.X + (key.X + kGap / 2) * at.Unit, y = at.Y + (key.Y + kGap / 2) * at.Unit;
        double w = (key.Width - kGap) * at.Unit, h = (1 - kGap) * at.Unit;
        RoundedRectangle(cr, x, y, w, h, 0.08 * at.Unit);
        SetColour(cr, key.Named ? 0xE4E4E4 : 0xFAFAFA);
        cairo_fill_preserve(cr);
        SetColour(cr, 0x707070);
        cairo_stroke(cr);
        if (key.Named) {
            TextStyle style;
            style.Size = kNameSize * at.Unit;
            style.Colour = 0x404040;
            DrawText(cr, EscapeMarkup(ToUtf8(key.Name)), style, {x + 0.1 * at.Unit, y + 0.1 * at.Unit, w - 0.2 * at.Unit});
            continue;
        }
        for (int level = 0; level < kChartLevels; ++level) {
            const ChartLabel& label = key.Labels[level];
            if (label.Text.empty()) continue;
            TextStyle style;
            style.Size = kLabelSize * at.Unit;
            style.Bold = level == 0;
            style.Colour = LevelColour(level, label.Dead);
            double cx = 0, cy = 0;
            LabelCentre(key, level, at, cx, cy);
            TextBox box{cx, cy - style.Size * 0.62, -1, TextAlign::Centre};
            DrawText(cr, EscapeMarkup(ToUtf8(label.Text)), style, box);
        }
    }
}
