#pragma once
// The inverse of Extract for the build: header, DEFLATE stream and padding,
// enciphered with the guard's key. Compression is the caller's.

#include <cstdint>

class CGuard;

// A malloc'd stored entry (free()) of storedSize bytes, or null when the
// guard holds no key or memory is short.
uint8_t* SealEntry(const CGuard& guard, const uint8_t* data, uint32_t dataSize, const uint8_t* packed,
                   uint32_t packedSize, uint32_t itemCount, uint32_t& storedSize);

// Raw DEFLATE of data with zlib at level 9 into a malloc'd buffer (free()),
// or null; packedSize receives its length.
uint8_t* DeflateWithZlib(const uint8_t* data, uint32_t size, uint32_t& packedSize);

// Enciphers whole blocks in place; the size is a multiple of 8.
int EncipherBlocks(const CGuard& guard, uint8_t* bytes, uint32_t size);
