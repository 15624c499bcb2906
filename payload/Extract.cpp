// Extract: decipher a stored entry, check it, inflate it.
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "payload/Blowfish.h"
#include "payload/CGuard.h"
#include "payload/PayloadHeader.h"

namespace {

constexpr uint64_t kDeflateMaxRatio = 1032;

// Raw DEFLATE into exactly `room` bytes; 1 only when the stream ends within
// its input and fills the room exactly.
int InflateExactly(const uint8_t* packed, uint32_t packedSize, uint8_t* out, uint32_t room) {
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return 0;
    stream.next_in = const_cast<Bytef*>(packed);
    stream.avail_in = packedSize;
    stream.next_out = out;
    stream.avail_out = room;
    const int status = inflate(&stream, Z_FINISH);
    const uLong produced = stream.total_out;
    inflateEnd(&stream);
    return status == Z_STREAM_END && produced == room;
}

// Deciphered copy of the entry; a last partial block is completed with zeros
// so that nothing past the stored size is read.
uint8_t* Decipher(const Blowfish& cipher, const uint8_t* entry, uint32_t storedSize, uint32_t workingSize) {
    uint8_t* work = static_cast<uint8_t*>(std::malloc(workingSize));
    if (!work) return nullptr;
    for (uint32_t at = 0; at < workingSize; at += kCipherBlockSize) {
        uint8_t block[kCipherBlockSize] = {};
        const uint32_t available = storedSize - at < kCipherBlockSize ? storedSize - at : kCipherBlockSize;
        std::memcpy(block, entry + at, available);
        cipher.DecipherBlock(block);
        std::memcpy(work + at, block, kCipherBlockSize);
    }
    return work;
}

// The checks after deciphering; the output buffer on success.
uint8_t* CheckAndInflate(const uint8_t* work, uint32_t storedSize, const PayloadHeader& header, ExtractFault& fault) {
    const uint8_t* packed = work + kPayloadHeaderSize;
    if (header.StoredSize != storedSize) {
        fault = ExtractFault::StoredSizeMismatch;
        return nullptr;
    }
    if (header.PackedSize > storedSize - kPayloadHeaderSize) {
        fault = ExtractFault::PackedSizeTooLarge;
        return nullptr;
    }
    if (Crc32(packed, header.PackedSize) != header.PackedCrc) {
        fault = ExtractFault::PackedCrcMismatch;
        return nullptr;
    }
    // DEFLATE expands at most 1032-fold: a header that claims more could never
    // be satisfied, and must not make us allocate what it claims.
    if (uint64_t(header.DataSize) > uint64_t(header.PackedSize) * kDeflateMaxRatio) {
        fault = ExtractFault::StreamMismatch;
        return nullptr;
    }
    // An empty entry still gets a buffer to hand over.
    uint8_t* out = static_cast<uint8_t*>(std::malloc(header.DataSize ? header.DataSize : 1));
    if (!out) {
        fault = ExtractFault::NoMemory;
        return nullptr;
    }
    if (!InflateExactly(packed, header.PackedSize, out, header.DataSize))
        fault = ExtractFault::StreamMismatch;
    else if (Crc32(out, header.DataSize) != header.DataCrc)
        fault = ExtractFault::DataCrcMismatch;
    else
        return out;
    std::free(out);
    return nullptr;
}

}  // namespace

uint8_t* CGuard::Extract(const uint8_t* entry, uint32_t& size, uint32_t* itemCount, ExtractFault* fault) const {
    ExtractFault unused;
    ExtractFault& why = fault ? *fault : unused;
    why = ExtractFault::None;
    if (!Material) {
        why = ExtractFault::NoKey;
        return nullptr;
    }
    const uint32_t storedSize = size;
    if (!entry || storedSize < kPayloadHeaderSize || storedSize > 0xFFFFFFFFu - kCipherBlockSize) {
        why = ExtractFault::BadSize;
        return nullptr;
    }
    const uint32_t workingSize = (storedSize + kCipherBlockSize - 1) / kCipherBlockSize * kCipherBlockSize;

    why = ExtractFault::NoMemory;
    Blowfish* cipher = new (std::nothrow) Blowfish;
    if (!cipher) return nullptr;
    KeyCipher(*cipher);
    uint8_t* work = Decipher(*cipher, entry, storedSize, workingSize);
    delete cipher;
    if (!work) return nullptr;

    why = ExtractFault::None;
    const PayloadHeader header = ReadPayloadHeader(work);
    uint8_t* out = CheckAndInflate(work, storedSize, header, why);
    std::free(work);
    if (!out) return nullptr;
    if (itemCount) *itemCount = header.ItemCount;
    size = header.DataSize;
    return out;
}
