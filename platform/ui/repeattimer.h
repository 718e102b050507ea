#pragma once
// A timer for repeating an action while a button or key is held. Its ticks
// come from the current timer clock: the event loop's by default; tests
// install a manual clock and advance it, so they never sleep.
#include <functional>
#include <map>
#include <memory>

class QTimer;

// Where repeat timers get their ticks.
class TTimerClock {
public:
    virtual ~TTimerClock() = default;
    // Calls Tick every Interval ms from now on until Stop; returns the id.
    virtual int Start(unsigned Interval, std::function<void()> Tick) = 0;
    virtual void Stop(int Id) = 0;
};

// The clock in use; SetTimerClock(nullptr) returns to the event loop's.
TTimerClock& CurrentTimerClock();
void SetTimerClock(TTimerClock* Clock);

// A clock that moves only when told.
class TManualTimerClock : public TTimerClock {
public:
    int Start(unsigned Interval, std::function<void()> Tick) override;
    void Stop(int Id) override;
    // Moves time on by Milliseconds, firing every tick that falls due, in
    // time order.
    void Advance(unsigned Milliseconds);
    unsigned Now() const { return FNow; }

private:
    struct TEntry {
        unsigned Interval;
        unsigned Due;
        std::function<void()> Tick;
    };
    std::map<int, TEntry> FEntries;
    unsigned FNow = 0;
    int FNextId = 1;
};

// Started with an interval, it calls OnTimer every Interval ms until
// stopped; changing the interval while running restarts the count.
class TRepeatTimer {
public:
    TRepeatTimer() = default;
    TRepeatTimer(const TRepeatTimer&) = delete;
    TRepeatTimer& operator=(const TRepeatTimer&) = delete;
    ~TRepeatTimer();

    void Start(unsigned Interval);
    void Stop();
    bool Running() const { return FId != 0; }
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned Value);

    const std::function<void()>& OnTimer() const { return FOnTimer; }
    void SetOnTimer(std::function<void()> Value) { FOnTimer = std::move(Value); }

private:
    TTimerClock* FClock = nullptr;
    int FId = 0;
    unsigned FInterval = 0;
    std::function<void()> FOnTimer;
};
