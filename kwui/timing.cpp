// The frame timer, the UTC date-time record and the hundredths stopwatch.
#include "kwui/timing.h"

#include "kwui/core.h"
#include "platform/platform.h"

#include <allegro5/allegro.h>

#include <cstdlib>

void KW_SetFrameClock(KW_ClockFn clock) { kwContext.frameClock = clock; }
int64_t KW_FrameClock() { return kwContext.frameClock ? kwContext.frameClock() : PlatformMillis(); }

void KW_GetDateTime(KW_DateTime& record)
{
    const PlatformDateTime now = PlatformUtcNow();
    record.day = static_cast<uint8_t>(now.day);
    record.month = static_cast<uint8_t>(now.month);
    record.year = static_cast<uint16_t>(now.year);
    record.hour = static_cast<uint8_t>(now.hour);
    record.minute = static_cast<uint8_t>(now.minute);
    record.second = static_cast<uint8_t>(now.second);
    record.hundredths = static_cast<uint8_t>(now.millisecond / 10);
}

int KW_HundredthsBetween(const KW_DateTime& from, const KW_DateTime& to)
{
    return (((to.hour - from.hour) * 60 + to.minute - from.minute) * 60 + to.second - from.second) * 100 +
           to.hundredths - from.hundredths;
}

bool KW_TimeElapsedAt(KW_DateTime& stamp, int hundredths, const KW_DateTime& now)
{
    if (std::abs(KW_HundredthsBetween(stamp, now)) >= hundredths) {
        stamp = now;
        return true;
    }
    return false;
}

bool KW_TimeElapsed(KW_DateTime& stamp, int hundredths)
{
    KW_DateTime now;
    KW_GetDateTime(now);
    return KW_TimeElapsedAt(stamp, hundredths, now);
}

void KW_StartTimer(KW_FrameTimer& timer)
{
    timer.last = KW_FrameClock();
    timer.target = 0.0f;
    timer.done = 0.0f;
}

bool KW_TimerTickOf(KW_FrameTimer& timer, int tickRate)
{
    const int64_t now = KW_FrameClock();
    const int64_t elapsed = now - timer.last;
    timer.last = now;
    timer.target += static_cast<float>(elapsed) / 1000.0f * static_cast<float>(tickRate);

    if (timer.done > timer.target) KW_StartTimer(timer);

    const float pending = timer.target - timer.done;
    if (pending <= 1.0f) return false;
    if (pending <= 5.0f) {
        timer.done += 1.0f;
        return true;
    }
    // Far behind (a stall): drop the backlog and go on at once.
    KW_StartTimer(timer);
    return true;
}

void KW_StartFrameTimer() { KW_StartTimer(kwContext.frameTimer); }

bool KW_TimerTick() { return KW_TimerTickOf(kwContext.frameTimer, kwTickRate); }

void KW_WaitForTick()
{
    // One rest until the tick is due rather than a wake-up every millisecond:
    // an idle screen's waiting is most of its cost.
    const KW_FrameTimer& timer = kwContext.frameTimer;
    while (!KW_TimerTick()) {
        const double due = (timer.done + 1.0f - timer.target) / static_cast<double>(kwTickRate);
        al_rest(due > 0.0015 ? due - 0.0005 : 0.001);
    }
}
