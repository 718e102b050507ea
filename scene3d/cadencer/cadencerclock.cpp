#include "scene3d/cadencer/cadencerclock.h"

#include "platform/rtl/clocks.h"
#include "platform/rtl/datetime.h"
#include "scene3d/utils/crossplatform.h"

namespace {

class TSystemCadencerClock : public T3DCadencerClock {
public:
    TSystemCadencerClock()
    {
        if (!ReadPerformanceFrequency(FFrequency))
            FFrequency = 0;
    }
    int64_t Counter() override
    {
        int64_t counter = 0;
        ReadPerformanceCounter(counter);
        return counter;
    }
    int64_t Frequency() override { return FFrequency; }
    double DateTime() override { return Now(); }
    uint32_t TickCount() override { return GetTickCount(); }
    void Sleep(unsigned Milliseconds) override { ::Sleep(Milliseconds); }

private:
    // Read once, as it never changes.
    int64_t FFrequency = 0;
};

T3DCadencerClock* InstalledClock = nullptr;

} // namespace

T3DCadencerClock& CurrentCadencerClock()
{
    static TSystemCadencerClock systemClock;
    return InstalledClock ? *InstalledClock : systemClock;
}

void SetCadencerClock(T3DCadencerClock* Clock)
{
    InstalledClock = Clock;
}
