#pragma once
// Small readers that turn a GString into standard strings for assertions.

#include <string>

#include "text/GString.h"

inline std::u16string Wide(const GString& s) {
    return s.IsWide() ? std::u16string(s.WideAt(0), static_cast<size_t>(s.Length())) : std::u16string(u"<narrow>");
}

inline std::string Narrow(const GString& s) {
    return s.IsWide() ? std::string("<wide>") : std::string(s.NarrowAt(0), static_cast<size_t>(s.Length()));
}
