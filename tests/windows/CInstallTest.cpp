// The installer object on the real platform: initial state, stages, releases,
// the payload it loads at Init and the lookup order of its string tables.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "control/CInstall.h"
#include "payload/PayloadEntries.h"
#include "payload/StringIds.h"
#include "tests/host/PayloadTestSupport.h"

namespace {

std::u16string Text(const GString& s) { return std::u16string(s.WideAt(0), size_t(s.Length())); }

TEST(CInstall, ConstructionSetsTheInitialValues) {
    CInstall install;
    EXPECT_EQ(install.ProcessorArchitecture, 0xFFFF);
    EXPECT_EQ(install.LayoutVariant, -1);
    EXPECT_EQ(install.DecimalKeyVariant, -1);
    EXPECT_EQ(install.InputSettingsFlag, 1);
    EXPECT_EQ(install.UserToggleFlag, 1);
    EXPECT_EQ(install.ExtraShortcutsFlag, 1);
    EXPECT_EQ(install.InstalledState, 0);
    EXPECT_EQ(install.OwnerWindow(), nullptr);
    EXPECT_EQ(install.UninstallLink.Length(), 0);
    EXPECT_EQ(install.KeyCount, 146);
    ASSERT_NE(install.KeyTable, nullptr);
    EXPECT_EQ(install.Guard.Material, nullptr);
    EXPECT_EQ(install.CommonStrings.Count, 0u);
}

TEST(CInstall, StagesRunAndReleasesMayRepeat) {
    CInstall install;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ASSERT_EQ(install.Init(instance), 1);
    EXPECT_EQ(install.Instance, instance);
    EXPECT_EQ(install.Run(), 1);
    install.Finish();
    EXPECT_EQ(install.Guard.Material, nullptr);
    EXPECT_EQ(install.ExtraStrings.Count, 0u);
    install.ReleaseTables();
    install.ReleaseTables();
}

TEST(CInstall, SettersRejectValuesOutOfRange) {
    CInstall install;
    const struct {
        int value, layoutResult, decimalResult;
    } cases[] = {{-1, 0, 0}, {0, 1, 1}, {1, 1, 1}, {2, 1, 0}, {3, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(install.SetLayoutVariant(c.value), c.layoutResult) << c.value;
        EXPECT_EQ(install.SetDecimalKeyVariant(c.value), c.decimalResult) << c.value;
    }
    EXPECT_EQ(install.LayoutVariant, 2);
    EXPECT_EQ(install.DecimalKeyVariant, 1);
}

// Init with the payload compiled into the program.
TEST(CInstall, InitLoadsTheFourTablesAndDecidesTheDefaults) {
    CInstall install;
    ASSERT_EQ(install.Init(GetModuleHandleW(nullptr)), 1);
    EXPECT_NE(install.Guard.Material, nullptr);
    EXPECT_GT(install.CommonStrings.Count, 0u);
    EXPECT_EQ(install.UiStrings[0].Count, install.UiStrings[1].Count);
    EXPECT_GT(install.ExtraStrings.Count, 0u);
    EXPECT_EQ(install.DefaultInputLanguage, 0x0419);
    EXPECT_EQ(install.LayoutVariant, 0);
    EXPECT_TRUE(install.DecimalKeyVariant == 0 || install.DecimalKeyVariant == 1) << install.DecimalKeyVariant;

    GString s;
    ASSERT_EQ(install.GetString(StrNativeSystemInfo, s), 1);
    EXPECT_EQ(Text(s), u"GetNativeSystemInfo");
    ASSERT_EQ(install.GetString(StrButtonBack, s), 1);
    EXPECT_EQ(Text(s), u"< Back");
    ASSERT_EQ(install.SetUiLanguage(1), 1);
    ASSERT_EQ(install.GetString(StrButtonBack, s), 1);
    EXPECT_EQ(Text(s), u"< Wstecz");
    ASSERT_EQ(install.GetString(StrFrameClass, s), 1) << "the small table is consulted last";
    EXPECT_EQ(Text(s), u"FonetikaSetupFrame");
}

TEST(CInstall, LicencesExtractAsText) {
    CInstall install;
    ASSERT_EQ(install.Init(GetModuleHandleW(nullptr)), 1);
    GString english, polish;
    ASSERT_EQ(install.ExtractText(Licence0Entry.Bytes, Licence0Entry.StoredSize, english), 1);
    ASSERT_EQ(install.ExtractText(Licence1Entry.Bytes, Licence1Entry.StoredSize, polish), 1);
    ASSERT_NE(english.ToWide(), nullptr);
    ASSERT_NE(polish.ToWide(), nullptr);
    EXPECT_EQ(english.Find(u"LICENCE TERMS\r\n"), 27) << "line feeds stored as CR LF for the edit control";
    EXPECT_GE(polish.Find(u"Prywatność"), 0);
    install.Finish();
    EXPECT_EQ(install.ExtractText(Licence0Entry.Bytes, Licence0Entry.StoredSize, english), 0);
}

// Tables of our own in the installer's four slots show the lookup order.
class CInstallLookup : public ::testing::Test {
protected:
    void SetUp() override {
        Put(install.UiStrings[0], {{1, "ui0 one"}, {2, "ui0 two"}, {0x80000005u, "ui0 top"}});
        Put(install.UiStrings[1], {{1, "ui1 one"}, {4, "ui1 four"}});
        Put(install.CommonStrings, {{1, "common one"}, {3, "common three"}, {4, "common four"}});
        Put(install.ExtraStrings, {{3, "extra three"}, {6, "extra six"}, {7, "\xD0\x96"}});
    }
    static void Put(StringTable& table, const std::vector<std::pair<uint32_t, std::string>>& strings) {
        const Bytes image = TableImage(strings);
        ASSERT_EQ(table.Load(Copy(image), uint32_t(image.size()), uint32_t(strings.size())), 1);
    }
    std::u16string Get(uint32_t id) {
        GString s;
        s.AssignWide(u"stale");
        const int found = install.GetString(id, s);
        EXPECT_TRUE(s.IsWide() || !found);
        return found ? Text(s) : u"<none:" + std::u16string(s.Length() ? u"not empty" : u"") + u">";
    }
    CInstall install;
};

TEST_F(CInstallLookup, UiLanguageThenCommonThenExtra) {
    EXPECT_EQ(Get(1), u"ui0 one");
    EXPECT_EQ(Get(2), u"ui0 two");
    EXPECT_EQ(Get(3), u"common three");
    EXPECT_EQ(Get(4), u"common four") << "no fallback to the other UI language";
    EXPECT_EQ(Get(6), u"extra six");
    EXPECT_EQ(Get(7), u"\u0416");
    EXPECT_EQ(Get(0x80000005u), u"ui0 top");
    EXPECT_EQ(Get(5), u"<none:>");
    EXPECT_EQ(Get(0), u"<none:>");

    ASSERT_EQ(install.SetUiLanguage(1), 1);
    EXPECT_EQ(Get(1), u"ui1 one");
    EXPECT_EQ(Get(2), u"<none:>");
    EXPECT_EQ(Get(4), u"ui1 four");
    EXPECT_EQ(install.SetUiLanguage(2), 0);
    EXPECT_EQ(install.UiLanguage, 1u);
    EXPECT_EQ(Get(1), u"ui1 one");
    install.UiLanguage = 7;  // set around SetUiLanguage: no UI table, never past the two
    EXPECT_EQ(Get(1), u"common one");
}

TEST_F(CInstallLookup, BaseLookupSkipsTheSmallTable) {
    EXPECT_NE(install.FindRecord(6), nullptr);
    EXPECT_EQ(install.CInstallBase::FindRecord(6), nullptr);
    EXPECT_NE(install.CInstallBase::FindRecord(3), nullptr);
}

TEST_F(CInstallLookup, DefaultLayoutVariantFollowsTheReferenceText) {
    const struct {
        const char *reference, *v0, *v1, *v2;
        int expected;
    } cases[] = {
        {"Prog", "Polish (Programmers)", "Polish (214)", "US", 0},
        {"214", "Polish (Programmers)", "Polish (214)", "US 214", 1},
        {"US", "Polish (Programmers)", "Polish (214)", "US", 2},
        {"none", "a", "b", "c", 0},
    };
    for (const auto& c : cases) {
        install.UiStrings[0].Release();
        Put(install.UiStrings[0], {{StrVariantReference, c.reference}, {StrVariant0, c.v0}, {StrVariant1, c.v1},
                                   {StrVariant2, c.v2}});
        install.LayoutVariant = -1;
        EXPECT_EQ(install.DecideLayoutVariant(), c.expected) << c.reference;
        EXPECT_EQ(install.LayoutVariant, c.expected);
        install.UiStrings[0].Release();
        Put(install.UiStrings[0], {{StrVariantReference, "US"}, {StrVariant2, "US"}});
        EXPECT_EQ(install.DecideLayoutVariant(), c.expected) << "a decided variant stays";
    }
}

TEST(CInstall, DecimalKeyVariantFollowsTheUserSeparator) {
    wchar_t separator[8] = {};
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8), 0);
    CInstall install;
    EXPECT_EQ(install.DecideDecimalKeyVariant(), std::wstring(separator) == L"," ? 0 : 1);
    install.DecimalKeyVariant = 0;
    EXPECT_EQ(install.DecideDecimalKeyVariant(), 0);
}

TEST(CInstall, KeyTableIsTheInstallersOwnCopy) {
    CInstall install;
    KeyEntry* leftShift = install.FindKey(0x2A);
    ASSERT_NE(leftShift, nullptr);
    EXPECT_EQ(leftShift->Vk, 0) << "assignments start cleared";
    EXPECT_EQ(leftShift->NameId, 280);
    EXPECT_EQ(install.FindKey(0), nullptr);
    leftShift->Vk = 0xA0;
    install.FindKey(0x3A)->Vk = 0xA2;
    EXPECT_EQ(install.NormaliseKeyTable(), 1);
    EXPECT_EQ(leftShift->Vk, 0);
    EXPECT_EQ(install.FindKey(0x3A)->Vk, 0xA2);
    EXPECT_EQ(FindKeyName(0x2A)->Vk, 0xA0) << "the constant table is untouched";
}

}  // namespace
