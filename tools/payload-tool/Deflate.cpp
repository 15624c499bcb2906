#include "tools/payload-tool/Deflate.h"

#include <zopfli/zopfli.h>

#include <cstdlib>

#include "payload/EntrySealer.h"

std::vector<uint8_t> DeflateSmallest(const std::vector<uint8_t>& data) {
    ZopfliOptions options;
    ZopfliInitOptions(&options);
    options.numiterations = 15;
    unsigned char* out = nullptr;
    size_t size = 0;
    ZopfliCompress(&options, ZOPFLI_FORMAT_DEFLATE, data.data(), data.size(), &out, &size);
    std::vector<uint8_t> packed(out, out + size);
    std::free(out);
    // zopfli is not always the smaller one on tiny inputs.
    std::vector<uint8_t> zlib = DeflateZlib9(data);
    return zlib.size() < packed.size() ? zlib : packed;
}

std::vector<uint8_t> DeflateZlib9(const std::vector<uint8_t>& data) {
    uint32_t size = 0;
    uint8_t* packed = DeflateWithZlib(data.data(), uint32_t(data.size()), size);
    std::vector<uint8_t> out(packed, packed + (packed ? size : 0));
    std::free(packed);
    return out;
}
