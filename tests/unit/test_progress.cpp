// Progress bar: how far the bar fills and when it may be redrawn.
#include "kwui/progress.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Progress, FillAndPercentFollowTheShareDoneAndStayInsideTheTrough)
{
    const struct {
        double done;
        int fill, percent;
    } cases[] = {{-0.5, 0, 0}, {0.0, 0, 0}, {0.004, 1, 0}, {0.5, 233, 50}, {0.999, 465, 99},
                 {1.0, 466, 100}, {3.0, 466, 100}, {std::nan(""), 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(KW_ProgressFill(c.done, 466), c.fill) << c.done;
        EXPECT_EQ(KW_ProgressPercent(c.done), c.percent) << c.done;
    }
    EXPECT_EQ(KW_ProgressFill(0.5, -4), 0);
}

TEST(Progress, ShowsOnlyAfterTheDelayThenAtMostOncePerInterval)
{
    const double started = 100.0, delay = 0.2, interval = 0.05;
    EXPECT_FALSE(KW_ProgressDue(100.19, started, -1.0, delay, interval));  // a quick job never shows
    EXPECT_TRUE(KW_ProgressDue(100.21, started, -1.0, delay, interval));
    EXPECT_FALSE(KW_ProgressDue(100.25, started, 100.21, delay, interval));
    EXPECT_TRUE(KW_ProgressDue(100.27, started, 100.21, delay, interval));
    EXPECT_TRUE(KW_ProgressDue(107.0, started, 100.27, delay, interval));
}
