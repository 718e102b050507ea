#include "dbgrid/core/propfilerlt.h"

#include "platform/rtl/classbuilder.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"

namespace {
// A centred form that is not being designed takes a stored position as its
// designed one (see AfterRead).
bool PositionMakesDesigned(const TCustomForm& Form)
{
    return (Form.Position() == poScreenCenter || Form.Position() == poDesktopCenter) &&
           !Form.ComponentState().Contains(csDesigning);
}

// A centred form is placed when it is shown: its position is not stored,
// so that it reads back centred.
bool PositionStored(const TObject& Interceptor)
{
    const TPersistent* target = static_cast<const TStoragePropertyInterceptor&>(Interceptor).Target();
    const auto* form = dynamic_cast<const TCustomForm*>(target);
    return !form || !PositionMakesDesigned(*form);
}
} // namespace

LT_IMPLEMENT_CLASS(TFormStoragePropertyInterceptor, TStoragePropertyInterceptor)
{
    P.Property("ActiveControl", &TFormStoragePropertyInterceptor::ActiveControl,
               &TFormStoragePropertyInterceptor::SetActiveControl);
    P.Property("Height", &TFormStoragePropertyInterceptor::Height, &TFormStoragePropertyInterceptor::SetHeight);
    P.Property("Left", &TFormStoragePropertyInterceptor::Left, &TFormStoragePropertyInterceptor::SetLeft)
        .StoredIf(PositionStored);
    P.Property("PixelsPerInch", &TFormStoragePropertyInterceptor::PixelsPerInch,
               &TFormStoragePropertyInterceptor::SetPixelsPerInch);
    P.Property("Top", &TFormStoragePropertyInterceptor::Top, &TFormStoragePropertyInterceptor::SetTop)
        .StoredIf(PositionStored);
    P.Property("Width", &TFormStoragePropertyInterceptor::Width, &TFormStoragePropertyInterceptor::SetWidth);
}

namespace {
// Forms are read through their interceptor from the moment the library is
// loaded.
[[maybe_unused]] const bool gFormInterceptorRegistered = [] {
    RegisterPropertyInterceptor<TCustomForm, TFormStoragePropertyInterceptor>();
    return true;
}();
} // namespace

int ScaleStoredValue(int Value, int StoredPPI, int ScreenPPI)
{
    if (StoredPPI <= 0)
        return Value;
    const int64_t product = static_cast<int64_t>(Value) * ScreenPPI;
    const int64_t half = StoredPPI / 2;
    return static_cast<int>(product >= 0 ? (product + half) / StoredPPI : (product - half) / StoredPPI);
}

TFormStoragePropertyInterceptor::TFormStoragePropertyInterceptor(TPersistent* ATarget)
    : TStoragePropertyInterceptor(ATarget)
{
    if (const TCustomForm* form = Form()) {
        FBounds = form->BoundsRect();
        FActiveControl = form->ActiveControl();
        FPixelsPerInch = Screen ? Screen->PixelsPerInch() : 0;
    }
}

TCustomForm* TFormStoragePropertyInterceptor::Form() const
{
    return dynamic_cast<TCustomForm*>(Target());
}

int TFormStoragePropertyInterceptor::Height() const
{
    return Form() ? Form()->Height() : 0;
}

int TFormStoragePropertyInterceptor::Left() const
{
    return Form() ? Form()->Left() : 0;
}

int TFormStoragePropertyInterceptor::Top() const
{
    return Form() ? Form()->Top() : 0;
}

int TFormStoragePropertyInterceptor::Width() const
{
    return Form() ? Form()->Width() : 0;
}

void TFormStoragePropertyInterceptor::SetHeight(int Value)
{
    FBounds.Bottom = FBounds.Top + Value;
    FSizeRead = true;
}

void TFormStoragePropertyInterceptor::SetWidth(int Value)
{
    FBounds.Right = FBounds.Left + Value;
    FSizeRead = true;
}

void TFormStoragePropertyInterceptor::SetLeft(int Value)
{
    OffsetRect(FBounds, Value - FBounds.Left, 0);
    FPositionRead = true;
}

void TFormStoragePropertyInterceptor::SetTop(int Value)
{
    OffsetRect(FBounds, 0, Value - FBounds.Top);
    FPositionRead = true;
}

void TFormStoragePropertyInterceptor::AfterRead()
{
    TCustomForm* form = Form();
    if (!form)
        return;
    // What was not stored stays as the other properties (ClientWidth ...)
    // left it.
    const TRect current = form->BoundsRect();
    const int screenPPI = Screen ? Screen->PixelsPerInch() : FPixelsPerInch;
    const auto scaled = [&](int Value) { return ScaleStoredValue(Value, FPixelsPerInch, screenPPI); };
    const int left = FPositionRead ? scaled(FBounds.Left) : current.Left;
    const int top = FPositionRead ? scaled(FBounds.Top) : current.Top;
    const int width = FSizeRead ? scaled(FBounds.Width()) : current.Width();
    const int height = FSizeRead ? scaled(FBounds.Height()) : current.Height();
    form->SetActiveControl(FActiveControl);
    form->SetBounds(left, top, width, height);
    if (FPositionRead && PositionMakesDesigned(*form))
        form->SetPosition(poDesigned);
}
