#pragma once
// What the document tests share: the layout sources the build draws, the
// characters a source row gives, and running the poppler tools.

#include <string>
#include <vector>

#include "tools/document-renderer/LayoutSource.h"

std::vector<std::string> DocumentLayoutPaths();
std::vector<LayoutSource> LoadDocumentLayouts();

struct ExpectedLabel {
    std::u16string Text;
    bool Dead = false;
};

// The character a .klc row gives at these modifier bits, read from the
// source itself (not from the tables the chart is drawn from).
ExpectedLabel SourceLabel(const KlcLayout& layout, const KlcKey& row, int modifierBits);

// Runs a command and answers its standard output; exit status in status.
std::string RunCommand(const std::string& command, int& status);
std::string DocumentPath(const std::string& name);
std::string SourcePath(const std::string& relative);
std::string Quote(const std::string& path);
