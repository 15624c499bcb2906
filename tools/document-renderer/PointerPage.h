#pragma once
// The page the pointer files open: an HTML template whose marks are filled
// with the documents' file names and the charts as inline SVG.
//   {{guide-file}} {{charts-file}}   file names, as link targets
//   {{guide-name}} {{charts-name}}   the same names as text
//   {{charts}}                       one section per layout

#include <map>
#include <string>
#include <vector>

#include "tools/document-renderer/ChartModel.h"
#include "tools/document-renderer/LayoutSource.h"
#include "tools/document-renderer/TextResources.h"

std::string ChartSvg(const Chart& chart);

// A file name as a relative URL: blanks and other unsafe bytes %-encoded.
std::string UrlPath(const std::string& name);
std::string EscapeHtml(const std::string& text);

// Replaces every {{mark}}; answers 0 (and says which) when the template has
// a mark without a value.
int FillTemplate(const std::string& pattern, const std::map<std::string, std::string>& values, std::string& out);

std::string ChartSections(const TextResources& texts, const std::vector<LayoutSource>& layouts, int& ok);
