#pragma once
// Plain bytes of a payload entry after deciphering: this header, then a raw
// DEFLATE stream, then padding up to the stored size. Numbers little-endian.

#include <cstdint>

struct PayloadHeader {
    uint32_t StoredSize;
    uint32_t DataSize;
    uint32_t PackedSize;
    uint32_t DataCrc;
    uint32_t PackedCrc;
    uint32_t ItemCount;
};

constexpr uint32_t kPayloadHeaderSize = 24;
constexpr uint32_t kCipherBlockSize = 8;

// A stored entry in the program image.
struct PayloadEntry {
    const uint8_t* Bytes;
    uint32_t StoredSize;
};

// The standard CRC-32 (zlib's crc32 from a start value of 0).
uint32_t Crc32(const uint8_t* bytes, uint32_t size);
uint32_t ReadLittle32(const uint8_t* p);
void WriteLittle32(uint8_t* p, uint32_t value);
PayloadHeader ReadPayloadHeader(const uint8_t* p);
void WritePayloadHeader(uint8_t* p, const PayloadHeader& header);
