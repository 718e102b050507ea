#include "serial/rsutils.h"

#include "platform/rtl/clocks.h"

void TRsTimeout::Start(uint32_t Milliseconds)
{
    StartAt(GetTickCount(), Milliseconds);
}

void TRsTimeout::StartAt(uint32_t Tick, uint32_t Milliseconds)
{
    StartTick = Tick;
    Limit = Milliseconds;
}

bool TRsTimeout::Expired() const
{
    return ExpiredAt(GetTickCount());
}

bool TRsTimeout::ExpiredAt(uint32_t Tick) const
{
    return TicksBetween(StartTick, Tick) > Limit;
}

uint32_t TRsTimeout::Remaining() const
{
    return RemainingAt(GetTickCount());
}

uint32_t TRsTimeout::RemainingAt(uint32_t Tick) const
{
    const uint32_t elapsed = TicksBetween(StartTick, Tick);
    return elapsed >= Limit ? 0 : Limit - elapsed;
}
