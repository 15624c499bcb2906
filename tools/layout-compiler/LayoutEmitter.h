#pragma once
// Writes the sources of a keyboard-layout DLL: the tables as C, the module
// definition that exports KbdLayerDescriptor, and the resource script with the
// display name (string 1000) and the version information.

#include <string>

#include "tools/layout-compiler/KlcModel.h"
#include "tools/layout-compiler/LayoutTables.h"

std::string EmitLayoutC(const LayoutTables& tables);
std::string EmitLayoutDef(const KlcLayout& layout);
std::string EmitLayoutRc(const KlcLayout& layout);
