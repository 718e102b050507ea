#include <algorithm>

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/frame3d.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/stdctrls.h"

LT_IMPLEMENT_CLASS(TGroupBox, TWinControl)
{
    P.Property("PopupMenu", &TGroupBox::PopupMenu, &TGroupBox::SetPopupMenu);
}

LT_IMPLEMENT_CLASS(TPanel, TCustomControl)
{
    P.Property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter);
    P.Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone);
    P.Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised);
    P.Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1);
    P.Property("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle).Default(bsNone);
    P.Property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0);
    P.Property("PopupMenu", &TPanel::PopupMenu, &TPanel::SetPopupMenu);
}

// ---- TGroupBox

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csCaptureMouse} + TControlStyle{csSetCaption});
    SetBounds(0, 0, 185, 105);
}

QWidget* TGroupBox::CreateWidget()
{
    return new QGroupBox();
}

void TGroupBox::TextChanged()
{
    static_cast<QGroupBox*>(Widget())->setTitle(ToQString(Caption()));
    AlignControls();
}

void TGroupBox::FontChanged()
{
    TWinControl::FontChanged();
    AlignControls();
}

// The contents rectangle the widget's style gives for the box's size,
// title and font.
TRect TGroupBox::ClientRect() const
{
    // Before the widget exists (while constructing) there is nothing to
    // align yet.
    if (!HasBridge())
        return TWinControl::ClientRect();
    const auto* box = static_cast<const QGroupBox*>(Widget());
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.rect = QRect(0, 0, Width(), Height());
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!option.text.isEmpty())
        option.subControls |= QStyle::SC_GroupBoxLabel;
    option.features = box->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    const QRect contents = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, box);
    TRect r = FromQRect(contents);
    r.Right = std::max(r.Left, r.Right);
    r.Bottom = std::max(r.Top, r.Bottom);
    return r;
}

// ---- TPanel

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls, csSetCaption, csOpaque});
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TPanel::FrameChanged()
{
    AlignControls();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut Value)
{
    if (Value == FBevelInner)
        return;
    FBevelInner = Value;
    FrameChanged();
}

void TPanel::SetBevelOuter(TBevelCut Value)
{
    if (Value == FBevelOuter)
        return;
    FBevelOuter = Value;
    FrameChanged();
}

void TPanel::SetBevelWidth(int Value)
{
    Value = std::max(1, Value);
    if (Value == FBevelWidth)
        return;
    FBevelWidth = Value;
    FrameChanged();
}

void TPanel::SetBorderWidth(int Value)
{
    Value = std::max(0, Value);
    if (Value == FBorderWidth)
        return;
    FBorderWidth = Value;
    FrameChanged();
}

void TPanel::SetBorderStyle(TFormBorderStyle Value)
{
    Value = Value == bsSingle ? bsSingle : bsNone;
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    FrameChanged();
}

TRect TPanel::ClientRect() const
{
    TRect r = Rect(0, 0, Width(), Height());
    int inset = FBorderWidth;
    if (FBorderStyle == bsSingle)
        ++inset;
    if (FBevelOuter != bvNone)
        inset += FBevelWidth;
    if (FBevelInner != bvNone)
        inset += FBevelWidth;
    InflateRect(r, -inset, -inset);
    r.Right = std::max(r.Left, r.Right);
    r.Bottom = std::max(r.Top, r.Bottom);
    return r;
}

namespace {
void BevelColors(TBevelCut Bevel, TColor Face, TColor& Top, TColor& Bottom)
{
    switch (Bevel) {
    case bvLowered:
        Top = clBtnShadow;
        Bottom = clBtnHighlight;
        break;
    case bvRaised:
        Top = clBtnHighlight;
        Bottom = clBtnShadow;
        break;
    default:
        Top = Bottom = Face;
        break;
    }
}
} // namespace

void TPanel::Paint()
{
    TCanvas* canvas = Canvas();
    TRect r = Rect(0, 0, Width(), Height());
    if (FBorderStyle == bsSingle)
        Frame3D(canvas, r, clWindowFrame, clWindowFrame, 1);
    TColor top = Color(), bottom = Color();
    if (FBevelOuter != bvNone) {
        BevelColors(FBevelOuter, Color(), top, bottom);
        Frame3D(canvas, r, top, bottom, FBevelWidth);
    }
    Frame3D(canvas, r, Color(), Color(), FBorderWidth);
    if (FBevelInner != bvNone) {
        BevelColors(FBevelInner, Color(), top, bottom);
        Frame3D(canvas, r, top, bottom, FBevelWidth);
    }
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
    if (Caption().empty())
        return;
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    const int height = canvas->TextHeight("W");
    r.Top = (r.Top + r.Bottom - height) / 2;
    r.Bottom = r.Top + height;
    unsigned flags = DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE;
    if (FAlignment == taCenter)
        flags |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    canvas->DrawText(Caption(), r, flags);
}
