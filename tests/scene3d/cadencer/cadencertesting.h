#pragma once
// Fixtures of the cadencer tests: a clock that moves only when told, the
// application object on the offscreen platform, a scene and the record of
// what the cadencers stepped.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/ui/repeattimer.h"
#include "scene3d/cadencer/cadencer.h"
#include "scene3d/cadencer/cadencerclock.h"
#include "scene3d/scene/scene.h"
#include "tests/scene3d/context/contexttesting.h"

// Time stands still until Advance (sleeping advances it too), the tick
// count with it.
class TFakeCadencerClock : public T3DCadencerClock {
public:
    static constexpr int64_t UnitsPerSecond = 1'000'000'000;
    // Some day in 2023, in days.
    static constexpr double FirstDay = 45000;

    int64_t Counter() override { return FUnits; }
    int64_t Frequency() override { return UnitsPerSecond; }
    double DateTime() override;
    uint32_t TickCount() override { return static_cast<uint32_t>(FUnits / (UnitsPerSecond / 1000)); }
    void Sleep(unsigned Milliseconds) override { Advance(Milliseconds / 1000.0); }

    void Advance(double Seconds) { FUnits += static_cast<int64_t>(Seconds * UnitsPerSecond + 0.5); }

private:
    int64_t FUnits = 0;
};

// One step as the cadencer's OnProgress and its scene saw it.
struct TStepSeen {
    double Step;
    // The time the scene was given (0 when the scene was not stepped).
    double SceneTime;
    // The time OnProgress was given.
    double NewTime;
};

void PrintTo(const TStepSeen& Step, std::ostream* Out);

// The fake clock and manual timers in place, the application object made
// (offscreen), the exceptions handed to it caught, and an owner with a scene.
class CadencerTest : public ::testing::Test {
protected:
    CadencerTest();
    ~CadencerTest() override;

    // A new cadencer of the owner on the scene, in Mode; its steps are
    // recorded in Steps.
    T3DCadencer& NewCadencer(T3DCadencerMode Mode);
    // The steps recorded since the last call.
    std::vector<TStepSeen> TakeSteps();
    // Runs the event loop without waiting, Times times.
    static void Pump(int Times = 50);

    TFakeCadencerClock Clock;
    TManualTimerClock Timers;
    std::optional<TApplicationExceptions> Exceptions;
    std::unique_ptr<TComponent> Owner = std::make_unique<TComponent>(nullptr);
    T3DScene* Scene;

private:
    std::vector<TStepSeen> FSteps;
    // The time the scene was last stepped to, until OnProgress takes it.
    double FSceneTime = 0;
};
