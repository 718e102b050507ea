#include "platform/comm/commwait.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>

int CreateEventHandle()
{
    return eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

int SignalEventHandle(int Handle)
{
    const uint64_t one = 1;
    // A full counter (EAGAIN) is signalled already.
    if (write(Handle, &one, sizeof one) == sizeof one || errno == EAGAIN)
        return 0;
    return errno;
}

int ResetEventHandle(int Handle)
{
    uint64_t count = 0;
    if (read(Handle, &count, sizeof count) == sizeof count || errno == EAGAIN)
        return 0;
    return errno;
}

int WaitForHandles(std::span<pollfd> Handles, int TimeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(TimeoutMs < 0 ? 0 : TimeoutMs);
    for (;;) {
        int wait = TimeoutMs;
        if (TimeoutMs > 0) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            wait = left > 0 ? static_cast<int>(left) : 0;
        }
        const int ready = poll(Handles.data(), Handles.size(), wait);
        if (ready >= 0 || errno != EINTR)
            return ready;
    }
}
