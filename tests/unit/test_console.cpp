// The message console keeps at most nine recent lines.
#include "kwui/console.h"
#include "kwui/core.h"

#include <gtest/gtest.h>

namespace {
// KW_Message only writes while the toolkit is up; pretend it is.
struct ConsoleScope {
    ConsoleScope() { kwInitialised = true; KW_ClearConsole(); kwConsoleMaxLines = 10; }
    ~ConsoleScope() { KW_ClearConsole(); kwInitialised = false; }
};
}  // namespace

TEST(Console, IdenticalMessagesGiveTwoLines)
{
    ConsoleScope scope;
    KW_Message("Loaded map from %s", "base/maps/a.map");
    KW_Message("Loaded map from %s", "base/maps/a.map");
    ASSERT_EQ(kwConsoleLines.size(), 2u);
    EXPECT_EQ(kwConsoleLines[1].text, "Loaded map from base/maps/a.map");
}

TEST(Console, TheTenthMessagePushesTheOldestOut)
{
    ConsoleScope scope;
    for (int i = 1; i <= 10; ++i) KW_Message("line %d", i);
    ASSERT_EQ(kwConsoleLines.size(), 9u);
    EXPECT_EQ(kwConsoleLines.front().text, "line 2");
    EXPECT_EQ(kwConsoleLines.back().text, "line 10");
}

TEST(Console, EmptyFormatAddsNothingAndPercentSignsSurvive)
{
    ConsoleScope scope;
    KW_Message("%s", "");
    KW_Message("%s", "100% cut");
    ASSERT_EQ(kwConsoleLines.size(), 2u) << "only an empty format string is skipped";
    EXPECT_EQ(kwConsoleLines[1].text, "100% cut");
    KW_ClearConsole();
    void (*message)(const char*, ...) = &KW_Message;  // an empty format, as a caller might pass one
    message("");
    EXPECT_TRUE(kwConsoleLines.empty());
}

TEST(Console, NothingIsAddedBeforeTheToolkitIsUp)
{
    KW_ClearConsole();
    kwInitialised = false;
    KW_Message("too early");
    EXPECT_TRUE(kwConsoleLines.empty());
}

TEST(Console, LongMessagesAreCutNotOverflowed)
{
    ConsoleScope scope;
    const std::string big(5000, 'x');
    KW_Message("%s", big.c_str());
    ASSERT_EQ(kwConsoleLines.size(), 1u);
    EXPECT_EQ(kwConsoleLines[0].text.size(), 1023u);
}
