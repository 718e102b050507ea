#pragma once
// Clocks: a millisecond tick count, a high-resolution counter, sleeping and
// the local wall-clock time.
#include <cstdint>

// Milliseconds since an arbitrary start (the system boot), on a monotonic
// clock. 32 bits: wraps to 0 after about 49.7 days.
uint32_t GetTickCount();
// Milliseconds elapsed from tick count `from` to tick count `to`, correct
// across one wrap of the counter.
uint32_t TicksBetween(uint32_t from, uint32_t to);

// A monotonic counter of QueryPerformanceFrequency() units per second.
int64_t QueryPerformanceCounter();
int64_t QueryPerformanceFrequency();

void Sleep(uint32_t milliseconds);

struct TSystemTime {
    uint16_t Year;
    uint16_t Month;      // 1..12
    uint16_t DayOfWeek;  // 0 = Sunday .. 6 = Saturday
    uint16_t Day;        // 1..31
    uint16_t Hour;
    uint16_t Minute;
    uint16_t Second;
    uint16_t Milliseconds;
};

void GetLocalTime(TSystemTime& time);
