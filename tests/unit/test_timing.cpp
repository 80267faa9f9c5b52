// Frame timer pacing and the hundredths stopwatch.
#include "kwui/timing.h"

#include <gtest/gtest.h>

namespace {
int64_t gFakeNow = 0;
int64_t FakeClock() { return gFakeNow; }

// Polls the timer every millisecond for 'ms' milliseconds; counts the trues.
int CountTicks(KW_FrameTimer& timer, int ms)
{
    int ticks = 0;
    for (int i = 0; i < ms; ++i) {
        gFakeNow += 1;
        ticks += KW_TimerTickOf(timer, 60);
    }
    return ticks;
}

KW_DateTime At(uint8_t minute, uint8_t second, uint8_t hundredths)
{
    return KW_DateTime{0, 0, 0, 10, minute, second, hundredths};
}
}  // namespace

TEST(FrameTimer, NoTickUntilMoreThanOneIsPendingSixtyASecondAndAStallGivesOneTick)
{
    KW_SetFrameClock(&FakeClock);
    gFakeNow = 1000;
    KW_FrameTimer timer;
    KW_StartTimer(timer);
    gFakeNow += 16;  // 0.96 of a tick
    EXPECT_FALSE(KW_TimerTickOf(timer, 60));
    gFakeNow += 17;  // now about 1.98 ticks pending
    EXPECT_TRUE(KW_TimerTickOf(timer, 60));
    EXPECT_NEAR(CountTicks(timer, 1000), 60, 1);
    gFakeNow += 200;  // a stall: twelve ticks behind
    EXPECT_TRUE(KW_TimerTickOf(timer, 60));
    EXPECT_FALSE(KW_TimerTickOf(timer, 60)) << "the backlog must be dropped, not caught up";
    EXPECT_NEAR(CountTicks(timer, 1000), 60, 1) << "normal pacing after the stall";
    KW_SetFrameClock(nullptr);
}

TEST(Stopwatch, CountsHundredthsAcrossBoundariesAndFiresOnceTheIntervalHasPassed)
{
    EXPECT_EQ(KW_HundredthsBetween(At(0, 59, 90), At(1, 0, 10)), 20);
    EXPECT_EQ(KW_HundredthsBetween(At(0, 1, 0), At(0, 0, 0)), -100);
    KW_DateTime stamp = At(0, 59, 90);
    EXPECT_FALSE(KW_TimeElapsedAt(stamp, 50, At(1, 0, 30)));
    EXPECT_EQ(stamp.second, 59) << "a miss leaves the stamp alone";
    EXPECT_TRUE(KW_TimeElapsedAt(stamp, 50, At(1, 0, 40)));
    EXPECT_EQ(stamp.hundredths, 40);
}
