#include "control/CInstallBase.h"

constexpr uint16_t kProcessorUnknown = 0xFFFF;

CInstallBase::CInstallBase()
    : Instance(nullptr), CurrentPage(0), WinVersion(0), UiLanguage(0), Is64BitWindows(0),
      ProcessorArchitecture(kProcessorUnknown) {}

CInstallBase::~CInstallBase() { CInstallBase::ReleaseTables(); }

void* CInstallBase::OwnerWindow() { return nullptr; }

int CInstallBase::Init(void* instance) {
    Instance = instance;
    return 1;
}

void CInstallBase::ReleaseTables() {
    CommonStrings.Release();
    UiStrings[0].Release();
    UiStrings[1].Release();
    Guard.Wipe();
}

const TextRecord* CInstallBase::FindRecord(uint32_t id) {
    if (UiLanguage < 2)
        if (const TextRecord* record = UiStrings[UiLanguage].Lookup(id)) return record;
    return CommonStrings.Lookup(id);
}

int CInstallBase::GetString(uint32_t id, GString& target) {
    target.Clear();
    const TextRecord* record = FindRecord(id);
    if (!record || !target.AssignRecord(record)) return 0;
    return target.ToWide() != nullptr;
}

int CInstallBase::SetUiLanguage(uint32_t index) {
    if (index > 1) return 0;
    UiLanguage = index;
    return 1;
}
