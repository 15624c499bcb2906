#include "tools/payload-tool/Deflate.h"

#include <zlib.h>
#include <zopfli/zopfli.h>

#include <cstdlib>
#include <cstring>

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
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    std::vector<uint8_t> out(deflateBound(&stream, uLong(data.size())));
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = uInt(data.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}
