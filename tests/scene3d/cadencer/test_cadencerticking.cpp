// Cadencers ticking from the event loop: which ones tick, the pass over all
// of them, the pause when ticks come too fast, idle time, and cadencers that
// raise or are freed in their own progress.
#include <QCoreApplication>

#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "scene3d/base/engineassert.h"
#include "tests/scene3d/cadencer/cadencertesting.h"
#include "tests/support/waitingloop.h"

namespace {

class CadencerTicking : public CadencerTest {
protected:
    // A cadencer in Mode that counts its ticks.
    T3DCadencer& Counting(T3DCadencerMode Mode, int& Ticks)
    {
        T3DCadencer& cadencer = NewCadencer(Mode);
        cadencer.SetOnProgress([&Ticks](TObject*, double, double) { ++Ticks; });
        return cadencer;
    }
};

struct TArmingCase {
    const char* Name;
    T3DCadencerMode Mode;
    bool WithScene;
    bool Enabled;
    bool Designing;
    bool TicksOnTheLoop;
    bool TicksWhenIdle;
};

const TArmingCase ArmingCases[] = {
    {"AsSoonAsPossible", cmASAP, true, true, false, true, false},
    {"WhenIdle", cmApplicationIdle, true, true, false, false, true},
    {"Manual", cmManual, true, true, false, false, false},
    {"AsSoonAsPossibleWithoutScene", cmASAP, false, true, false, false, false},
    {"WhenIdleWithoutScene", cmApplicationIdle, false, true, false, false, false},
    {"Disabled", cmASAP, true, false, false, false, false},
    {"DisabledWhenIdle", cmApplicationIdle, true, false, false, false, false},
    {"Designing", cmASAP, true, true, true, false, false},
};

TEST_F(CadencerTicking, OnlyAnEnabledCadencerWithASceneInATickingModeTicks)
{
    for (const TArmingCase& c : ArmingCases) {
        SCOPED_TRACE(c.Name);
        int ticks = 0;
        auto* cadencer = new T3DCadencer(Owner.get());
        cadencer->SetDesigning(c.Designing);
        cadencer->SetOnProgress([&ticks](TObject*, double, double) { ++ticks; });
        cadencer->SetEnabled(c.Enabled);
        cadencer->SetMode(c.Mode);
        if (c.WithScene)
            cadencer->SetScene(Scene);
        Pump();
        EXPECT_EQ(ticks > 0, c.TicksOnTheLoop) << ticks << " ticks";
        EXPECT_EQ(static_cast<bool>(Application->OnIdle()), c.TicksWhenIdle);
        delete cadencer;
        EXPECT_FALSE(Application->OnIdle());
    }
}

TEST_F(CadencerTicking, EachPassTicksEveryCadencerOnce)
{
    int first = 0, second = 0;
    Counting(cmASAP, first);
    Pump(5);
    Counting(cmASAP, second);
    const int before = first;
    Pump(100);
    EXPECT_GT(second, 10);
    EXPECT_EQ(first - before, second);
}

TEST_F(CadencerTicking, TickingEndsWithTheLastCadencerAndStartsAgain)
{
    int ticks = 0;
    T3DCadencer& cadencer = Counting(cmASAP, ticks);
    Pump();
    EXPECT_GT(ticks, 0);
    cadencer.SetEnabled(false);
    ticks = 0;
    Pump();
    EXPECT_EQ(ticks, 0);
    cadencer.SetEnabled(true);
    Pump();
    EXPECT_GT(ticks, 0);
    cadencer.SetScene(nullptr);
    ticks = 0;
    Pump();
    EXPECT_EQ(ticks, 0);
}

// The scene freed under a ticking cadencer leaves it without one, and
// without ticks.
TEST_F(CadencerTicking, AFreedSceneStopsTheTicking)
{
    int ticks = 0;
    T3DCadencer& cadencer = Counting(cmASAP, ticks);
    Pump();
    delete Scene;
    EXPECT_EQ(cadencer.Scene(), nullptr);
    ticks = 0;
    Pump();
    EXPECT_EQ(ticks, 0);
}

// More than 5000 ticks within one millisecond (the fake clock stands
// still) and the loop waits for a 1 ms timer before the next pass.
TEST_F(CadencerTicking, TooManyTicksInOneMillisecondPauseTheLoop)
{
    int ticks = 0;
    Counting(cmASAP, ticks);
    for (int i = 0; i < 20 && ticks < 6000; ++i)
        Pump(1000);
    EXPECT_EQ(ticks, 5000);
    Timers.Advance(1);
    EXPECT_EQ(ticks, 5001);
    Pump(100);
    EXPECT_GT(ticks, 5001);
}

TEST_F(CadencerTicking, IdleTicksKeepTheLoopFromWaiting)
{
    int ticks = 0;
    Counting(cmApplicationIdle, ticks);
    EXPECT_TRUE(RunWaitingLoopUntil([&] { return ticks >= 5; }));
    EXPECT_EQ(ticks, 5);
}

TEST_F(CadencerTicking, ARaisingCadencerStopsAloneAndIsShownOnce)
{
    int good = 0, bad = 0;
    Counting(cmASAP, good);
    T3DCadencer& raising = NewCadencer(cmASAP);
    raising.SetOnProgress([&bad](TObject*, double, double) {
        ++bad;
        throw Exception("Сцена сломалась");
    });
    Pump(100);
    EXPECT_EQ(bad, 1);
    EXPECT_FALSE(raising.Enabled());
    EXPECT_EQ(Exceptions->Messages(), std::vector<std::string>{"Сцена сломалась"});
    EXPECT_GT(good, 10);
}

TEST_F(CadencerTicking, ACadencerFreedInItsOwnProgressIsReportedAndLeftAlone)
{
    int good = 0, freedTicks = 0;
    Counting(cmASAP, good);
    auto* freed = &NewCadencer(cmASAP);
    freed->SetOnProgress([&](TObject*, double, double) {
        ++freedTicks;
        delete freed;
    });
    Pump(100);
    EXPECT_EQ(freedTicks, 1);
    EXPECT_EQ(Exceptions->Messages(), std::vector<std::string>{AssertionFailureMessage});
    EXPECT_GT(good, 10);
}

TEST_F(CadencerTicking, ACadencerFreedWhileItStepsItsSceneIsReportedAndLeftAlone)
{
    T3DCadencer* freed = &NewCadencer(cmManual);
    bool onProgress = false;
    freed->SetOnProgress([&](TObject*, double, double) { onProgress = true; });
    Scene->SetOnProgress([&](TObject*, double, double) { delete freed; });
    Clock.Advance(0.5);
    freed->Progress();
    EXPECT_FALSE(onProgress);
    EXPECT_EQ(Exceptions->Messages(), std::vector<std::string>{AssertionFailureMessage});
}

// Time from the system's own clock moves on between ticks.
TEST_F(CadencerTicking, TheSystemClockMovesTimeOn)
{
    SetCadencerClock(nullptr);
    std::vector<double> times;
    T3DCadencer& cadencer = NewCadencer(cmASAP);
    cadencer.SetOnProgress([&](TObject*, double, double NewTime) { times.push_back(NewTime); });
    for (int i = 0; i < 100000 && (times.empty() || times.back() == times.front()); ++i)
        QCoreApplication::processEvents();
    ASSERT_GE(times.size(), 2u);
    EXPECT_GT(times.back(), times.front());
}

} // namespace
