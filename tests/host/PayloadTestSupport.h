#pragma once
// Builds stored entries for the tests with zlib (available on both builds)
// and the product's own sealer, and decodes them by hand where a test has to
// damage an entry in a particular place.

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "payload/Blowfish.h"
#include "payload/CGuard.h"
#include "payload/EntrySealer.h"
#include "payload/PayloadHeader.h"

using Bytes = std::vector<uint8_t>;

inline Bytes BytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

inline Bytes RawDeflate(const Bytes& data) {
    uint32_t size = 0;
    uint8_t* packed = DeflateWithZlib(data.data(), uint32_t(data.size()), size);
    Bytes out(packed, packed + (packed ? size : 0));
    std::free(packed);
    return out;
}

// A stored entry whose stream is `packed` and whose header claims `data`.
inline Bytes SealWith(const CGuard& guard, const Bytes& data, const Bytes& packed, uint32_t itemCount = 0) {
    uint32_t size = 0;
    uint8_t* entry = SealEntry(guard, data.data(), uint32_t(data.size()), packed.data(), uint32_t(packed.size()),
                               itemCount, size);
    Bytes out = entry ? Bytes(entry, entry + size) : Bytes();
    std::free(entry);
    return out;
}

inline Bytes Seal(const CGuard& guard, const Bytes& data, uint32_t itemCount = 0) {
    return SealWith(guard, data, RawDeflate(data), itemCount);
}

// Deciphers or enciphers a whole stored entry in place with the guard's key.
inline void Cipher(const CGuard& guard, Bytes& entry, bool encipher) {
    Blowfish cipher;
    guard.KeyCipher(cipher);
    for (size_t at = 0; at + 8 <= entry.size(); at += 8)
        encipher ? cipher.EncipherBlock(&entry[at]) : cipher.DecipherBlock(&entry[at]);
}

// The stored entry with one bit of its plain bytes flipped.
inline Bytes WithPlainBitFlipped(const CGuard& guard, const Bytes& entry, size_t byte, int bit) {
    Bytes plain = entry;
    Cipher(guard, plain, false);
    plain[byte] ^= uint8_t(1 << bit);
    Cipher(guard, plain, true);
    return plain;
}

// Key material of the right size from a simple sequence.
inline Bytes TestMaterial(uint8_t seed) {
    Bytes material(968);
    for (size_t i = 0; i < material.size(); ++i) material[i] = uint8_t(seed + i * 7 + (i >> 3));
    return material;
}

// The result of Extract as bytes, with the fault it reported.
struct Extracted {
    bool Ok;
    Bytes Data;
    uint32_t Size;
    uint32_t ItemCount;
    ExtractFault Fault;
};

inline Extracted ExtractBytes(const CGuard& guard, const Bytes& entry, uint32_t storedSize) {
    Extracted r{false, {}, storedSize, 0xDEADBEEF, ExtractFault::None};
    uint8_t* data = guard.Extract(entry.data(), r.Size, &r.ItemCount, &r.Fault);
    if (data) {
        r.Ok = true;
        r.Data.assign(data, data + r.Size);
        std::free(data);
    }
    return r;
}

inline Extracted ExtractBytes(const CGuard& guard, const Bytes& entry) {
    return ExtractBytes(guard, entry, uint32_t(entry.size()));
}

// A string table as the packer lays it out: index sorted by id, then narrow
// records back to back, 4-aligned.
inline Bytes TableImage(const std::vector<std::pair<uint32_t, std::string>>& strings) {
    Bytes index, area;
    const auto put = [](Bytes& out, uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
    };
    for (const auto& s : strings) {
        put(index, s.first);
        put(index, uint32_t(area.size()));
        put(area, 0x80000000u | uint32_t(s.second.size()));
        area.insert(area.end(), s.second.begin(), s.second.end());
        area.push_back(0);
        while (area.size() % 4) area.push_back(0);
    }
    index.insert(index.end(), area.begin(), area.end());
    return index;
}

// A malloc'd copy, as Extract hands buffers over.
inline uint8_t* Copy(const Bytes& b) {
    uint8_t* p = static_cast<uint8_t*>(std::malloc(b.size() ? b.size() : 1));
    if (p && !b.empty()) std::memcpy(p, b.data(), b.size());
    return p;
}
