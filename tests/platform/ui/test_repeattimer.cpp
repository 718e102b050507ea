// Repeat timers on a manual clock: tick order, interval changes, stopping
// from inside a tick.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/repeattimer.h"

namespace {

class RepeatTimer : public ::testing::Test {
protected:
    void SetUp() override { SetTimerClock(&Clock); }
    void TearDown() override { SetTimerClock(nullptr); }
    TManualTimerClock Clock;
};

TEST_F(RepeatTimer, TicksOfSeveralTimersComeInTimeOrder)
{
    std::vector<std::string> log;
    TRepeatTimer fast, slow;
    fast.SetOnTimer([&] { log.push_back("fast@" + std::to_string(Clock.Now())); });
    slow.SetOnTimer([&] { log.push_back("slow@" + std::to_string(Clock.Now())); });
    fast.Start(30);
    slow.Start(50);
    Clock.Advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"fast@30", "slow@50", "fast@60", "fast@90", "slow@100"}));
    EXPECT_EQ(Clock.Now(), 100u);
}

TEST_F(RepeatTimer, ChangingTheIntervalInATickRestartsTheCount)
{
    std::vector<unsigned> ticks;
    TRepeatTimer timer;
    timer.SetOnTimer([&] {
        ticks.push_back(Clock.Now());
        timer.SetInterval(100);
        if (ticks.size() == 3)
            timer.Stop();
    });
    timer.Start(400);
    Clock.Advance(1000);
    EXPECT_EQ(ticks, (std::vector<unsigned>{400, 500, 600}));
    EXPECT_FALSE(timer.Running());
}

TEST_F(RepeatTimer, DestroyedTimerNoLongerTicks)
{
    int ticks = 0;
    {
        TRepeatTimer timer;
        timer.SetOnTimer([&] { ++ticks; });
        timer.Start(10);
        Clock.Advance(25);
    }
    Clock.Advance(100);
    EXPECT_EQ(ticks, 2);
}

} // namespace
