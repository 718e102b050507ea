#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/stdctrls.h"

LT_IMPLEMENT_CLASS(TLabel, TGraphicControl)
{
    P.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
    P.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(1);
    P.Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
    P.Property("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop);
    P.Property("PopupMenu", &TLabel::PopupMenu, &TLabel::SetPopupMenu);
    P.Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(1);
    P.Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(0);
    P.Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(0);
}

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
    SetBounds(0, 0, 65, 17);
    FFocusControl.SetOnFreed([this] { UpdateAccelerator(); });
}

TLabel::~TLabel() = default;

void TLabel::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TLabel::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* Value)
{
    FFocusControl.Set(Value);
    UpdateAccelerator();
}

void TLabel::SetLayout(TTextLayout Value)
{
    if (Value == FLayout)
        return;
    FLayout = Value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool Value)
{
    if (Value == FShowAccelChar)
        return;
    FShowAccelChar = Value;
    AdjustBounds();
    UpdateAccelerator();
    Invalidate();
}

void TLabel::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Invalidate();
}

void TLabel::SetWordWrap(bool Value)
{
    if (Value == FWordWrap)
        return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

unsigned TLabel::DrawTextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    else if (FAlignment == taCenter)
        flags |= DT_CENTER;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

namespace {
// Measuring an empty caption (or a lone "&") still gives a line's height.
std::string MeasuredText(const std::string& Caption, bool ShowAccelChar)
{
    if (Caption.empty() || (ShowAccelChar && Caption == "&"))
        return Caption + " ";
    return Caption;
}
} // namespace

void TLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().Contains(csLoading))
        return;
    Canvas()->SetFont(Font());
    TRect r = ClientRect();
    Canvas()->DrawText(MeasuredText(Caption(), FShowAccelChar), r, DrawTextFlags() | DT_CALCRECT);
    int left = Left();
    if (FAlignment == taRightJustify)
        left += Width() - r.Right;
    SetBounds(left, Top(), r.Right, r.Bottom);
}

void TLabel::Paint()
{
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    if (!FTransparent) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(r);
    }
    canvas->Brush()->SetStyle(bsClear);
    const unsigned flags = DrawTextFlags();
    if (FLayout != tlTop) {
        TRect calc = r;
        canvas->DrawText(MeasuredText(Caption(), FShowAccelChar), calc, flags | DT_CALCRECT);
        OffsetRect(r, 0, FLayout == tlBottom ? Height() - calc.Bottom : (Height() - calc.Bottom) / 2);
    }
    if (Enabled()) {
        canvas->DrawText(Caption(), r, flags);
        return;
    }
    // Disabled: an embossed caption.
    TRect raised = r;
    OffsetRect(raised, 1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    canvas->DrawText(Caption(), raised, flags);
    canvas->Font()->SetColor(clBtnShadow);
    canvas->DrawText(Caption(), r, flags);
}

void TLabel::TextChanged()
{
    AdjustBounds();
    UpdateAccelerator();
    Invalidate();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
    UpdateAccelerator();
}

void TLabel::UpdateAccelerator()
{
    const QKeySequence key =
        FShowAccelChar && FocusControl() ? QKeySequence::mnemonic(ToQString(Caption())) : QKeySequence();
    if (!FAccelerator) {
        if (key.isEmpty())
            return;
        FAccelerator = new QShortcut(Widget());
        FAccelerator->setContext(Qt::WindowShortcut);
        QObject::connect(FAccelerator, &QShortcut::activated, FAccelerator, [this] {
            Guarded(this, [this] {
                if (TWinControl* target = FocusControl(); target && target->CanFocus())
                    target->SetFocus();
            });
        });
    }
    FAccelerator->setKey(key);
}
