#include "dbcontrols/editimagelt.h"

#include "platform/rtl/classbuilder.h"
#include "platform/ui/controls.h"
#include "platform/ui/imglist.h"

LT_IMPLEMENT_CLASS(TEditImageLt, TPersistent)
{
    P.Property("ImageIndex", &TEditImageLt::ImageIndex, &TEditImageLt::SetImageIndex).Default(-1);
    P.Property("Images", &TEditImageLt::Images, &TEditImageLt::SetImages);
    P.Property("UseImageHeight", &TEditImageLt::UseImageHeight, &TEditImageLt::SetUseImageHeight).Default(1);
    P.Property("Visible", &TEditImageLt::Visible, &TEditImageLt::SetVisible).Default(0);
    P.Property("Width", &TEditImageLt::Width, &TEditImageLt::SetWidth).Default(0);
}

TEditImageLt::TEditImageLt(TControl* Owner) : FOwner(Owner) {}

TPersistent* TEditImageLt::GetOwner() const
{
    return FOwner;
}

void TEditImageLt::SetImageIndex(int Value)
{
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    if (FOwner)
        FOwner->Invalidate();
}

void TEditImageLt::SetImages(TCustomImageList* Value)
{
    if (Value == FImages)
        return;
    FImages = Value;
    if (FOwner && Value)
        FOwner->FreeNotification(Value);
    Changed();
}

void TEditImageLt::SetUseImageHeight(bool Value)
{
    if (Value == FUseImageHeight)
        return;
    FUseImageHeight = Value;
    Changed();
}

void TEditImageLt::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    Changed();
}

void TEditImageLt::SetWidth(int Value)
{
    if (Value == FWidth)
        return;
    FWidth = Value;
    Changed();
}

void TEditImageLt::Changed()
{
    if (FOwner)
        FOwner->Perform(CM_EDITIMAGECHANGEDLT);
}

void TEditImageLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TEditImageLt*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FImageIndex = source->FImageIndex;
    FImages = source->FImages;
    FUseImageHeight = source->FUseImageHeight;
    FVisible = source->FVisible;
    FWidth = source->FWidth;
    Changed();
}
