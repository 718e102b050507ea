#include "platform/rtl/classbuilder.h"
#include "platform/ui/extctrls.h"

LT_IMPLEMENT_CLASS(TImage, TGraphicControl)
{
    P.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(0);
    P.Property("Center", &TImage::Center, &TImage::SetCenter).Default(0);
    P.Property("Picture", &TImage::Picture);
    P.Property("PopupMenu", &TImage::PopupMenu, &TImage::SetPopupMenu);
    P.Property("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(0);
    P.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(0);
    P.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(0);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>())
{
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetBounds(0, 0, 105, 105);
    FPicture->SetOnChange([this](TPicture*) { PictureChanged(); });
}

TImage::~TImage()
{
    FPicture->SetOnChange(nullptr);
}

void TImage::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    PictureChanged();
}

void TImage::SetCenter(bool Value)
{
    if (Value == FCenter)
        return;
    FCenter = Value;
    Invalidate();
}

void TImage::SetProportional(bool Value)
{
    if (Value == FProportional)
        return;
    FProportional = Value;
    Invalidate();
}

void TImage::SetStretch(bool Value)
{
    if (Value == FStretch)
        return;
    FStretch = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    PictureChanged();
}

void TImage::PictureChanged()
{
    if (TGraphic* graphic = FPicture->Graphic())
        graphic->SetTransparent(FTransparent);
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    Invalidate();
}

TRect TImage::DestRect() const
{
    int w = FPicture->Width();
    int h = FPicture->Height();
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            const double aspect = static_cast<double>(w) / h;
            if (w > h) {
                w = cw;
                h = static_cast<int>(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = static_cast<int>(ch * aspect);
                }
            } else {
                h = ch;
                w = static_cast<int>(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = static_cast<int>(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r = Rect(0, 0, w, h);
    if (FCenter)
        OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint()
{
    const TGraphic* graphic = FPicture->Graphic();
    if (!graphic || graphic->Empty())
        return;
    Canvas()->StretchDraw(DestRect(), graphic);
}
