#pragma once
// The user guide: portrait A4 pages flowed from the guide sources, one part
// per language, with an outline of its headings and the charts it names.

#include <string>
#include <vector>

#include "tools/document-renderer/GuideSource.h"
#include "tools/document-renderer/LayoutSource.h"
#include "tools/document-renderer/PdfFile.h"

int RenderGuide(const std::string& path, const PdfInfo& info, const std::vector<std::vector<GuideBlock>>& parts,
                const std::vector<LayoutSource>& layouts);
