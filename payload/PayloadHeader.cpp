#include "payload/PayloadHeader.h"

#include <zlib.h>

uint32_t Crc32(const uint8_t* bytes, uint32_t size) { return uint32_t(crc32(crc32(0, Z_NULL, 0), bytes, size)); }

uint32_t ReadLittle32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void WriteLittle32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(value >> (8 * i));
}

PayloadHeader ReadPayloadHeader(const uint8_t* p) {
    return PayloadHeader{ReadLittle32(p),      ReadLittle32(p + 4),  ReadLittle32(p + 8),
                         ReadLittle32(p + 12), ReadLittle32(p + 16), ReadLittle32(p + 20)};
}

void WritePayloadHeader(uint8_t* p, const PayloadHeader& h) {
    const uint32_t fields[6] = {h.StoredSize, h.DataSize, h.PackedSize, h.DataCrc, h.PackedCrc, h.ItemCount};
    for (int i = 0; i < 6; ++i) WriteLittle32(p + 4 * i, fields[i]);
}
