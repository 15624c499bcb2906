#include "payload/CGuard.h"

#include <cstdlib>

#include "payload/Blowfish.h"

CGuard::CGuard()
    : Material(nullptr), MaterialSize(968), KeyOffset(352), KeyLength(495), FirstMoveSource(240),
      FirstMoveTarget(414), FirstMoveLength(65), SecondMoveSource(637), SecondMoveTarget(395),
      SecondMoveLength(205), MaskPosition(42), MaskStart(104), MaskLength(454) {}

CGuard::~CGuard() { Wipe(); }

void CGuard::Wipe() {
    if (!Material) return;
    // volatile: the zeroing must not be dropped as a dead store before free.
    volatile uint8_t* p = Material;
    for (int32_t i = 0; i < MaterialSize; ++i) p[i] = 0;
    std::free(Material);
    Material = nullptr;
}

int CGuard::LoadMaterial(const uint8_t* stored, uint32_t length) {
    Wipe();
    if (!stored || length == 0 || length != uint32_t(MaterialSize)) return 0;
    Material = static_cast<uint8_t*>(std::malloc(length));
    if (!Material) return 0;
    for (uint32_t i = 0; i < length; ++i) Material[i] = stored[i];
    Move(FirstMoveTarget, FirstMoveSource, FirstMoveLength);
    Move(SecondMoveTarget, SecondMoveSource, SecondMoveLength);
    MaskRun(MaskStart, MaskLength, MaskPosition);
    return 1;
}

void CGuard::Move(int32_t target, int32_t source, int32_t count) {
    if (!Material || target < 0 || source < 0 || target >= MaterialSize || source >= MaterialSize) return;
    if (count <= 0) return;
    if (target < source) {
        if (count > MaterialSize - source) count = MaterialSize - source;
        for (int32_t i = 0; i < count; ++i) Material[target + i] = Material[source + i];
    } else {
        if (count > MaterialSize - target) count = MaterialSize - target;
        for (int32_t i = count - 1; i >= 0; --i) Material[target + i] = Material[source + i];
    }
}

void CGuard::MaskRun(int32_t start, int32_t count, int32_t maskPosition) {
    if (!Material || start < 0 || maskPosition < 0 || start >= MaterialSize || maskPosition >= MaterialSize) return;
    const uint8_t mask = Material[maskPosition];
    if (count > MaterialSize - start) count = MaterialSize - start;
    for (int32_t i = 0; i < count; ++i) Material[start + i] ^= mask;
}

int CGuard::KeyCipher(Blowfish& cipher) const {
    if (!Material) return 0;
    cipher.SetKey(Material + KeyOffset, uint32_t(KeyLength));
    return 1;
}
