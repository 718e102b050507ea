#include <QTimer>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/qtsignals.h"

LT_IMPLEMENT_CLASS(TTimer, TComponent)
{
    P.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(1);
    P.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    P.Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value)
{
    if (Value == FInterval)
        return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value)
{
    FOnTimer = std::move(Value);
    UpdateTimer();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (FTimer)
        FTimer->stop();
    if (!FEnabled || FInterval == 0 || !FOnTimer || ComponentState().Contains(csLoading))
        return;
    if (!FTimer) {
        FTimer = std::make_unique<QTimer>();
        QObject::connect(FTimer.get(), &QTimer::timeout, FTimer.get(), [this] { Guarded(this, [this] { Timer(); }); });
    }
    FTimer->start(static_cast<int>(FInterval));
}

void TTimer::Timer()
{
    if (FOnTimer)
        FOnTimer(this);
}
