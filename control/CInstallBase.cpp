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

void CInstallBase::ReleaseTables() {}
