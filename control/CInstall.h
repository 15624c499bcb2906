#pragma once
// The one installer object: options, decisions carried between the stages,
// the paths of an installation and the state an earlier one recorded.

#include <cstdint>

#include "control/CInstallBase.h"
#include "payload/KeyNameTable.h"
#include "payload/PayloadHeader.h"
#include "text/GString.h"

class CInstall : public CInstallBase {
public:
    CInstall();
    virtual ~CInstall();

    void* OwnerWindow() override;
    int Init(void* instance) override;
    void ReleaseTables() override;
    const TextRecord* FindRecord(uint32_t id) override;

    int Run();
    void Finish();

    // Setters that keep the invariants: anything out of range is refused.
    int SetLayoutVariant(int32_t variant);
    int SetDecimalKeyVariant(int32_t variant);

    // Defaults while undecided (-1); each answers the variant it leaves.
    int32_t DecideLayoutVariant();
    int32_t DecideDecimalKeyVariant();

    int ExtractText(const uint8_t* entry, uint32_t storedSize, GString& target);
    KeyEntry* FindKey(uint32_t scan);
    int NormaliseKeyTable();

    uint16_t DefaultInputLanguage;
    uint16_t InputLanguage;
    int32_t InputSettingsFlag;
    int32_t AssociationMatches;
    int32_t IsAdministrator;
    int32_t UninstallDone;
    int32_t InstallDone;
    int32_t RestartRequested;
    int32_t LicenceAccepted;
    int32_t UserToggleFlag;
    int32_t ExtraShortcutsFlag;
    int32_t OptionalShortcutA;
    int32_t OptionalShortcutB;
    int32_t OptionalShortcutC;
    int32_t LayoutVariant;
    int32_t DecimalKeyVariant;
    int32_t AlternativeSet;
    int32_t AlternativeSetInstalled;
    int32_t ReconfigureMode;
    int32_t ScanMapPresent;
    KeyEntry* KeyTable;
    int32_t KeyCount;
    StringTable ExtraStrings;

    // Paths and names: what an earlier installation recorded (Stored...) and
    // what this one computes, item by item.
    GString InputLanguageName;
    GString StoredUserLayout;
    GString ProgramParentFolder;
    GString ProgramFolder;
    GString MenuParentFolder;
    GString MenuFolder;
    GString StoredDocumentA;
    GString DocumentA;
    GString StoredDocumentAMenuLink;
    GString DocumentAMenuLink;
    GString StoredDocumentADesktopLink;
    GString DocumentADesktopLink;
    GString StoredDocumentB;
    GString DocumentB;
    GString StoredDocumentBMenuLink;
    GString DocumentBMenuLink;
    GString StoredDocumentBDesktopLink;
    GString DocumentBDesktopLink;
    GString StoredTextFile;
    GString TextFile;
    GString StoredTextFileMenuLink;
    GString TextFileMenuLink;
    GString StoredTextFileDesktopLink;
    GString TextFileDesktopLink;
    GString StoredMenuPointerFile;
    GString MenuPointerFile;
    GString StoredDesktopPointerFile;
    GString DesktopPointerFile;
    GString StoredPointerTarget;
    GString PointerTarget;
    GString SetupSource;
    GString UninstallLinkName;
    GString StoredSetupCopy;
    GString SetupCopy;
    GString StoredUninstallLink;
    GString UninstallLink;

    int32_t DocumentBVersion;
    int32_t DocumentAVersion;
    int32_t DocumentAUsers;
    int32_t InstalledState;
    int32_t InstallCount;

private:
    // Extracts an entry and loads it into table; 0 when either fails.
    int LoadTable(const PayloadEntry& entry, StringTable& table);
};
