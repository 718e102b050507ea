#include <QBrush>
#include <QPainter>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/imglist.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TToolButton, TGraphicControl)
{
    P.Property("Action", &TToolButton::Action, &TToolButton::SetAction);
    P.Property("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp).Default(0);
    P.Property("Down", &TToolButton::Down, &TToolButton::SetDown).Default(0);
    P.Property("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu);
    P.Property("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(0);
    P.Property("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1);
    P.Property("Indeterminate", &TToolButton::Indeterminate, &TToolButton::SetIndeterminate).Default(0);
    P.Property("Marked", &TToolButton::Marked, &TToolButton::SetMarked).Default(0);
    P.Property("PopupMenu", &TToolButton::PopupMenu, &TToolButton::SetPopupMenu);
    P.Property("Style", &TToolButton::Style, &TToolButton::SetStyle).Default(tbsButton);
    P.Property("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap).Default(0);
}

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 23, 22);
    SetShowHint(true);
    FActionLink.SetCheckedProperty([this] { return Down(); }, [this](bool Value) { SetDown(Value); });
    FActionLink.SetImageIndexProperty([this] { return ImageIndex(); }, [this](int Value) { SetImageIndex(Value); });
}

TToolButton::~TToolButton()
{
    if (TToolBar* bar = ToolBar())
        bar->RemoveButton(this);
}

TToolBar* TToolButton::ToolBar() const
{
    return dynamic_cast<TToolBar*>(Parent());
}

int TToolButton::Index() const
{
    const TToolBar* bar = ToolBar();
    if (!bar)
        return -1;
    const auto& buttons = bar->FButtons;
    const auto it = std::find(buttons.begin(), buttons.end(), this);
    return it == buttons.end() ? -1 : static_cast<int>(it - buttons.begin());
}

void TToolButton::SetParent(TWinControl* Value)
{
    if (Value == Parent())
        return;
    if (TToolBar* bar = ToolBar())
        bar->RemoveButton(this);
    TGraphicControl::SetParent(Value);
    if (auto* bar = dynamic_cast<TToolBar*>(Value))
        bar->InsertButton(this);
}

void TToolButton::RequestLayout()
{
    if (TToolBar* bar = ToolBar())
        bar->ArrangeButtons();
}

void TToolButton::SetStyle(TToolButtonStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    if ((Value == tbsSeparator || Value == tbsDivider) && !ComponentState().Contains(csLoading))
        SetWidth(8);
    RequestLayout();
    Invalidate();
}

void TToolButton::SetImageIndex(int Value)
{
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    Invalidate();
}

void TToolButton::SetDown(bool Value)
{
    if (Value == FDown)
        return;
    FDown = Value;
    if (Value && FGrouped)
        ReleaseGroup();
    Invalidate();
}

// Releases the other down buttons of this button's group: the grouped
// check buttons next to it.
void TToolButton::ReleaseGroup()
{
    const TToolBar* bar = ToolBar();
    if (!bar)
        return;
    const auto& buttons = bar->FButtons;
    const int index = Index();
    const auto inGroup = [](const TToolButton* b) { return b->FGrouped && b->FStyle == tbsCheck; };
    for (int i = index - 1; i >= 0 && inGroup(buttons[static_cast<std::size_t>(i)]); --i)
        buttons[static_cast<std::size_t>(i)]->SetDown(false);
    for (int i = index + 1; i < static_cast<int>(buttons.size()) && inGroup(buttons[static_cast<std::size_t>(i)]); ++i)
        buttons[static_cast<std::size_t>(i)]->SetDown(false);
}

void TToolButton::SetIndeterminate(bool Value)
{
    FIndeterminate = Value;
    Invalidate();
}

void TToolButton::SetMarked(bool Value)
{
    FMarked = Value;
    Invalidate();
}

void TToolButton::SetWrap(bool Value)
{
    if (Value == FWrap)
        return;
    FWrap = Value;
    RequestLayout();
}

void TToolButton::TextChanged()
{
    RequestLayout();
    Invalidate();
}

void TToolButton::VisibleChanged()
{
    TGraphicControl::VisibleChanged();
    RequestLayout();
}

void TToolButton::EnabledChanged()
{
    TGraphicControl::EnabledChanged();
    FPressed = false;
    Invalidate();
}

void TToolButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
        FMouseInControl = Message.Msg == CM_MOUSEENTER;
        Invalidate();
    }
    TGraphicControl::Dispatch(Message);
}

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || FStyle == tbsSeparator || FStyle == tbsDivider)
        return;
    FPressed = true;
    Invalidate();
}

void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FPressed)
        return;
    FPressed = false;
    Invalidate();
    if (PtInRect(ClientRect(), TPoint{X, Y}))
        Click();
}

void TToolButton::Click()
{
    if (FStyle == tbsCheck && !(FDown && FGrouped && !FAllowAllUp))
        SetDown(!FDown);
    if (OnClick())
        OnClick()(this);
    else if (!FActionLink.Execute(this) && FStyle == tbsDropDown && DropdownMenu()) {
        const TPoint at = ClientToScreen({0, Height()});
        DropdownMenu()->SetPopupComponent(this);
        DropdownMenu()->Popup(at.X, at.Y);
    }
}

void TToolButton::Paint()
{
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    if (FStyle == tbsSeparator)
        return;
    if (FStyle == tbsDivider) {
        TRect line = Rect(r.Width() / 2 - 1, r.Top, r.Width() / 2 + 1, r.Bottom);
        canvas->DrawEdge(line, EDGE_ETCHED, BF_LEFT);
        return;
    }
    const TToolBar* bar = ToolBar();
    const bool flat = bar && bar->Flat();
    const bool sunken = FPressed || FDown;
    if (!flat) {
        canvas->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | (sunken ? DFCS_PUSHED : 0));
    } else if (sunken || (FMouseInControl && Enabled())) {
        TRect edge = r;
        canvas->DrawEdge(edge, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    // A checked button that is not being pressed shows a dotted face.
    if (FDown && !FPressed && canvas->Painter()) {
        TRect face = r;
        InflateRect(face, -2, -2);
        canvas->Painter()->fillRect(ToQRect(face), QBrush(ToQColor(clBtnHighlight), Qt::Dense4Pattern));
    }
    const int offset = sunken ? 1 : 0;
    const TCustomImageList* images = bar ? bar->Images() : nullptr;
    const bool captions = bar && bar->ShowCaptions();
    int imageBottom = r.Top + 3;
    if (images && FImageIndex >= 0 && FImageIndex < images->Count()) {
        const int x = (r.Width() - images->Width()) / 2 + offset;
        const int y = (captions ? r.Top + 3 : (r.Height() - images->Height()) / 2) + offset;
        images->Draw(canvas, x, y, FImageIndex, Enabled());
        imageBottom = y + images->Height();
    }
    if (!captions || Caption().empty())
        return;
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsClear);
    if (!Enabled())
        canvas->Font()->SetColor(clGrayText);
    TRect text = Rect(r.Left + offset, imageBottom + 1, r.Right + offset, r.Bottom + offset);
    canvas->DrawText(Caption(), text, DT_CENTER | DT_SINGLELINE | DT_TOP);
}
