#pragma once
// Owner of the payload key material: a private copy of the stored bytes,
// descrambled in place, whose key slice deciphers every payload entry. The
// copy is zeroed before it is freed.

#include <cstdint>

class Blowfish;

// Which check of Extract refused an entry.
enum class ExtractFault {
    None,
    NoKey,
    BadSize,             // no entry, or smaller than a header
    NoMemory,
    StoredSizeMismatch,  // deciphered with another key, or damaged header
    PackedSizeTooLarge,  // the stream would reach past the entry
    PackedCrcMismatch,
    StreamMismatch,      // the stream does not yield exactly DataSize bytes
    DataCrcMismatch,
};

class CGuard {
public:
    CGuard();
    virtual ~CGuard();

    CGuard(const CGuard&) = delete;
    CGuard& operator=(const CGuard&) = delete;

    int LoadMaterial(const uint8_t* stored, uint32_t length);
    void Wipe();

    // Block move within Material with memmove semantics; out-of-range
    // positions do nothing, over-long counts stop at the end.
    void Move(int32_t target, int32_t source, int32_t count);
    // XOR of a run of Material with the byte at maskPosition, read once.
    void MaskRun(int32_t start, int32_t count, int32_t maskPosition);

    // Keys the cipher with the key slice; 0 when there is no material.
    int KeyCipher(Blowfish& cipher) const;

    // The plain bytes of a stored entry in a malloc'd buffer owned by the
    // caller (free()), or null. size: stored size in, DataSize out; neither
    // it nor itemCount changes on failure. fault, when given, tells why.
    uint8_t* Extract(const uint8_t* entry, uint32_t& size, uint32_t* itemCount,
                     ExtractFault* fault = nullptr) const;

    uint8_t* Material;
    int32_t MaterialSize;
    int32_t KeyOffset;
    int32_t KeyLength;
    int32_t FirstMoveSource;
    int32_t FirstMoveTarget;
    int32_t FirstMoveLength;
    int32_t SecondMoveSource;
    int32_t SecondMoveTarget;
    int32_t SecondMoveLength;
    int32_t MaskPosition;
    int32_t MaskStart;
    int32_t MaskLength;
};
