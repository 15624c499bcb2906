#pragma once
// The payload side of the installer and the facts about the running system.

#include <cstdint>

#include "payload/CGuard.h"
#include "payload/StringTable.h"
#include "text/GString.h"

class CInstallBase {
public:
    CInstallBase();
    virtual void* OwnerWindow();
    virtual int Init(void* instance);
    virtual void ReleaseTables();
    // The record of a string id: the UI language's table, then the common one.
    virtual const TextRecord* FindRecord(uint32_t id);

    // The text of a string id as UTF-16 in target; 0 and an empty target when
    // no table holds it.
    int GetString(uint32_t id, GString& target);
    int SetUiLanguage(uint32_t index);

    void* Instance;
    CGuard Guard;
    StringTable CommonStrings;
    StringTable UiStrings[2];
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
