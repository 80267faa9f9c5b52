// The number entry's conversion rule and caption.
#include "kwui/dialogs.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(DialogsInputNumber, OutOfRangeAndNonNumbersKeepTheValueAndTheCaptionNamesTheRange)
{
    int value = 17;
    // "abc" reads as 0; a huge number must not wrap into range.
    for (const char* refused : {"0", "abc", "101", "99999999999"}) {
        EXPECT_FALSE(KW_ApplyNumberInput(refused, 1, 100, value)) << refused;
        EXPECT_EQ(value, 17) << refused;
    }
    for (const auto& [text, min, max, result] : {std::tuple{"100", 1, 100, 100}, {"-7", -10, 10, -7}}) {
        EXPECT_TRUE(KW_ApplyNumberInput(text, min, max, value)) << text;
        EXPECT_EQ(value, result) << text;
    }
    EXPECT_EQ(KW_NumberCaption("", 1, 100), "Enter a new number (1 to 100)");
    EXPECT_EQ(KW_NumberCaption("100% sure", -5, 5), "100% sure (-5 to 5)");
}
