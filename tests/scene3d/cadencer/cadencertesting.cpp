#include "tests/scene3d/cadencer/cadencertesting.h"

#include <QCoreApplication>

#include <ostream>

#include "platform/ui/application.h"
#include "tests/scene3d/scene/scenetesting.h"

double TFakeCadencerClock::DateTime()
{
    return FirstDay + static_cast<double>(FUnits) / UnitsPerSecond / 86400;
}

void PrintTo(const TStepSeen& Step, std::ostream* Out)
{
    *Out << "{step " << Step.Step << ", scene at " << Step.SceneTime << ", new time " << Step.NewTime << "}";
}

CadencerTest::CadencerTest()
{
    EnsureApplication();
    static std::unique_ptr<TApplication> application;
    if (!Application) {
        application = std::make_unique<TApplication>(nullptr);
        application->Initialize();
    }
    // After the application object, whose handler it replaces.
    Exceptions.emplace();
    SetCadencerClock(&Clock);
    SetTimerClock(&Timers);
    Scene = new T3DScene(Owner.get());
    Scene->SetOnProgress([this](TObject*, double, double NewTime) { FSceneTime = NewTime; });
}

CadencerTest::~CadencerTest()
{
    Owner.reset();
    SetTimerClock(nullptr);
    SetCadencerClock(nullptr);
}

T3DCadencer& CadencerTest::NewCadencer(T3DCadencerMode Mode)
{
    auto* cadencer = new T3DCadencer(Owner.get());
    cadencer->SetMode(Mode);
    cadencer->SetScene(Scene);
    cadencer->SetOnProgress([this](TObject*, double DeltaTime, double NewTime) {
        FSteps.push_back({DeltaTime, FSceneTime, NewTime});
        FSceneTime = 0;
    });
    return *cadencer;
}

std::vector<TStepSeen> CadencerTest::TakeSteps()
{
    return std::exchange(FSteps, {});
}

void CadencerTest::Pump(int Times)
{
    for (int i = 0; i < Times; ++i)
        QCoreApplication::processEvents();
}
