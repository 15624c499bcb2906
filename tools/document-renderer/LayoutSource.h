#pragma once
// A layout source read the way the layout compiler reads it, with the tables
// its DLL is built from.

#include <string>

#include "tools/layout-compiler/KlcModel.h"
#include "tools/layout-compiler/LayoutTables.h"

struct LayoutSource {
    std::string Stem;  // file name without folder and extension: the key of its texts
    KlcLayout Layout;
    LayoutTables Tables;
};

// Answers 1, or 0 after saying what is wrong.
int ReadSourceFile(const std::string& path, std::string& content);
int LoadLayoutSource(const std::string& path, LayoutSource& out);
