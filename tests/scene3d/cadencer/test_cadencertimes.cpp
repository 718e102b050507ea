// The times a cadencer steps, on a clock that moves only when told: pauses,
// limits, fixed steps, the multiplier, sleeping, and the three clocks.
#include <functional>
#include <string>
#include <vector>

#include "scene3d/base/updateable.h"
#include "tests/scene3d/cadencer/cadencertesting.h"

namespace {

using TChange = std::function<void(T3DCadencer&)>;

// The change is made, the clock moves on, then one Progress steps what is
// expected.
struct TTick {
    TChange Change;
    double Advance;
    std::vector<TStepSeen> Expected;
};

struct TTimesCase {
    std::string Name;
    TChange Setup;
    std::vector<TTick> Ticks;
};

const TChange Disable = [](T3DCadencer& c) { c.SetEnabled(false); };
const TChange Enable = [](T3DCadencer& c) { c.SetEnabled(true); };

TChange Multiplier(double Value)
{
    return [Value](T3DCadencer& c) { c.SetTimeMultiplier(Value); };
}

const std::vector<TTimesCase> TimesCases = {
    {"ThreeSecondsDisabledDoNotCount",
     {},
     {{{}, 0.1, {{0.1, 0.1, 0.1}}}, {Disable, 3, {}}, {Enable, 0.05, {{0.05, 0.15, 0.15}}}}},
    {"MaxDeltaTimeCutsAStallAndDropsTheTimeLost",
     [](T3DCadencer& c) { c.SetMaxDeltaTime(0.1); },
     {{{}, 0.05, {{0.05, 0.05, 0.05}}}, {{}, 2, {{0.1, 0.15, 0.15}}}, {{}, 0.05, {{0.05, 0.2, 0.2}}}}},
    {"FixedDeltaTimeStepsInFixedSizesAndCarriesTheRest",
     [](T3DCadencer& c) { c.SetFixedDeltaTime(0.02); },
     {{{}, 0.01, {}}, {{}, 0.04, {{0.02, 0.02, 0.05}, {0.02, 0.04, 0.05}}}, {{}, 0.02, {{0.02, 0.06, 0.07}}}}},
    {"MultiplierZeroPausesAndTwoGoesOnFromThere",
     {},
     {{{}, 1, {{1, 1, 1}}}, {Multiplier(0), 5, {}}, {Multiplier(2), 0.5, {{1, 2, 2}}}}},
    {"MinDeltaTimeLeavesSoonerTicksAlone",
     [](T3DCadencer& c) { c.SetMinDeltaTime(0.5); },
     {{{}, 0.3, {}}, {{}, 0.3, {{0.6, 0.6, 0.6}}}, {{}, 0.4, {}}, {{}, 0.1, {{0.5, 1.1, 1.1}}}}},
    {"SleepLengthSleepsBeforeEachTick",
     [](T3DCadencer& c) { c.SetSleepLength(20); },
     {{{}, 0, {{0.02, 0.02, 0.02}}}, {{}, 0.1, {{0.12, 0.14, 0.14}}}}},
    {"WithoutASceneOnlyOnProgressIsCalled",
     [](T3DCadencer& c) { c.SetScene(nullptr); },
     {{{}, 0.25, {{0.25, 0, 0.25}}}}},
};

class CadencerTimes : public CadencerTest {
protected:
    void ExpectSteps(const std::vector<TStepSeen>& Expected)
    {
        const std::vector<TStepSeen> seen = TakeSteps();
        ASSERT_EQ(seen.size(), Expected.size()) << ::testing::PrintToString(seen);
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_NEAR(seen[i].Step, Expected[i].Step, 1e-9) << "step " << i;
            EXPECT_NEAR(seen[i].SceneTime, Expected[i].SceneTime, 1e-9) << "step " << i;
            EXPECT_NEAR(seen[i].NewTime, Expected[i].NewTime, 1e-9) << "step " << i;
        }
    }
};

TEST_F(CadencerTimes, StepsOfEachCase)
{
    for (const TTimesCase& c : TimesCases) {
        SCOPED_TRACE(c.Name);
        T3DCadencer& cadencer = NewCadencer(cmManual);
        if (c.Setup)
            c.Setup(cadencer);
        for (std::size_t i = 0; i < c.Ticks.size(); ++i) {
            SCOPED_TRACE("tick " + std::to_string(i));
            const TTick& tick = c.Ticks[i];
            if (tick.Change)
                tick.Change(cadencer);
            Clock.Advance(tick.Advance);
            cadencer.Progress();
            ExpectSteps(tick.Expected);
        }
        delete &cadencer;
    }
}

// The cadencer's time goes on without a jump when its clock changes, and
// reading it again without the clock moving gives the same time.
TEST_F(CadencerTimes, TimeStaysContinuousAcrossTimeReferences)
{
    const T3DCadencerTimeReference references[] = {cmRTC, cmPerformanceCounter, cmExternal};
    for (T3DCadencerTimeReference from : references)
        for (T3DCadencerTimeReference to : references) {
            if (from == to)
                continue;
            const TEnumInfo& names = EnumInfoOf<T3DCadencerTimeReference>();
            SCOPED_TRACE(names.NameOf(from) + " to " + names.NameOf(to));
            T3DCadencer& cadencer = NewCadencer(cmManual);
            cadencer.SetExternalTime(100);
            cadencer.SetTimeReference(from);
            const auto advance = [&](double Seconds) {
                Clock.Advance(Seconds);
                cadencer.SetExternalTime(cadencer.ExternalTime() + Seconds);
            };
            const double start = cadencer.GetElapsedTime();
            advance(1);
            EXPECT_NEAR(cadencer.GetElapsedTime() - start, 1, 1e-5);
            cadencer.SetTimeReference(to);
            EXPECT_NEAR(cadencer.GetElapsedTime() - start, 1, 1e-5);
            EXPECT_NEAR(cadencer.GetElapsedTime() - start, 1, 1e-5);
            advance(0.5);
            EXPECT_NEAR(cadencer.GetElapsedTime() - start, 1.5, 1e-5);
            EXPECT_NEAR(cadencer.CurrentTime() - start, 1.5, 1e-5);
            delete &cadencer;
        }
}

// Reading the time again does not move it on.
TEST_F(CadencerTimes, ExternalTimeIsReadAsItIsSet)
{
    T3DCadencer& cadencer = NewCadencer(cmManual);
    cadencer.SetTimeReference(cmExternal);
    cadencer.SetTimeMultiplier(2);
    const double start = cadencer.GetElapsedTime();
    cadencer.SetExternalTime(cadencer.ExternalTime() + 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(cadencer.GetElapsedTime() - start, 2);
    cadencer.Progress();
    cadencer.Progress();
    const std::vector<TStepSeen> steps = TakeSteps();
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_DOUBLE_EQ(steps[0].NewTime, start + 2);
    EXPECT_DOUBLE_EQ(steps[1].Step, 0);
    EXPECT_DOUBLE_EQ(steps[1].NewTime, start + 2);
}

// Logs the times it is stepped to.
class TLoggingComponent : public T3DCadenceAbleComponent {
public:
    TLoggingComponent(TComponent* AOwner, std::vector<std::string>& Log) : T3DCadenceAbleComponent(AOwner), FLog(Log)
    {
    }
    void AdvanceTime(const TProgressTimeInfo& ProgressTime) override
    {
        FLog.push_back(Name() + " " + std::to_string(ProgressTime.DeltaTime) + " " +
                       std::to_string(ProgressTime.NewTime));
    }

private:
    std::vector<std::string>& FLog;
};

TEST_F(CadencerTimes, SubscribersAreSteppedAfterTheSceneUntilTheyGo)
{
    std::vector<std::string> log;
    T3DCadencer& cadencer = NewCadencer(cmManual);
    cadencer.SetFixedDeltaTime(0.25);
    Scene->SetOnProgress([&](TObject*, double, double NewTime) { log.push_back("scene " + std::to_string(NewTime)); });
    cadencer.SetOnProgress([&](TObject*, double, double) { log.push_back("progress"); });
    auto* first = new TLoggingComponent(Owner.get(), log);
    first->SetName("first");
    auto* second = new TLoggingComponent(Owner.get(), log);
    second->SetName("second");
    cadencer.Subscribe(first);
    cadencer.Subscribe(second);
    cadencer.Subscribe(first);
    Clock.Advance(0.5);
    cadencer.Progress();
    EXPECT_EQ(log, (std::vector<std::string>{"scene 0.250000", "first 0.250000 0.250000", "second 0.250000 0.250000",
                                             "progress", "scene 0.500000", "first 0.250000 0.500000",
                                             "second 0.250000 0.500000", "progress"}));
    log.clear();
    delete first;
    cadencer.UnSubscribe(second);
    Clock.Advance(0.25);
    cadencer.Progress();
    EXPECT_EQ(log, (std::vector<std::string>{"scene 0.750000", "progress"}));
}

} // namespace
