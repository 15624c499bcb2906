// Lines sent to the debugger, read back through a replaced sink.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/host/TextTestSupport.h"
#include "text/DebugOutput.h"

namespace {

std::vector<std::u16string> g_lines;

void Collect(const char16_t* line) { g_lines.emplace_back(line); }

class DebugOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_lines.clear();
        previous_ = SetDebugSink(Collect);
    }
    void TearDown() override { SetDebugSink(previous_); }

private:
    DebugSink previous_ = nullptr;
};

std::u16string Alphabet(char16_t first, int count) {
    std::u16string text;
    for (int i = 0; i < count; ++i) text += static_cast<char16_t>(first + i % 26);
    return text;
}

TEST_F(DebugOutputTest, WideTextInLinesWithTheContinuationMark) {
    const std::u16string text = Alphabet(u'a', 200);
    GString s;
    s.AssignWide(text.c_str());
    s.DebugOutput(65535);
    ASSERT_EQ(g_lines.size(), 3u);
    EXPECT_EQ(g_lines[0], text.substr(0, 80) + u" \\\n");
    EXPECT_EQ(g_lines[1], text.substr(80, 80) + u" \\\n");
    EXPECT_EQ(g_lines[2], text.substr(160) + u"\n");

    g_lines.clear();
    s.DebugOutput(100);
    ASSERT_EQ(g_lines.size(), 2u);
    EXPECT_EQ(g_lines[0], text.substr(0, 80) + u" \\\n");
    EXPECT_EQ(g_lines[1], text.substr(80, 20) + u"\n");

    g_lines.clear();
    s.AssignWide(text.c_str(), 80);
    s.DebugOutput(65535);
    ASSERT_EQ(g_lines.size(), 1u);
    EXPECT_EQ(g_lines[0], text.substr(0, 80) + u"\n");

    g_lines.clear();
    s.AssignWide(text.c_str(), 160);
    s.DebugOutput(65535);
    ASSERT_EQ(g_lines.size(), 2u);
    EXPECT_EQ(g_lines[1], text.substr(80, 80) + u"\n");
}

TEST_F(DebugOutputTest, NarrowTextIsCutByCharactersAndDecoded) {
    const std::u16string text = Alphabet(u'\u0430', 100);  // two bytes each in UTF-8
    GString s;
    s.AssignWide(text.c_str());
    ASSERT_NE(s.ToNarrow(), nullptr);
    s.DebugOutput(65535);
    ASSERT_EQ(g_lines.size(), 2u);
    EXPECT_EQ(g_lines[0], text.substr(0, 80) + u" \\\n");
    EXPECT_EQ(g_lines[1], text.substr(80) + u"\n");
    EXPECT_FALSE(s.IsWide());  // the string itself is left as it was
}

TEST_F(DebugOutputTest, EmptyTextOrNoCharactersSendNothing) {
    GString s;
    s.DebugOutput(65535);
    s.AssignWide(u"abc");
    s.DebugOutput(0);
    EXPECT_TRUE(g_lines.empty());
}

}  // namespace
