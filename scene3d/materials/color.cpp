#include "scene3d/materials/color.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/displaylistowner.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/vectorblock.h"

LT_IMPLEMENT_CLASS(T3DColor, T3DUpdateAbleObject)
{
    P.Property("Red", &T3DColor::Red, &T3DColor::SetRed).StoredIf(StoredInVectorBlock);
    P.Property("Green", &T3DColor::Green, &T3DColor::SetGreen).StoredIf(StoredInVectorBlock);
    P.Property("Blue", &T3DColor::Blue, &T3DColor::SetBlue).StoredIf(StoredInVectorBlock);
    P.Property("Alpha", &T3DColor::Alpha, &T3DColor::SetAlpha).StoredIf(StoredInVectorBlock);
}

T3DColor::T3DColor(TPersistent* AOwner) : T3DUpdateAbleObject(AOwner), FColor(ColorBlack) {}

T3DColor::T3DColor(TPersistent* AOwner, const TVector& Color, TNotifyEvent OnChange)
    : T3DUpdateAbleObject(AOwner), FColor(Color)
{
    SetOnChange(std::move(OnChange));
}

void T3DColor::SetColor(const TVector& Value)
{
    FColor = Value;
    NotifyChange(this);
}

void T3DColor::SetComponent(int Index, float Value)
{
    EngineAssert(Index >= 0 && Index < 4);
    if (FColor[Index] == Value)
        return;
    FColor[Index] = Value;
    NotifyChange(this);
}

void T3DColor::NotifyChange(TObject* Sender)
{
    if (!Owner())
        return;
    if (auto* owner = Supports<IDisplayListOwner>(Owner()))
        owner->ListInvalidated();
    T3DUpdateAbleObject::NotifyChange(Sender);
}

void T3DColor::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DColor*>(Source))
        SetColor(source->FColor);
    else
        T3DUpdateAbleObject::Assign(Source);
}

void T3DColor::DefineProperties(TFiler& Filer)
{
    T3DUpdateAbleObject::DefineProperties(Filer);
    DefineVectorBlock(Filer, "Color", FColor);
}
