// Frame timer pacing (the stopwatch is tested through the list box's double click).
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
