#pragma once
// A text entry (a licence) as UTF-8 in a GString, byte-order mark dropped.

#include <cstdint>

#include "text/GString.h"

class CGuard;

int ExtractText(const CGuard& guard, const uint8_t* entry, uint32_t storedSize, GString& target);
