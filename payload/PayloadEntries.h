#pragma once
// The stored entries compiled into setup.exe (generated from content/ by
// payload-tool; see payload/data/CMakeLists.txt). The key material is stored
// beside them, neither enciphered nor compressed.

#include "payload/PayloadHeader.h"

extern const PayloadEntry KeyMaterialEntry;
extern const PayloadEntry CommonStringsEntry;
extern const PayloadEntry UiStrings0Entry;
extern const PayloadEntry UiStrings1Entry;
extern const PayloadEntry ExtraStringsEntry;
extern const PayloadEntry Licence0Entry;
extern const PayloadEntry Licence1Entry;
