#pragma once
// A time-out on the system's 32-bit millisecond tick count, correct across
// the wrap of the counter.
#include <cstdint>

struct TRsTimeout {
    uint32_t StartTick = 0;
    uint32_t Limit = 0;

    void Start(uint32_t Milliseconds);
    void StartAt(uint32_t Tick, uint32_t Milliseconds);
    // True when more than Limit ms have passed since the start.
    bool Expired() const;
    bool ExpiredAt(uint32_t Tick) const;
    // Milliseconds left before it expires; 0 once expired.
    uint32_t Remaining() const;
    uint32_t RemainingAt(uint32_t Tick) const;
};
