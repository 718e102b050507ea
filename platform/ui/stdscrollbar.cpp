#include <algorithm>

#include <QScrollBar>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/stdctrls.h"

LT_IMPLEMENT_CLASS(TScrollBar, TWinControl)
{
    P.Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal);
    P.Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
    P.Property("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
    P.Property("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
    P.Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(0);
    P.Property("PopupMenu", &TScrollBar::PopupMenu, &TScrollBar::SetPopupMenu);
    P.Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
    P.Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
    P.Property("OnChange", &TScrollBar::OnChange, &TScrollBar::SetOnChange);
    P.Property("OnScroll", &TScrollBar::OnScroll, &TScrollBar::SetOnScroll);
}

namespace {
TScrollCode ScrollCodeOf(int Action)
{
    switch (Action) {
    case QAbstractSlider::SliderSingleStepAdd: return scLineDown;
    case QAbstractSlider::SliderSingleStepSub: return scLineUp;
    case QAbstractSlider::SliderPageStepAdd: return scPageDown;
    case QAbstractSlider::SliderPageStepSub: return scPageUp;
    case QAbstractSlider::SliderToMinimum: return scTop;
    case QAbstractSlider::SliderToMaximum: return scBottom;
    default: return scTrack;
    }
}
} // namespace

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption, csClickEvents, csCaptureMouse, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 121, 17);
}

TScrollBar::~TScrollBar() = default;

QWidget* TScrollBar::CreateWidget()
{
    auto* bar = new QScrollBar();
    bar->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    ApplyTo(bar);
    FConnections += QObject::connect(bar, &QScrollBar::valueChanged, bar, [this](int Value) {
        if (FApplying || Value == FPosition)
            return;
        FPosition = Value;
        Guarded(this, [this] { Change(); });
    });
    FConnections += QObject::connect(bar, &QScrollBar::actionTriggered, bar, [this, bar](int Action) {
        if (Action == QAbstractSlider::SliderNoAction)
            return;
        int position = bar->sliderPosition();
        Guarded(this, [&] { Scroll(ScrollCodeOf(Action), position); });
        if (position != bar->sliderPosition())
            bar->setSliderPosition(position);
    });
    FConnections += QObject::connect(bar, &QScrollBar::sliderReleased, bar, [this, bar] {
        Guarded(this, [&] {
            int position = bar->sliderPosition();
            Scroll(scPosition, position);
            if (position != bar->sliderPosition())
                bar->setSliderPosition(position);
            int end = FPosition;
            Scroll(scEndScroll, end);
        });
    });
    return bar;
}

void TScrollBar::ApplyTo(QWidget* ScrollBar)
{
    auto* bar = static_cast<QScrollBar*>(ScrollBar);
    FApplying = true;
    bar->setOrientation(FKind == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    bar->setRange(FMin, std::max(FMin, FMax - std::max(0, FPageSize - 1)));
    bar->setSingleStep(FSmallChange);
    bar->setPageStep(FLargeChange);
    bar->setValue(FPosition);
    FApplying = false;
}

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (Value == FKind)
        return;
    FKind = Value;
    if (!ComponentState().Contains(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    ApplyTo(Widget());
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    if (AMax < AMin)
        throw EInvalidOperation("Scroll bar property out of range");
    APosition = std::clamp(APosition, AMin, AMax);
    const bool moved = APosition != FPosition;
    FMin = AMin;
    FMax = AMax;
    FPosition = APosition;
    ApplyTo(Widget());
    if (moved)
        Change();
}

void TScrollBar::SetLargeChange(int Value)
{
    FLargeChange = std::max(1, Value);
    ApplyTo(Widget());
}

void TScrollBar::SetSmallChange(int Value)
{
    FSmallChange = std::max(1, Value);
    ApplyTo(Widget());
}

void TScrollBar::SetPageSize(int Value)
{
    FPageSize = std::clamp(Value, 0, FMax - FMin + 1);
    ApplyTo(Widget());
}

void TScrollBar::Change()
{
    if (FOnChange)
        FOnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos)
{
    if (FScrollHook)
        FScrollHook(ScrollCode, ScrollPos);
    if (FOnScroll)
        FOnScroll(this, ScrollCode, ScrollPos);
}
