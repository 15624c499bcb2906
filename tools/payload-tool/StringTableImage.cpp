#include "tools/payload-tool/StringTableImage.h"

#include <algorithm>

#include "payload/PayloadHeader.h"
#include "text/GString.h"

namespace {

void Append32(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t bytes[4];
    WriteLittle32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

}  // namespace

std::vector<uint8_t> BuildStringTableImage(const StringSource& source) {
    std::vector<const SourceString*> sorted;
    for (const SourceString& s : source.Strings) sorted.push_back(&s);
    std::sort(sorted.begin(), sorted.end(), [](const SourceString* a, const SourceString* b) { return a->Id < b->Id; });

    std::vector<uint8_t> index, area;
    for (const SourceString* s : sorted) {
        Append32(index, s->Id);
        Append32(index, uint32_t(area.size()));
        Append32(area, kTextRecordNarrowBit | uint32_t(s->Text.size()));
        area.insert(area.end(), s->Text.begin(), s->Text.end());
        area.push_back(0);
        while (area.size() % 4) area.push_back(0);
    }
    index.insert(index.end(), area.begin(), area.end());
    return index;
}
