#include "platform/rtl/classbuilder.h"
#include "platform/ui/picture.h"

LT_IMPLEMENT_CLASS(TGraphic, TPersistent) {}

void TGraphic::LoadFromFile(const std::string& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& FileName) const
{
    TFileStream stream(FileName, fmCreate);
    SaveToStream(stream);
}

void TGraphic::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Changed();
}

void TGraphic::Changed()
{
    if (FOnChange)
        FOnChange(this);
}
