// The installer object on the real platform: initial state, stages, releases.
#include <gtest/gtest.h>
#include <windows.h>

#include "control/CInstall.h"

namespace {

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
}

TEST(CInstall, StagesRunAndReleasesMayRepeat) {
    CInstall install;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ASSERT_EQ(install.Init(instance), 1);
    EXPECT_EQ(install.Instance, instance);
    EXPECT_EQ(install.Run(), 1);
    install.Finish();
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

}  // namespace
