#include "platform/rtl/clocks.h"

#include <chrono>
#include <ctime>
#include <thread>

uint32_t GetTickCount()
{
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

uint32_t TicksBetween(uint32_t from, uint32_t to)
{
    // Unsigned subtraction is modulo 2^32, which is exactly one wrap.
    return to - from;
}

int64_t QueryPerformanceCounter()
{
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count();
}

int64_t QueryPerformanceFrequency()
{
    return 1'000'000'000;
}

void Sleep(uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void GetLocalTime(TSystemTime& time)
{
    const auto now = std::chrono::system_clock::now();
    const auto sinceEpoch = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch)));
    std::tm local{};
    localtime_r(&seconds, &local);
    time.Year = static_cast<uint16_t>(local.tm_year + 1900);
    time.Month = static_cast<uint16_t>(local.tm_mon + 1);
    time.DayOfWeek = static_cast<uint16_t>(local.tm_wday);
    time.Day = static_cast<uint16_t>(local.tm_mday);
    time.Hour = static_cast<uint16_t>(local.tm_hour);
    time.Minute = static_cast<uint16_t>(local.tm_min);
    time.Second = static_cast<uint16_t>(local.tm_sec);
    time.Milliseconds = static_cast<uint16_t>(sinceEpoch.count() % 1000);
}
