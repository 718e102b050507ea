#include "platform/ui/repeattimer.h"

#include <QTimer>

#include "platform/ui/qtsignals.h"

namespace {

// Ticks from the event loop: one Qt timer per started id.
class TEventLoopTimerClock : public TTimerClock {
public:
    int Start(unsigned Interval, std::function<void()> Tick) override
    {
        auto timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [Tick = std::move(Tick)] { Guarded(nullptr, Tick); });
        timer->start(static_cast<int>(Interval));
        const int id = FNextId++;
        FTimers.emplace(id, std::move(timer));
        return id;
    }

    void Stop(int Id) override
    {
        const auto it = FTimers.find(Id);
        if (it == FTimers.end())
            return;
        // A tick may stop its own timer: let the event loop free it.
        it->second->stop();
        it->second.release()->deleteLater();
        FTimers.erase(it);
    }

private:
    std::map<int, std::unique_ptr<QTimer>> FTimers;
    int FNextId = 1;
};

TTimerClock* InstalledClock = nullptr;

} // namespace

TTimerClock& CurrentTimerClock()
{
    static TEventLoopTimerClock eventLoopClock;
    return InstalledClock ? *InstalledClock : eventLoopClock;
}

void SetTimerClock(TTimerClock* Clock)
{
    InstalledClock = Clock;
}

int TManualTimerClock::Start(unsigned Interval, std::function<void()> Tick)
{
    const int id = FNextId++;
    FEntries.emplace(id, TEntry{Interval, FNow + Interval, std::move(Tick)});
    return id;
}

void TManualTimerClock::Stop(int Id)
{
    FEntries.erase(Id);
}

void TManualTimerClock::Advance(unsigned Milliseconds)
{
    const unsigned end = FNow + Milliseconds;
    for (;;) {
        // The earliest due entry at or before the end; ties by start order.
        int next = 0;
        unsigned due = end + 1;
        for (const auto& [id, entry] : FEntries)
            if (entry.Interval > 0 && entry.Due <= end && entry.Due < due) {
                next = id;
                due = entry.Due;
            }
        if (next == 0)
            break;
        FNow = due;
        TEntry& entry = FEntries.at(next);
        entry.Due += entry.Interval;
        const std::function<void()> tick = entry.Tick;
        tick();
    }
    FNow = end;
}

TRepeatTimer::~TRepeatTimer()
{
    Stop();
}

void TRepeatTimer::Start(unsigned Interval)
{
    Stop();
    FInterval = Interval;
    FClock = &CurrentTimerClock();
    FId = FClock->Start(Interval, [this] {
        if (FOnTimer)
            FOnTimer();
    });
}

void TRepeatTimer::Stop()
{
    if (FId != 0)
        FClock->Stop(FId);
    FId = 0;
}

void TRepeatTimer::SetInterval(unsigned Value)
{
    if (Value == FInterval)
        return;
    FInterval = Value;
    if (Running())
        Start(Value);
}
