#include <algorithm>

#include <QProgressBar>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/comctrls.h"

LT_IMPLEMENT_CLASS(TProgressBar, TWinControl)
{
    P.Property("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100);
    P.Property("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0);
    P.Property("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation).Default(pbHorizontal);
    P.Property("PopupMenu", &TProgressBar::PopupMenu, &TProgressBar::SetPopupMenu);
    P.Property("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0);
    P.Property("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(0);
    P.Property("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10);
}

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    SetBounds(0, 0, 150, 16);
}

QWidget* TProgressBar::CreateWidget()
{
    auto* bar = new QProgressBar();
    bar->setTextVisible(false);
    ApplyTo(bar);
    return bar;
}

void TProgressBar::ApplyTo(QWidget* Bar) const
{
    auto* bar = static_cast<QProgressBar*>(Bar);
    bar->setOrientation(FOrientation == pbHorizontal ? Qt::Horizontal : Qt::Vertical);
    bar->setRange(FMin, std::max(FMin, FMax));
    bar->setValue(FPosition);
}

void TProgressBar::SetMin(int Value)
{
    FMin = Value;
    FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
    ApplyTo(Widget());
}

void TProgressBar::SetMax(int Value)
{
    FMax = Value;
    FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
    ApplyTo(Widget());
}

void TProgressBar::SetPosition(int Value)
{
    FPosition = std::clamp(Value, FMin, std::max(FMin, FMax));
    ApplyTo(Widget());
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value)
{
    FOrientation = Value;
    ApplyTo(Widget());
}

void TProgressBar::StepIt()
{
    const int range = FMax - FMin;
    int position = FPosition + FStep;
    if (range <= 0)
        position = FMin;
    else if (position > FMax)
        position = FMin + (position - FMin) % range;
    else if (position < FMin)
        position = FMax - (FMin - position) % range;
    SetPosition(position);
}

void TProgressBar::StepBy(int Delta)
{
    SetPosition(FPosition + Delta);
}
