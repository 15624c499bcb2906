#include "payload/EntrySealer.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "payload/Blowfish.h"
#include "payload/CGuard.h"
#include "payload/PayloadHeader.h"

int EncipherBlocks(const CGuard& guard, uint8_t* bytes, uint32_t size) {
    if (size % kCipherBlockSize) return 0;
    Blowfish* cipher = new (std::nothrow) Blowfish;
    if (!cipher) return 0;
    const int keyed = guard.KeyCipher(*cipher);
    if (keyed)
        for (uint32_t at = 0; at < size; at += kCipherBlockSize) cipher->EncipherBlock(bytes + at);
    delete cipher;
    return keyed;
}

uint8_t* SealEntry(const CGuard& guard, const uint8_t* data, uint32_t dataSize, const uint8_t* packed,
                   uint32_t packedSize, uint32_t itemCount, uint32_t& storedSize) {
    if (packedSize > 0xFFFFFFFFu - kPayloadHeaderSize - kCipherBlockSize) return nullptr;
    const uint32_t size = (kPayloadHeaderSize + packedSize + kCipherBlockSize - 1) / kCipherBlockSize * kCipherBlockSize;
    uint8_t* entry = static_cast<uint8_t*>(std::calloc(size, 1));
    if (!entry) return nullptr;
    const PayloadHeader header{size,
                               dataSize,
                               packedSize,
                               Crc32(data, dataSize),
                               Crc32(packed, packedSize),
                               itemCount};
    WritePayloadHeader(entry, header);
    if (packedSize) std::memcpy(entry + kPayloadHeaderSize, packed, packedSize);
    if (!EncipherBlocks(guard, entry, size)) {
        std::free(entry);
        return nullptr;
    }
    storedSize = size;
    return entry;
}

uint8_t* DeflateWithZlib(const uint8_t* data, uint32_t size, uint32_t& packedSize) {
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK) return nullptr;
    const uLong room = deflateBound(&stream, size);
    uint8_t* out = static_cast<uint8_t*>(std::malloc(room ? room : 1));
    stream.next_in = const_cast<Bytef*>(data);
    stream.avail_in = size;
    stream.next_out = out;
    stream.avail_out = uInt(room);
    const bool done = out && deflate(&stream, Z_FINISH) == Z_STREAM_END;
    packedSize = uint32_t(stream.total_out);
    deflateEnd(&stream);
    if (done) return out;
    std::free(out);
    return nullptr;
}
