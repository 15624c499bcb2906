#pragma once
// The layout files the installer carries, two sets (0 standard, 1 alternative)
// x three variants x thirteen system slots, and the choice of the file or
// files for the running system.
//
// Each set and variant has two distinct files, one for x86 and one for x64;
// a file that serves several slots is stored once. There is no compiler for
// IA64 here, so the IA64 slots name the x86 file: an Itanium system would get
// a native file it cannot load.

#include <cstdint>

#include "payload/PayloadHeader.h"

constexpr int kLayoutSetCount = 2;
constexpr int kLayoutVariantCount = 3;
constexpr int kLayoutSlotCount = 13;
constexpr int kNoLayoutSlot = -1;

enum LayoutFileKind { kLayoutFileX86 = 0, kLayoutFileX64 = 1, kLayoutFileKindCount = 2 };

// The stored files by set, variant and kind; defined beside the payload entries.
extern const PayloadEntry* const LayoutFiles[kLayoutSetCount][kLayoutVariantCount][kLayoutFileKindCount];

// The kind of file each system slot holds.
extern const uint8_t LayoutSlotKind[kLayoutSlotCount];

// The file of a slot, or none for a set, variant or slot out of range.
const PayloadEntry* LayoutSlotEntry(int set, int variant, int slot);

// The primary and secondary slot for a Windows version and processor
// architecture; 0 when there is no file for that system.
int ChooseLayoutSlots(int32_t winVersion, uint16_t processorArchitecture, int* primary, int* secondary);

// Reads WinVersion, ProcessorArchitecture, LayoutVariant, AlternativeSet and
// AlternativeSetInstalled of the installer. The outputs start as none and -1;
// 1 when a file exists for the running system.
template <class Installer>
int SelectLayoutFiles(const Installer& installer, const uint8_t** primary, const uint8_t** secondary,
                      int32_t* primarySize, int32_t* secondarySize) {
    *primary = nullptr;
    *secondary = nullptr;
    *primarySize = -1;
    *secondarySize = -1;
    int p = kNoLayoutSlot, s = kNoLayoutSlot;
    if (!ChooseLayoutSlots(installer.WinVersion, installer.ProcessorArchitecture, &p, &s)) return 0;
    const int set = installer.AlternativeSet != 0 || installer.AlternativeSetInstalled != 0 ? 1 : 0;
    const PayloadEntry* first = LayoutSlotEntry(set, installer.LayoutVariant, p);
    const PayloadEntry* second = s == kNoLayoutSlot ? nullptr : LayoutSlotEntry(set, installer.LayoutVariant, s);
    if (!first || (s != kNoLayoutSlot && !second)) return 0;  // a variant out of range
    *primary = first->Bytes;
    *primarySize = static_cast<int32_t>(first->StoredSize);
    if (second) {
        *secondary = second->Bytes;
        *secondarySize = static_cast<int32_t>(second->StoredSize);
    }
    return 1;
}
