#include "app/fSplash.h"

#include <string>

#include "platform/rtl/classbuilder.h"

TfrmSplash* frmSplash = nullptr;
std::array<TShape*, 16> SplashBars{};

LT_IMPLEMENT_CLASS(TfrmSplash, TForm)
{
    P.Method("FormCreate", &TfrmSplash::FormCreate);
    P.Method("lblOkClick", &TfrmSplash::lblOkClick);
    P.Method("lblOkMouseEnter", &TfrmSplash::lblOkMouseEnter);
    P.Method("lblOkMouseLeave", &TfrmSplash::lblOkMouseLeave);
}

TfrmSplash::TfrmSplash(TComponent* AOwner) : TForm(AOwner)
{
    frmSplash = this;
    InitFromResource("fSplash.dfm");
}

TfrmSplash::~TfrmSplash()
{
    if (frmSplash == this) {
        frmSplash = nullptr;
        SplashBars.fill(nullptr);
    }
}

void TfrmSplash::FormCreate(TObject*)
{
    imgSplash = ComponentByName<TImage>(*this, "imgSplash");
    lblOk = ComponentByName<TLabel>(*this, "lblOk");
    for (int k = 0; k < 16; ++k)
        Marks[static_cast<std::size_t>(k)] = ComponentByName<TShape>(*this, "s" + std::to_string(k + 1));
    SplashBars = Marks;
}

void TfrmSplash::lblOkClick(TObject*)
{
    Close();
}

void TfrmSplash::lblOkMouseEnter(TObject*)
{
    lblOk->Font()->SetColor(0x00FF00);
}

void TfrmSplash::lblOkMouseLeave(TObject*)
{
    lblOk->Font()->SetColor(0xFFFFFF);
}

void ShowSplashMark(int Mark)
{
    if (!frmSplash || Mark < 0 || Mark >= 16 || !SplashBars[static_cast<std::size_t>(Mark)])
        return;
    SplashBars[static_cast<std::size_t>(Mark)]->SetVisible(true);
    frmSplash->Repaint();
}
