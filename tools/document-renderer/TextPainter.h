#pragma once
// Text on a cairo surface through Pango, always in the DejaVu faces, so that
// Cyrillic and Polish letters come from one embedded font family.

#include <cairo.h>

#include <string>

struct TextStyle {
    double Size = 10;  // points
    bool Bold = false;
    bool Mono = false;
    unsigned Colour = 0x000000;  // 0xRRGGBB
};

enum class TextAlign { Left, Centre };

struct TextBox {
    double X = 0, Y = 0;  // top left
    double Width = -1;    // wrap width; -1: one line, no wrapping
    TextAlign Align = TextAlign::Left;
};

void SetColour(cairo_t* cr, unsigned colour);

// Height the text takes in the box.
double MeasureText(cairo_t* cr, const std::string& markup, const TextStyle& style, const TextBox& box);

// Draws Pango markup in the box; answers the height it took.
double DrawText(cairo_t* cr, const std::string& markup, const TextStyle& style, const TextBox& box);

// Plain text made safe for Pango markup.
std::string EscapeMarkup(const std::string& text);
