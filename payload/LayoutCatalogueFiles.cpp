// The twelve stored layout files of the catalogue, by set, variant and kind.
#include "payload/LayoutCatalogue.h"

extern const PayloadEntry LayoutStandard0X86Entry, LayoutStandard0X64Entry;
extern const PayloadEntry LayoutStandard1X86Entry, LayoutStandard1X64Entry;
extern const PayloadEntry LayoutStandard2X86Entry, LayoutStandard2X64Entry;
extern const PayloadEntry LayoutAlternative0X86Entry, LayoutAlternative0X64Entry;
extern const PayloadEntry LayoutAlternative1X86Entry, LayoutAlternative1X64Entry;
extern const PayloadEntry LayoutAlternative2X86Entry, LayoutAlternative2X64Entry;

const PayloadEntry* const LayoutFiles[kLayoutSetCount][kLayoutVariantCount][kLayoutFileKindCount] = {
    {
        {&LayoutStandard0X86Entry, &LayoutStandard0X64Entry},
        {&LayoutStandard1X86Entry, &LayoutStandard1X64Entry},
        {&LayoutStandard2X86Entry, &LayoutStandard2X64Entry},
    },
    {
        {&LayoutAlternative0X86Entry, &LayoutAlternative0X64Entry},
        {&LayoutAlternative1X86Entry, &LayoutAlternative1X64Entry},
        {&LayoutAlternative2X86Entry, &LayoutAlternative2X64Entry},
    },
};
