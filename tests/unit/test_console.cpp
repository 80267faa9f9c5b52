// The message console keeps at most nine recent lines.
#include "kwui/console.h"
#include "kwui/core.h"

#include <gtest/gtest.h>

TEST(Console, KeepsNineLinesCutsLongOnesAndSkipsEmptyFormats)
{
    KW_ClearConsole();
    kwInitialised = false;  // KW_Message only writes while the toolkit is up
    KW_Message("too early");
    EXPECT_TRUE(kwConsoleLines.empty());

    // Down again, console empty, however the test ends.
    struct ToolkitUp {
        ToolkitUp() { kwInitialised = true; }
        ~ToolkitUp()
        {
            KW_ClearConsole();
            kwInitialised = false;
        }
    } up;
    kwConsoleMaxLines = 10;
    KW_Message("Loaded map from %s", "base/maps/a.map");
    KW_Message("Loaded map from %s", "base/maps/a.map");
    ASSERT_EQ(kwConsoleLines.size(), 2u) << "identical messages give two lines";
    EXPECT_EQ(kwConsoleLines[1].text, "Loaded map from base/maps/a.map");

    KW_ClearConsole();
    for (int i = 1; i <= 10; ++i) KW_Message("line %d", i);
    ASSERT_EQ(kwConsoleLines.size(), 9u);
    EXPECT_EQ(kwConsoleLines.front().text, "line 2");
    EXPECT_EQ(kwConsoleLines.back().text, "line 10");

    KW_ClearConsole();
    KW_Message("%s", "");
    KW_Message("%s", "100% cut");
    KW_Message("%s", std::string(5000, 'x').c_str());
    void (*message)(const char*, ...) = &KW_Message;  // an empty format, as a caller might pass one
    message("");
    ASSERT_EQ(kwConsoleLines.size(), 3u) << "only an empty format string is skipped";
    EXPECT_EQ(kwConsoleLines[1].text, "100% cut");
    EXPECT_EQ(kwConsoleLines[2].text.size(), 1023u) << "long messages are cut, not overflowed";
}
