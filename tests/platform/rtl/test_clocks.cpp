#include "platform/rtl/clocks.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

TEST(Clocks, TicksBetweenAcrossTheWrap)
{
    struct Case {
        uint32_t from;
        uint32_t to;
        uint32_t expected;
    };
    const Case cases[] = {
        {100, 250, 150},
        {5, 5, 0},
        {0xFFFFFFFFu, 0, 1},
        {0xFFFFFF00u, 0x10, 0x110},
        {1, 0, 0xFFFFFFFFu},  // a full lap minus one
    };
    for (const Case& c : cases)
        EXPECT_EQ(TicksBetween(c.from, c.to), c.expected) << c.from << " -> " << c.to;
}

TEST(Clocks, PerformanceCounterIsMonotonic)
{
    ASSERT_GT(QueryPerformanceFrequency(), 0);
    int64_t previous = QueryPerformanceCounter();
    for (int i = 0; i < 10000; ++i) {
        const int64_t now = QueryPerformanceCounter();
        ASSERT_GE(now, previous);
        previous = now;
    }
    // Sleep waits at least as long as asked, so the counters move on.
    const uint32_t ticks = GetTickCount();
    Sleep(2);
    EXPECT_GE(QueryPerformanceCounter() - previous, 2 * QueryPerformanceFrequency() / 1000);
    EXPECT_GE(TicksBetween(ticks, GetTickCount()), 1u);
}

TEST(Clocks, LocalTimeFieldsAreConsistent)
{
    TSystemTime time{};
    GetLocalTime(time);
    EXPECT_GE(time.Year, 2000);
    EXPECT_GE(time.Month, 1);
    EXPECT_LE(time.Month, 12);
    EXPECT_LE(time.Hour, 23);
    EXPECT_LE(time.Minute, 59);
    EXPECT_LE(time.Second, 60);
    EXPECT_LE(time.Milliseconds, 999);

    using namespace std::chrono;
    const year_month_day date{year(time.Year), month(time.Month), day(time.Day)};
    ASSERT_TRUE(date.ok());
    EXPECT_EQ(time.DayOfWeek, weekday(sys_days(date)).c_encoding());
}

}  // namespace
