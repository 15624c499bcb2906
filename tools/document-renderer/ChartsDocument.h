#pragma once
// The printable keyboard charts: one landscape A4 page per layout.

#include <string>
#include <vector>

#include "tools/document-renderer/ChartDrawing.h"
#include "tools/document-renderer/LayoutSource.h"
#include "tools/document-renderer/PdfFile.h"
#include "tools/document-renderer/TextResources.h"

// Where the keyboard of a chart page lies; the tests read the labels back there.
extern const ChartPlacement kChartPagePlacement;

int RenderCharts(const std::string& path, const PdfInfo& info, const TextResources& texts,
                 const std::vector<LayoutSource>& layouts);
