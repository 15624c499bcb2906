#pragma once
// Draws a chart's keyboard with cairo: each key with its four levels
// (Shift top left, plain bottom left, Shift+AltGr top right, AltGr bottom right).

#include <cairo.h>

#include "tools/document-renderer/ChartModel.h"

struct ChartPlacement {
    double X = 0, Y = 0;  // top left of the block, points
    double Unit = 40;     // width of one key, points
};

// Where a level's label is centred on a key, in points.
void LabelCentre(const ChartKey& key, int level, const ChartPlacement& at, double& x, double& y);

void DrawKeyboard(cairo_t* cr, const Chart& chart, const ChartPlacement& at);

// Colours of the labels, shared by the legend of the chart pages.
constexpr unsigned kBaseColour = 0x000000;
constexpr unsigned kAltGrColour = 0x1F4E9C;
constexpr unsigned kDeadColour = 0xB22222;
unsigned LevelColour(int level, bool dead);
