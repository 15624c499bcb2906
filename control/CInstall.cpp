#include "control/CInstall.h"

CInstall::CInstall()
    : DefaultInputLanguage(0), InputLanguage(0), InputSettingsFlag(1), AssociationMatches(0), IsAdministrator(0),
      UninstallDone(0), InstallDone(0), RestartRequested(0), LicenceAccepted(0), UserToggleFlag(1),
      ExtraShortcutsFlag(1), OptionalShortcutA(0), OptionalShortcutB(0), OptionalShortcutC(0), LayoutVariant(-1),
      DecimalKeyVariant(-1), AlternativeSet(0), AlternativeSetInstalled(0), ReconfigureMode(0), ScanMapPresent(0),
      DocumentBVersion(0), DocumentAVersion(0), DocumentAUsers(0), InstalledState(0), InstallCount(0) {}

CInstall::~CInstall() { CInstall::ReleaseTables(); }

void* CInstall::OwnerWindow() { return nullptr; }

int CInstall::Init(void* instance) { return CInstallBase::Init(instance); }

void CInstall::ReleaseTables() { CInstallBase::ReleaseTables(); }

int CInstall::Run() { return 1; }

void CInstall::Finish() { ReleaseTables(); }

int CInstall::SetLayoutVariant(int32_t variant) {
    if (variant < 0 || variant > 2) return 0;
    LayoutVariant = variant;
    return 1;
}

int CInstall::SetDecimalKeyVariant(int32_t variant) {
    if (variant < 0 || variant > 1) return 0;
    DecimalKeyVariant = variant;
    return 1;
}
