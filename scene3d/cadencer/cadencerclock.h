#pragma once
// Where cadencers read time: the high-resolution counter, the wall clock,
// the millisecond tick count, and sleeping. Tests put a clock of their own
// in place, so they never wait.
#include <cstdint>

class T3DCadencerClock {
public:
    virtual ~T3DCadencerClock() = default;
    // Counter units since an arbitrary start.
    virtual int64_t Counter() = 0;
    // Counter units per second; 0 when there is no counter.
    virtual int64_t Frequency() = 0;
    // The local date and time, in days (TDateTime).
    virtual double DateTime() = 0;
    // Milliseconds since an arbitrary start.
    virtual uint32_t TickCount() = 0;
    virtual void Sleep(unsigned Milliseconds) = 0;
};

// The clock in use; SetCadencerClock(nullptr) returns to the system's.
T3DCadencerClock& CurrentCadencerClock();
void SetCadencerClock(T3DCadencerClock* Clock);
