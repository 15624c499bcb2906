#pragma once
// The template formatter: every composed text is built with it.

#include "text/GString.h"

// Empties `target` as a wide string and appends the formatted template.
// Returns 1, or 0 (keeping the text made so far) when a conversion fails.
int Format(GString& target, const char16_t* format, ...);
