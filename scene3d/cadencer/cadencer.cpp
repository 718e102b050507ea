#include "scene3d/cadencer/cadencer.h"

#include <algorithm>

#include "platform/rtl/appexceptions.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/application.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/updateable.h"
#include "scene3d/cadencer/asaphandler.h"
#include "scene3d/cadencer/cadencerclock.h"
#include "scene3d/scene/scene.h"

LT_IMPLEMENT_CLASS(T3DCadencer, TComponent)
{
    P.Property("Scene", &T3DCadencer::Scene, &T3DCadencer::SetScene);
    P.Property("Enabled", &T3DCadencer::Enabled, &T3DCadencer::SetEnabled).Default(1);
    P.Property("TimeReference", &T3DCadencer::TimeReference, &T3DCadencer::SetTimeReference)
        .Default(cmPerformanceCounter);
    P.Property("TimeMultiplier", &T3DCadencer::TimeMultiplier, &T3DCadencer::SetTimeMultiplier).DefaultFloat(1);
    P.Property("MaxDeltaTime", &T3DCadencer::MaxDeltaTime, &T3DCadencer::SetMaxDeltaTime);
    P.Property("MinDeltaTime", &T3DCadencer::MinDeltaTime, &T3DCadencer::SetMinDeltaTime);
    P.Property("FixedDeltaTime", &T3DCadencer::FixedDeltaTime, &T3DCadencer::SetFixedDeltaTime);
    P.Property("Mode", &T3DCadencer::Mode, &T3DCadencer::SetMode).Default(cmASAP);
    P.Property("SleepLength", &T3DCadencer::SleepLength, &T3DCadencer::SetSleepLength).Default(-1);
    P.Property("OnProgress", &T3DCadencer::OnProgress, &T3DCadencer::SetOnProgress);
}

namespace {
// The cadencer whose idle handler the application runs.
T3DCadencer* IdleCadencer = nullptr;
} // namespace

// Counts a Progress for as long as it runs, unless the cadencer went.
class T3DCadencer::TProgressingCount {
public:
    TProgressingCount(T3DCadencer& Cadencer, std::shared_ptr<bool> Alive)
        : FCadencer(Cadencer), FAlive(std::move(Alive))
    {
        ++FCadencer.FProgressing;
    }
    ~TProgressingCount()
    {
        if (*FAlive)
            --FCadencer.FProgressing;
    }
    TProgressingCount(const TProgressingCount&) = delete;
    TProgressingCount& operator=(const TProgressingCount&) = delete;

private:
    T3DCadencer& FCadencer;
    std::shared_ptr<bool> FAlive;
};

// Marks the scene being stepped (the count negative) for as long as it
// takes, unless the cadencer went.
class T3DCadencer::TSteppingScene {
public:
    TSteppingScene(T3DCadencer& Cadencer, std::shared_ptr<bool> Alive) : FCadencer(Cadencer), FAlive(std::move(Alive))
    {
        FCadencer.FProgressing = -FCadencer.FProgressing;
    }
    ~TSteppingScene()
    {
        if (*FAlive)
            FCadencer.FProgressing = -FCadencer.FProgressing;
    }
    TSteppingScene(const TSteppingScene&) = delete;
    TSteppingScene& operator=(const TSteppingScene&) = delete;

private:
    T3DCadencer& FCadencer;
    std::shared_ptr<bool> FAlive;
};

T3DCadencer::T3DCadencer(TComponent* AOwner) : TComponent(AOwner)
{
    FDownTime = FOriginTime = ReadClock();
}

T3DCadencer::~T3DCadencer()
{
    *FAlive = false;
    if (FProgressing != 0) {
        try {
            EngineAssert(false);
        } catch (...) {
            ApplicationHandleException(this);
        }
    }
    Leave(FMode);
}

void T3DCadencer::Loaded()
{
    TComponent::Loaded();
    Arm();
}

void T3DCadencer::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    std::erase(FSubscribers, AComponent);
    if (AComponent == FScene) {
        FScene = nullptr;
        Arm();
    }
}

void T3DCadencer::SetScene(T3DScene* Value)
{
    if (Value == FScene)
        return;
    T3DScene* old = FScene;
    FScene = Value;
    if (old)
        Unwatch(old);
    if (FScene)
        FreeNotification(FScene);
    Arm();
}

void T3DCadencer::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    if (ComponentState().Contains(csDesigning))
        return;
    if (FEnabled)
        FOriginTime += ReadClock() - FDownTime;
    else
        FDownTime = ReadClock();
    Arm();
}

void T3DCadencer::SetTimeReference(T3DCadencerTimeReference Value)
{
    if (Value == FTimeReference)
        return;
    const double before = ReadClock();
    FTimeReference = Value;
    const double shift = ReadClock() - before;
    FOriginTime += shift;
    FDownTime += shift;
}

void T3DCadencer::SetTimeMultiplier(double Value)
{
    if (Value == FTimeMultiplier)
        return;
    if (Value != 0) {
        double k = FTimeMultiplier;
        if (k == 0) {
            k = FSavedMultiplier;
            SetEnabled(true);
        }
        const double now = ReadClock();
        FOriginTime = now - (now - FOriginTime) * k / Value;
    } else {
        FSavedMultiplier = FTimeMultiplier;
        SetEnabled(false);
    }
    FTimeMultiplier = Value;
}

void T3DCadencer::SetMode(T3DCadencerMode Value)
{
    if (Value == FMode)
        return;
    Leave(FMode);
    FMode = Value;
    Arm();
}

void T3DCadencer::Subscribe(T3DCadenceAbleComponent* Component)
{
    if (std::find(FSubscribers.begin(), FSubscribers.end(), Component) != FSubscribers.end())
        return;
    FSubscribers.push_back(Component);
    FreeNotification(Component);
}

void T3DCadencer::UnSubscribe(T3DCadenceAbleComponent* Component)
{
    if (std::erase(FSubscribers, Component) > 0)
        Unwatch(Component);
}

void T3DCadencer::Unwatch(TComponent* Component)
{
    if (Component != FScene && std::find(FSubscribers.begin(), FSubscribers.end(), Component) == FSubscribers.end())
        RemoveFreeNotification(Component);
}

void T3DCadencer::Arm()
{
    if (ComponentState().Contains(csLoading))
        return;
    const bool ticking = FMode == cmASAP || FMode == cmApplicationIdle;
    if (ticking && !ComponentState().Contains(csDesigning) && FScene && FEnabled)
        Join();
    else
        Leave(FMode);
}

void T3DCadencer::Join()
{
    if (FMode == cmASAP) {
        JoinASAP(this);
    } else if (FMode == cmApplicationIdle && Application) {
        IdleCadencer = this;
        Application->SetOnIdle([this](TObject*, bool& Done) {
            Progress();
            Done = false;
        });
    }
}

void T3DCadencer::Leave(T3DCadencerMode OldMode)
{
    if (OldMode == cmASAP) {
        LeaveASAP(this);
    } else if (OldMode == cmApplicationIdle && IdleCadencer == this) {
        IdleCadencer = nullptr;
        if (Application)
            Application->SetOnIdle(nullptr);
    }
}

double T3DCadencer::ReadClock() const
{
    T3DCadencerClock& clock = CurrentCadencerClock();
    switch (FTimeReference) {
    case cmRTC: return clock.DateTime() * SecsPerDay;
    case cmPerformanceCounter: {
        const int64_t frequency = clock.Frequency();
        return frequency > 0 ? static_cast<double>(clock.Counter()) / static_cast<double>(frequency) : 0;
    }
    case cmExternal: return FExternalTime;
    }
    EngineAssert(false);
    return 0;
}

double T3DCadencer::GetElapsedTime()
{
    FCurrentTime = (ReadClock() - FOriginTime) * FTimeMultiplier;
    return FCurrentTime;
}

void T3DCadencer::Progress()
{
    // Stepping the scene, which ticks this cadencer again.
    if (FProgressing < 0)
        return;
    const std::shared_ptr<bool> alive = FAlive;
    if (FEnabled) {
        if (FSleepLength >= 0)
            CurrentCadencerClock().Sleep(static_cast<unsigned>(FSleepLength));
        if (FMode == cmASAP) {
            if (Application)
                Application->ProcessMessages();
            if (!*alive || !ASAPHolds(this))
                return;
        }
    }
    const TProgressingCount counting(*this, alive);
    if (!FEnabled)
        return;
    const double newTime = GetElapsedTime();
    Step(newTime, newTime - FLastTime, alive);
}

void T3DCadencer::Step(double NewTime, double Delta, const std::shared_ptr<bool>& Alive)
{
    if (Delta < FMinDeltaTime || Delta < FFixedDeltaTime)
        return;
    if (FMaxDeltaTime > 0 && Delta > FMaxDeltaTime) {
        // The time beyond the limit is dropped for good.
        FOriginTime += (Delta - FMaxDeltaTime) / FTimeMultiplier;
        Delta = FMaxDeltaTime;
        NewTime = FLastTime + Delta;
    }
    const double step = FFixedDeltaTime > 0 ? FFixedDeltaTime : Delta;
    for (double rest = Delta; rest >= step; rest -= step) {
        FLastTime += step;
        if (FScene && step != 0) {
            const TSteppingScene stepping(*this, Alive);
            FScene->Progress(step, FLastTime);
        }
        if (!*Alive)
            return;
        const TProgressTimeInfo progressTime{step, FLastTime};
        for (std::size_t i = 0; i < FSubscribers.size(); ++i) {
            FSubscribers[i]->AdvanceTime(progressTime);
            if (!*Alive)
                return;
        }
        // A copy: the handler may free the cadencer or replace itself.
        if (const T3DProgressEvent onProgress = FOnProgress; onProgress && !ComponentState().Contains(csDesigning)) {
            onProgress(this, step, NewTime);
            if (!*Alive)
                return;
        }
        if (step <= 0)
            break;
    }
}
