#pragma once
// The payload side of the installer and the facts about the running system.

#include <cstdint>

#include "text/GString.h"

class CInstallBase {
public:
    CInstallBase();
    virtual void* OwnerWindow();
    virtual int Init(void* instance);
    virtual void ReleaseTables();

    void* Instance;
    int32_t CurrentPage;
    int32_t WinVersion;
    uint32_t UiLanguage;
    int32_t Is64BitWindows;
    uint16_t ProcessorArchitecture;
    GString Scratch;

protected:
    // Destroyed only as part of CInstall.
    ~CInstallBase();
};
