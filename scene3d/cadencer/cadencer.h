#pragma once
// The clock of a scene: it measures elapsed time, steps its scene and the
// components subscribed to it, then raises OnProgress with the step and the
// new time, in seconds. It ticks as often as the event loop allows (cmASAP),
// whenever the loop has nothing else to do (cmApplicationIdle), or when its
// owner calls Progress (cmManual).
#include <memory>
#include <vector>

#include "platform/rtl/component.h"
#include "scene3d/scene/sceneobjecttypes.h"

class T3DCadenceAbleComponent;
class T3DScene;

// Where the raw time comes from: the wall clock, the high-resolution
// counter, or ExternalTime as the owner sets it.
enum T3DCadencerTimeReference { cmRTC, cmPerformanceCounter, cmExternal };
LT_ENUM_INFO(T3DCadencerTimeReference, cmRTC, cmPerformanceCounter, cmExternal)

enum T3DCadencerMode { cmManual, cmASAP, cmApplicationIdle };
LT_ENUM_INFO(T3DCadencerMode, cmManual, cmASAP, cmApplicationIdle)

class T3DCadencer : public TComponent {
    LT_CLASS(T3DCadencer)
public:
    explicit T3DCadencer(TComponent* AOwner);
    // A cadencer freed inside its own Progress reports "Assertion failure"
    // to the application's exception handler; that Progress stops at once.
    ~T3DCadencer() override;

    T3DScene* Scene() const { return FScene; }
    void SetScene(T3DScene* Value);
    bool Enabled() const { return FEnabled; }
    // The time spent disabled does not count.
    void SetEnabled(bool Value);
    T3DCadencerTimeReference TimeReference() const { return FTimeReference; }
    // The cadencer's time goes on from where it was on the new clock.
    void SetTimeReference(T3DCadencerTimeReference Value);
    double TimeMultiplier() const { return FTimeMultiplier; }
    // 0 pauses (disables); any other value goes on from the time reached.
    void SetTimeMultiplier(double Value);
    // A longer step is cut to this (0: no limit); the time lost is dropped.
    double MaxDeltaTime() const { return FMaxDeltaTime; }
    void SetMaxDeltaTime(double Value) { FMaxDeltaTime = Value; }
    // A tick that comes sooner does nothing.
    double MinDeltaTime() const { return FMinDeltaTime; }
    void SetMinDeltaTime(double Value) { FMinDeltaTime = Value; }
    // When above 0, time advances in steps of this size; the rest is carried.
    double FixedDeltaTime() const { return FFixedDeltaTime; }
    void SetFixedDeltaTime(double Value) { FFixedDeltaTime = Value; }
    T3DCadencerMode Mode() const { return FMode; }
    void SetMode(T3DCadencerMode Value);
    // Milliseconds slept before each tick; negative: none.
    int SleepLength() const { return FSleepLength; }
    void SetSleepLength(int Value) { FSleepLength = Value; }
    const T3DProgressEvent& OnProgress() const { return FOnProgress; }
    void SetOnProgress(T3DProgressEvent Value) { FOnProgress = std::move(Value); }

    // The raw time of cmExternal, in seconds.
    double ExternalTime() const { return FExternalTime; }
    void SetExternalTime(double Value) { FExternalTime = Value; }
    // The cadencer time GetElapsedTime last computed.
    double CurrentTime() const { return FCurrentTime; }

    // Components stepped after the scene, with the same times.
    void Subscribe(T3DCadenceAbleComponent* Component);
    void UnSubscribe(T3DCadenceAbleComponent* Component);

    // The raw time of TimeReference, in seconds.
    double ReadClock() const;
    // The cadencer time now: the raw time since the origin, times the
    // multiplier. Kept as CurrentTime.
    double GetElapsedTime();
    // One tick: the time since the last step is measured and stepped.
    void Progress();
    // Inside Progress.
    bool IsProgressing() const { return FProgressing != 0; }

    void Loaded() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    class TProgressingCount;
    class TSteppingScene;

    // Joins the tick source of the mode when enabled, not designing, with a
    // scene and a ticking mode; leaves it otherwise. Nothing while loading.
    void Arm();
    void Join();
    void Leave(T3DCadencerMode OldMode);
    // The steps of one tick, once the time has been measured.
    void Step(double NewTime, double Delta, const std::shared_ptr<bool>& Alive);
    // Drops the free notification of a component that is neither scene nor
    // subscriber any more.
    void Unwatch(TComponent* Component);

    T3DScene* FScene = nullptr;
    bool FEnabled = true;
    T3DCadencerTimeReference FTimeReference = cmPerformanceCounter;
    double FTimeMultiplier = 1;
    double FMaxDeltaTime = 0;
    double FMinDeltaTime = 0;
    double FFixedDeltaTime = 0;
    T3DCadencerMode FMode = cmASAP;
    int FSleepLength = -1;
    T3DProgressEvent FOnProgress;
    std::vector<T3DCadenceAbleComponent*> FSubscribers;
    // Cadencer time of the last step.
    double FLastTime = 0;
    // Raw time when disabled.
    double FDownTime = 0;
    // The multiplier in force before it was set to 0.
    double FSavedMultiplier = 1;
    double FCurrentTime = 0;
    double FExternalTime = 0;
    // Raw time that counts as cadencer time 0.
    double FOriginTime = 0;
    // Nesting of Progress; negative while the scene is being stepped.
    int FProgressing = 0;
    // False once the cadencer is freed: what a running Progress checks
    // after every call out.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
