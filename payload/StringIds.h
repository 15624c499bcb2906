#pragma once
// Every string id the program asks for, named by its role. The packer reads
// the "Name = number," lines below and refuses tables that lack any of them;
// "template: ..." lists the arguments a template's callers pass (n a number,
// s a UTF-16 text), which its texts must convert exactly.

#include <cstdint>

enum StringId : uint32_t {
    // Product and window
    StrProductFamily = 0,
    StrWelcomeFootnote = 1,
    StrInformationCommand = 2,  // template: ss
    StrHeaderFontFace = 40,
    StrProductName = 81,
    StrProductVersion = 82,
    StrProductKey = 89,
    StrUiLanguage1Name = 91,
    StrUiLanguage0Name = 92,
    StrCaption = 93,
    StrFrameClass = 94,
    StrInformationAddress = 95,
    StrConfirmClose = 96,

    // Registry: system keys and values
    StrKeyboardLayoutsKey = 3,
    StrCompletionKey = 4,
    StrScanMapKey = 5,
    StrScanMapValue = 6,
    StrToggleKey = 13,
    StrToggleHotkeyValue = 14,
    StrToggleLanguageHotkeyValue = 15,
    StrToggleLayoutHotkeyValue = 16,
    StrLayoutTextValue = 17,
    StrLayoutFileValue = 18,
    StrLayoutIdValue = 19,
    StrLayoutComponentValue = 20,
    StrCompletionValue = 71,
    StrCompletionText = 50,
    StrCompletionTextOldest = 51,

    // Registry: the installed-state record
    StrStateRootKey = 7,
    StrStateFamilyKey = 8,
    StrStoredUserLayoutValue = 11,
    StrStoredUserLayoutTemplate = 12,  // template: ns
    StrInstallCountValue = 21,
    StrDocumentAGroupKey = 24,
    StrDocumentAValue = 25,
    StrDocumentAMenuLinkValue = 26,
    StrDocumentADesktopLinkValue = 27,
    StrDocumentAVersionValue = 28,
    StrDocumentAUsersValue = 29,
    StrDocumentBValue = 31,
    StrDocumentBMenuLinkValue = 32,
    StrDocumentBDesktopLinkValue = 33,
    StrDocumentBVersionValue = 34,
    StrProductsKey = 36,
    StrSetupCopyValue = 37,
    StrUninstallLinkValue = 38,
    StrInstalledStateValue = 39,
    StrTextFileValue = 72,
    StrTextFileMenuLinkValue = 73,
    StrTextFileDesktopLinkValue = 74,
    StrMenuPointerFileValue = 75,
    StrDesktopPointerFileValue = 76,
    StrPointerTargetValue = 79,
    StrAlternativeSetValue = 155,
    StrAlternativeSetInstalledValue = 156,
    StrKeyAssignmentsValue = 157,
    StrLayoutVariantValue = 158,
    StrDecimalKeyVariantValue = 159,

    // Layout registration and input settings
    StrLayoutFileName = 83,
    StrLayoutIdText = 84,
    StrLayoutKlid = 85,
    StrDefaultInputLanguage = 86,
    StrLayoutComponentText = 87,
    StrSettingsUser = 90,
    StrSettingsFilePrefix = 47,
    StrSettingsCommand = 49,  // template: s
    StrSettingsAdd = 62,  // template: nss
    StrSettingsAddReplacing = 63,  // template: snssnn
    StrSettingsDefaultPart = 64,
    StrSettingsRemoveOldest = 65,  // template: ss
    StrSettingsRemove = 66,  // template: s

    // Files, folders and shortcuts
    StrFolderFirstLevel = 9,
    StrFolderSecondLevel = 10,
    StrDocumentAName = 22,
    StrDocumentAQualifier = 23,
    StrDocumentBName = 30,
    StrDocumentBDescription = 35,
    StrAssociationProtocol = 41,
    StrDocumentExtension = 42,
    StrShortcutExtension = 43,
    StrTextFileExtension = 44,
    StrAssociationExpected = 45,
    StrPointerFileExtension = 46,
    StrUninstallLinkTemplate = 48,  // template: s
    StrTextFileIconLocation = 52,
    StrTextFileContent = 67,
    StrTextFileContentOldest = 68,
    StrPointerFileTemplate = 69,  // template: ss
    StrPointerFileName = 70,
    StrEarlierDocumentName = 77,
    StrEarlierTextFileName = 78,
    StrPointerTargetName = 80,
    StrDocumentADescription = 121,
    StrTextFileDescription = 122,

    // Libraries and procedures looked up at run time
    StrFsRedirectionOff = 56,
    StrFsRedirectionRevert = 57,
    StrNativeSystemInfo = 58,
    StrDeleteKeyInView = 59,
    StrWow64SystemFolder = 60,
    StrKernelLibrary = 144,
    StrRegistryLibrary = 145,

    // Start-up checks
    StrSettingsVerb = 53,
    StrSettingsProgram = 54,
    StrSettingsParameters = 55,
    StrNeedAdministrator = 123,
    StrUnsupportedSystem = 124,
    StrNoInputLanguage = 125,

    // Layout variants
    StrVariantReference = 88,
    StrVariant0 = 113,
    StrVariant1 = 114,
    StrVariant2 = 115,
    StrDecimalComma = 119,
    StrDecimalPoint = 120,

    // Byte patterns of the layout files
    StrPatternDecimalKey = 146,
    StrPatternScanTable0 = 147,
    StrPatternScanTable1 = 148,
    StrPatternScanTable2 = 149,
    StrPatternE0Table = 150,
    StrPatternE1Table = 151,

    // Wizard pages
    StrWelcomeHeading = 97,  // template: s
    StrButtonClose = 98,
    StrButtonNext = 99,
    StrButtonBack = 100,
    StrLocaleLabel = 101,  // template: s
    StrInputSettingsBox = 102,  // template: s
    StrButtonInstall = 104,
    StrLicenceAgreement = 105,
    StrExtraShortcutsBox = 106,
    StrAlternativeSetBox = 108,
    StrVariantLabel = 110,
    StrDecimalKeyLabel = 111,
    StrOptionsNote = 112,
    StrButtonRemove = 127,
    StrButtonChange = 128,
    StrRemoveQuestion = 129,  // template: s
    StrRemovedBody = 130,
    StrWelcomeBody = 131,
    StrLicenceHeading = 132,
    StrNoDocumentReader = 133,
    StrFinalBodyOldest = 134,  // template: s
    StrFinalBody = 135,
    StrInstalledBody = 136,
    StrButtonFinish = 137,
    StrUserToggleBox = 139,
    StrButtonInformation = 140,
    StrInstalledHeading = 141,  // template: s
    StrWelcomeSpare = 142,
    StrInstallFailed = 143,
    StrButtonKeys = 152,
    StrButtonMoreKeys = 153,
    StrKeyNone = 154,
};
