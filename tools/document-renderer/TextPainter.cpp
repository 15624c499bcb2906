#include "tools/document-renderer/TextPainter.h"

#include <pango/pangocairo.h>

namespace {

const char* const kSansFamily = "DejaVu Sans";
const char* const kMonoFamily = "DejaVu Sans Mono";

PangoLayout* MakeLayout(cairo_t* cr, const std::string& markup, const TextStyle& style, const TextBox& box) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, style.Mono ? kMonoFamily : kSansFamily);
    pango_font_description_set_weight(font, style.Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font, style.Size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    if (box.Width > 0) {
        pango_layout_set_width(layout, static_cast<int>(box.Width * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    pango_layout_set_alignment(layout, box.Align == TextAlign::Centre ? PANGO_ALIGN_CENTER : PANGO_ALIGN_LEFT);
    pango_layout_set_markup(layout, markup.c_str(), -1);
    return layout;
}

double Height(PangoLayout* layout) {
    int width = 0, height = 0;
    pango_layout_get_size(layout, &width, &height);
    return static_cast<double>(height) / PANGO_SCALE;
}

}  // namespace

void SetColour(cairo_t* cr, unsigned colour) {
    cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0, (colour & 0xFF) / 255.0);
}

double MeasureText(cairo_t* cr, const std::string& markup, const TextStyle& style, const TextBox& box) {
    PangoLayout* layout = MakeLayout(cr, markup, style, box);
    double height = Height(layout);
    g_object_unref(layout);
    return height;
}

double DrawText(cairo_t* cr, const std::string& markup, const TextStyle& style, const TextBox& box) {
    PangoLayout* layout = MakeLayout(cr, markup, style, box);
    double x = box.X;
    if (box.Width <= 0 && box.Align == TextAlign::Centre) {
        int width = 0, height = 0;
        pango_layout_get_size(layout, &width, &height);
        x -= static_cast<double>(width) / PANGO_SCALE / 2;
    }
    SetColour(cr, style.Colour);
    cairo_move_to(cr, x, box.Y);
    pango_cairo_show_layout(cr, layout);
    double height = Height(layout);
    g_object_unref(layout);
    return height;
}

std::string EscapeMarkup(const std::string& text) {
    char* escaped = g_markup_escape_text(text.c_str(), static_cast<gssize>(text.size()));
    std::string out(escaped);
    g_free(escaped);
    return out;
}
