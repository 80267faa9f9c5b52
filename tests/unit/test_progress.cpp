// Progress bar: how far the bar fills and when it may be redrawn.
#include "kwui/progress.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Progress, FillAndPercentStayInsideTheTroughAndShowOnlyAfterTheDelayAtMostOncePerInterval)
{
    const struct { double done; int fill, percent; } cases[] = {
        {-0.5, 0, 0}, {0.004, 1, 0}, {0.999, 465, 99}, {1.0, 466, 100}, {3.0, 466, 100}, {std::nan(""), 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(KW_ProgressFill(c.done, 466), c.fill) << c.done;
        EXPECT_EQ(KW_ProgressPercent(c.done), c.percent) << c.done;
    }
    EXPECT_FALSE(KW_ProgressDue(100.19, 100.0, -1.0, 0.2, 0.05)) << "a quick job never shows";
    EXPECT_TRUE(KW_ProgressDue(100.21, 100.0, -1.0, 0.2, 0.05));
    EXPECT_FALSE(KW_ProgressDue(100.25, 100.0, 100.21, 0.2, 0.05));
    EXPECT_TRUE(KW_ProgressDue(100.27, 100.0, 100.21, 0.2, 0.05));
}
