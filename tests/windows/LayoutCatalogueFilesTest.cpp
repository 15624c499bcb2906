// The catalogue of setup.exe's payload: every slot's entry deciphers and
// inflates to the very DLL the build made for its set, variant and kind.
//   layout-catalogue-files LAYOUT-BUILD-DIR
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "payload/CGuard.h"
#include "payload/LayoutCatalogue.h"
#include "payload/PayloadEntries.h"

namespace {

bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    uint8_t buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: layout-catalogue-files LAYOUT-BUILD-DIR\n");
        return 2;
    }
    CGuard guard;
    if (!guard.LoadMaterial(KeyMaterialEntry.Bytes, KeyMaterialEntry.StoredSize)) {
        std::fprintf(stderr, "the key material does not load\n");
        return 1;
    }
    const char* sets[] = {"standard", "alternative"};
    const char* kinds[] = {"x86", "x64"};
    int faults = 0;
    for (int set = 0; set < kLayoutSetCount; ++set) {
        for (int variant = 0; variant < kLayoutVariantCount; ++variant) {
            for (int slot = 0; slot < kLayoutSlotCount; ++slot) {
                const PayloadEntry* entry = LayoutSlotEntry(set, variant, slot);
                const std::string dll = std::string(argv[1]) + "/" + kinds[LayoutSlotKind[slot]] + "/" + sets[set] + "-" +
                                        std::to_string(variant) + ".dll";
                std::vector<uint8_t> expected;
                uint32_t size = entry ? entry->StoredSize : 0;
                uint8_t* data = entry ? guard.Extract(entry->Bytes, size, nullptr) : nullptr;
                if (!ReadFile(dll, expected) || !data || size != expected.size() ||
                    !std::equal(expected.begin(), expected.end(), data)) {
                    std::fprintf(stderr, "set %d variant %d slot %d: the entry is not %s\n", set, variant, slot, dll.c_str());
                    ++faults;
                }
                std::free(data);
            }
        }
    }
    return faults ? 1 : 0;
}
