// The 60-tick frame timer, the date-time record and the hundredths stopwatch.
#pragma once

#include <cstdint>

// Wall-clock date and time (UTC) as the toolkit's stopwatch records it.
struct KW_DateTime {
    uint8_t day = 0;
    uint8_t month = 0;
    uint16_t year = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint8_t hundredths = 0;
};

void KW_GetDateTime(KW_DateTime& record);
// Hundredths of a second from 'from' to 'to', ignoring the date.
int KW_HundredthsBetween(const KW_DateTime& from, const KW_DateTime& to);
// True (and the stamp set to now) when at least n hundredths lie between the
// stamp and now.
bool KW_TimeElapsed(KW_DateTime& stamp, int hundredths);
bool KW_TimeElapsedAt(KW_DateTime& stamp, int hundredths, const KW_DateTime& now);

// Frame timer: 'last' is in milliseconds of the frame clock.
struct KW_FrameTimer {
    int64_t last = 0;
    float target = 0.0f;
    float done = 0.0f;
};

using KW_ClockFn = int64_t (*)();
// The frame clock (a monotonic millisecond clock); tests inject their own.
void KW_SetFrameClock(KW_ClockFn clock);
int64_t KW_FrameClock();

void KW_StartTimer(KW_FrameTimer& timer);
bool KW_TimerTickOf(KW_FrameTimer& timer, int tickRate);
// The global frame timer, polled once per frame by every screen.
void KW_StartFrameTimer();
bool KW_TimerTick();
// Waits for the next tick, resting about a millisecond between polls.
void KW_WaitForTick();
