#include "dbgrid/engine/gridguideline.h"

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TGridGuideLineLt, TCustomControl) {}

TGridGuideLineLt::TGridGuideLineLt(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(TControlStyle{csOpaque});
    SetVisible(false);
    SetSubComponent(true);
}

void TGridGuideLineLt::Paint()
{
    // Black and white dots, one pixel each, seen on any background.
    TCanvas* canvas = Canvas();
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            canvas->SetPixels(x, y, (x + y) % 2 ? clWhite : clBlack);
}
