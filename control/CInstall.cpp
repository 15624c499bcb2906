#include "control/CInstall.h"

#include <windows.h>

#include <cstdlib>

#include "payload/ExtractText.h"
#include "payload/HexNumber.h"
#include "payload/PayloadEntries.h"
#include "payload/StringIds.h"

CInstall::CInstall()
    : DefaultInputLanguage(0), InputLanguage(0), InputSettingsFlag(1), AssociationMatches(0), IsAdministrator(0),
      UninstallDone(0), InstallDone(0), RestartRequested(0), LicenceAccepted(0), UserToggleFlag(1),
      ExtraShortcutsFlag(1), OptionalShortcutA(0), OptionalShortcutB(0), OptionalShortcutC(0), LayoutVariant(-1),
      DecimalKeyVariant(-1), AlternativeSet(0), AlternativeSetInstalled(0), ReconfigureMode(0), ScanMapPresent(0),
      KeyTable(NewKeyTable()), KeyCount(KeyTable ? kKeyNameCount : 0), DocumentBVersion(0), DocumentAVersion(0),
      DocumentAUsers(0), InstalledState(0), InstallCount(0) {}

CInstall::~CInstall() {
    CInstall::ReleaseTables();
    std::free(KeyTable);
}

void* CInstall::OwnerWindow() { return nullptr; }

int CInstall::LoadTable(const PayloadEntry& entry, StringTable& table) {
    uint32_t size = entry.StoredSize, count = 0;
    uint8_t* data = Guard.Extract(entry.Bytes, size, &count);
    if (!data) return 0;
    if (table.Load(data, size, count)) return 1;
    std::free(data);
    return 0;
}

int CInstall::Init(void* instance) {
    // Without its key table the installer cannot keep the user's choices.
    if (!KeyTable || !CInstallBase::Init(instance)) return 0;
    if (!Guard.LoadMaterial(KeyMaterialEntry.Bytes, KeyMaterialEntry.StoredSize)) return 0;
    if (!LoadTable(CommonStringsEntry, CommonStrings) || !LoadTable(ExtraStringsEntry, ExtraStrings) ||
        !LoadTable(UiStrings0Entry, UiStrings[0]) || !LoadTable(UiStrings1Entry, UiStrings[1]))
        return 0;
    uint32_t language = 0;
    if (GetString(StrDefaultInputLanguage, Scratch) && ScanHexNumber(Scratch.WideAt(0), language))
        DefaultInputLanguage = uint16_t(language);
    DecideLayoutVariant();
    DecideDecimalKeyVariant();
    return 1;
}

void CInstall::ReleaseTables() {
    CInstallBase::ReleaseTables();
    ExtraStrings.Release();
}

const TextRecord* CInstall::FindRecord(uint32_t id) {
    if (const TextRecord* record = CInstallBase::FindRecord(id)) return record;
    return ExtraStrings.Lookup(id);
}

int32_t CInstall::DecideLayoutVariant() {
    if (LayoutVariant >= 0) return LayoutVariant;
    GString reference, name;
    GetString(StrVariantReference, reference);
    LayoutVariant = 0;
    const StringId names[3] = {StrVariant0, StrVariant1, StrVariant2};
    for (int32_t variant = 0; variant < 3; ++variant) {
        GetString(names[variant], name);
        if (name.FindGString(reference, 0) >= 0) {
            LayoutVariant = variant;
            break;
        }
    }
    return LayoutVariant;
}

int32_t CInstall::DecideDecimalKeyVariant() {
    if (DecimalKeyVariant >= 0) return DecimalKeyVariant;
    GString separator;
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, nullptr, 0);
    if (length <= 0) return -1;
    wchar_t* buffer = reinterpret_cast<wchar_t*>(separator.WideBuffer(length));
    if (!buffer || GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, length) == 0) return -1;
    separator.SetLength(-1);
    DecimalKeyVariant = separator.Length() == 1 && separator.WideAt(0)[0] == u',' ? 0 : 1;
    return DecimalKeyVariant;
}

int CInstall::ExtractText(const uint8_t* entry, uint32_t storedSize, GString& target) {
    return ::ExtractText(Guard, entry, storedSize, target);
}

KeyEntry* CInstall::FindKey(uint32_t scan) {
    return const_cast<KeyEntry*>(FindKeyEntry(KeyTable, uint16_t(scan)));
}

int CInstall::NormaliseKeyTable() { return ::NormaliseKeyTable(KeyTable, KeyCount); }

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
