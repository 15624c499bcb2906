// The .klc parser on any bytes; whatever it accepts must also build tables,
// C, a resource script and a dump without faults.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/layout-compiler/KlcParser.h"
#include "tools/layout-compiler/LayoutEmitter.h"
#include "tools/layout-compiler/LayoutTables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    KlcLayout layout;
    KlcError error;
    if (!ParseKlc(bytes, layout, error)) return 0;
    const LayoutTables tables = BuildLayoutTables(layout);
    const size_t length = EmitLayoutC(tables).size() + EmitLayoutRc(layout).size() + DumpLayoutTables(tables).size();
    if (length == 0) __builtin_trap();  // an accepted source always has tables
    return 0;
}
