// GString handed to and filled by real Win32 interfaces.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "system/Win32Text.h"
#include "text/GString.h"

namespace {

TEST(Win32Text, WindowsReadsAndWritesGStrings) {
    GString name, value;
    name.AssignWide(u"FONETIKA_TEXT_PROBE");
    value.AssignNarrow("Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 \xD0\xB3\xD1\x8D\xC5\x82\xD1\x8C");  // UTF-8 in
    ASSERT_NE(value.ToWide(), nullptr);
    ASSERT_TRUE(SetEnvironmentVariableW(AsWin32(name), AsWin32(value)));

    GString read;
    read.AssignWide(u"=>");
    const DWORD needed = GetEnvironmentVariableW(AsWin32(name), nullptr, 0);
    ASSERT_GT(needed, 0u);
    wchar_t* out = AsWin32(read.WideBuffer(static_cast<int>(needed)));
    ASSERT_NE(out, nullptr);
    const DWORD written = GetEnvironmentVariableW(AsWin32(name), out, needed);
    ASSERT_EQ(written, needed - 1);
    ASSERT_EQ(read.SetLength(read.Length() + static_cast<int>(written)), 1);
    EXPECT_EQ(std::u16string(read.WideAt(0)), u"=>Zażółć гэłь");

    // Zero-terminated by Windows: a negative length finds the end itself.
    GString measured;
    wchar_t* again = AsWin32(measured.WideBuffer(static_cast<int>(needed)));
    ASSERT_NE(again, nullptr);
    GetEnvironmentVariableW(AsWin32(name), again, needed);
    ASSERT_EQ(measured.SetLength(-1), 1);
    EXPECT_TRUE(measured == value);
}

}  // namespace
