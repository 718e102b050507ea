#include "platform/ui/customlistbox.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/sysmetrics.h"

LT_IMPLEMENT_CLASS(TCustomListBox, TCustomControl)
{
    P.Property("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight);
    P.Property("Items", &TCustomListBox::Items);
    P.Property("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle).Default(lbStandard);
    P.Property("OnDrawItem", &TCustomListBox::OnDrawItem, &TCustomListBox::SetOnDrawItem);
    P.Property("OnData", &TCustomListBox::OnData, &TCustomListBox::SetOnData);
}

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TStringList>())
{
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    FItems->OnChange = [this](TStrings*) {
        if (!IsVirtual())
            RowsChanged();
    };
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox()
{
    FItems->OnChange = nullptr;
}

void TCustomListBox::SetStyle(TListBoxStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    RowsChanged();
}

int TCustomListBox::Count() const
{
    return IsVirtual() ? FCount : FItems->Count();
}

void TCustomListBox::SetCount(int Value)
{
    Value = std::max(Value, 0);
    if (Value == FCount)
        return;
    FCount = Value;
    if (IsVirtual())
        RowsChanged();
}

std::string TCustomListBox::ItemText(int Index) const
{
    if (Index < 0 || Index >= Count())
        return {};
    if (!IsVirtual())
        return FItems->Get(Index);
    std::string data;
    DoGetData(Index, data);
    return data;
}

void TCustomListBox::DoGetData(int Index, std::string& Data) const
{
    if (FOnData)
        FOnData(const_cast<TCustomListBox*>(this), Index, Data);
}

int TCustomListBox::ItemHeight() const
{
    if (FItemHeight > 0)
        return FItemHeight;
    return std::max(Canvas()->TextHeight("Wg"), 1);
}

void TCustomListBox::SetItemHeight(int Value)
{
    Value = std::max(Value, 0);
    if (Value == FItemHeight)
        return;
    FItemHeight = Value;
    RowsChanged();
}

void TCustomListBox::FontChanged()
{
    TCustomControl::FontChanged();
    Canvas()->SetFont(Font());
    if (FItemHeight == 0)
        RowsChanged();
}

void TCustomListBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= Count())
        Value = -1;
    if (Value == FItemIndex)
        return;
    FItemIndex = Value;
    if (Value >= 0)
        MakeVisible(Value);
    Invalidate();
}

void TCustomListBox::SetTopIndex(int Value)
{
    const int old = FTopIndex;
    FTopIndex = Value;
    ClampTopIndex();
    if (FTopIndex == old)
        return;
    UpdateScrollBar();
    Invalidate();
    Scrolled();
}

void TCustomListBox::Scrolled()
{
    if (FOnScroll)
        FOnScroll(this);
}

void TCustomListBox::ClampTopIndex()
{
    FTopIndex = std::clamp(FTopIndex, 0, std::max(Count() - VisibleRowCount(), 0));
}

void TCustomListBox::MakeVisible(int Index)
{
    const int rows = std::max(VisibleRowCount(), 1);
    if (Index < FTopIndex)
        SetTopIndex(Index);
    else if (Index >= FTopIndex + rows)
        SetTopIndex(Index - rows + 1);
}

int TCustomListBox::VisibleRowCount() const
{
    return std::max(ClientRect().Height(), 0) / ItemHeight();
}

int TCustomListBox::ItemAtPos(const TPoint& Pos, bool Existing) const
{
    const TRect client = ClientRect();
    const int index = FTopIndex + (Pos.Y - client.Top) / ItemHeight();
    if (Pos.Y < client.Top || index >= Count() || !PtInRect(client, Pos))
        return Existing ? -1 : Count();
    return index;
}

TRect TCustomListBox::ItemRect(int Index) const
{
    const TRect client = ClientRect();
    const int top = client.Top + (Index - FTopIndex) * ItemHeight();
    return Rect(client.Left, top, client.Right, top + ItemHeight());
}

int TCustomListBox::SelectString(const std::string& Prefix)
{
    const std::string upper = AnsiUpperCase(Prefix);
    for (int i = 0; i < Count(); ++i) {
        const std::string text = AnsiUpperCase(ItemText(i));
        if (text.compare(0, upper.size(), upper) == 0) {
            SetItemIndex(i);
            return i;
        }
    }
    return -1;
}

void TCustomListBox::SetFrame(TListBoxFrame Value)
{
    if (Value == FFrame)
        return;
    FFrame = Value;
    RowsChanged();
}

int TCustomListBox::FrameWidth() const
{
    switch (FFrame) {
    case lfNone: return 0;
    case lfSingle: return 1;
    default: return 2;
    }
}

void TCustomListBox::SetAutoScrollBar(bool Value)
{
    if (Value == FAutoScrollBar)
        return;
    FAutoScrollBar = Value;
    RowsChanged();
}

void TCustomListBox::SetDrawFocused(bool Value)
{
    FDrawFocused = Value;
    Invalidate();
}

TRect TCustomListBox::ClientRect() const
{
    const int frame = FrameWidth();
    TRect r = Rect(frame, frame, Width() - frame, Height() - frame);
    if (FScrollBar && FScrollBar->Visible())
        r.Right -= FScrollBar->Width();
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

void TCustomListBox::RowsChanged()
{
    if (FItemIndex >= Count())
        FItemIndex = -1;
    UpdateScrollBar();
    ClampTopIndex();
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::Resize()
{
    TCustomControl::Resize();
    RowsChanged();
}

void TCustomListBox::UpdateScrollBar()
{
    const int frame = FrameWidth();
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    const int height = std::max(Height() - 2 * frame, 0);
    const int rows = std::max(height / ItemHeight(), 1);
    const bool needed = FAutoScrollBar && Count() > rows;
    if (!FScrollBar && !needed)
        return;
    if (!FScrollBar) {
        // Made on first need, so that the list's own window exists by then.
        FScrollBar = new TScrollBar(this);
        FScrollBar->SetKind(sbVertical);
        FScrollBar->SetParent(this);
        FScrollBar->SetOnChange([this](TObject*) {
            if (!FUpdatingScrollBar)
                SetTopIndex(FScrollBar->Position());
        });
    }
    FUpdatingScrollBar = true;
    if (needed) {
        FScrollBar->SetBounds(Width() - frame - width, frame, width, height);
        FScrollBar->SetParams(FTopIndex, 0, Count() - 1);
        FScrollBar->SetPageSize(rows);
        FScrollBar->SetLargeChange(rows);
    }
    FScrollBar->SetVisible(needed);
    FUpdatingScrollBar = false;
}

void TCustomListBox::PaintFrame()
{
    TRect r = Rect(0, 0, Width(), Height());
    switch (FFrame) {
    case lfNone: break;
    case lfSingle:
        Canvas()->Brush()->SetColor(clWindowFrame);
        Canvas()->FrameRect(r);
        break;
    case lfRaised: Canvas()->DrawEdge(r, EDGE_RAISED, BF_RECT); break;
    case lfSunken: Canvas()->DrawEdge(r, EDGE_SUNKEN, BF_RECT); break;
    }
}

void TCustomListBox::Paint()
{
    PaintFrame();
    const TRect client = ClientRect();
    Canvas()->SaveState();
    Canvas()->IntersectClipRect(client);
    const bool focused = Focused() || FDrawFocused;
    const int rows = VisibleRowCount() + 1;
    for (int i = FTopIndex; i < Count() && i < FTopIndex + rows; ++i) {
        TOwnerDrawState state;
        if (i == FItemIndex) {
            state.Include(odSelected);
            if (focused)
                state.Include(odFocused);
        }
        if (!Enabled())
            state.Include(odDisabled);
        Canvas()->SetFont(Font());
        Canvas()->Brush()->SetColor(state.Contains(odSelected) ? clHighlight : Color());
        Canvas()->Font()->SetColor(state.Contains(odSelected) ? clHighlightText : Font()->Color());
        DrawItem(i, ItemRect(i), state);
    }
    const int bottom = ItemRect(std::min(Count(), FTopIndex + rows)).Top;
    if (bottom < client.Bottom) {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(Rect(client.Left, std::max(bottom, client.Top), client.Right, client.Bottom));
    }
    Canvas()->RestoreState();
}

void TCustomListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    const bool ownerDraw = FStyle == lbOwnerDrawFixed || FStyle == lbOwnerDrawVariable || FStyle == lbVirtualOwnerDraw;
    if (ownerDraw && FOnDrawItem) {
        FOnDrawItem(this, Index, Rect, State);
    } else {
        Canvas()->FillRect(Rect);
        TRect text = Rect;
        text.Left += 2;
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->DrawText(ItemText(Index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        Canvas()->Brush()->SetStyle(bsSolid);
    }
    if (State.Contains(odFocused))
        Canvas()->DrawFocusRect(Rect);
}

void TCustomListBox::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const int rows = std::max(VisibleRowCount(), 1);
    int index = FItemIndex;
    switch (Key) {
    case VK_UP: index = std::max(index - 1, 0); break;
    case VK_DOWN: index = std::min(index + 1, Count() - 1); break;
    case VK_PRIOR: index = std::max(index - rows + 1, 0); break;
    case VK_NEXT: index = std::min(std::max(index, 0) + rows - 1, Count() - 1); break;
    case VK_HOME: index = 0; break;
    case VK_END: index = Count() - 1; break;
    default: return;
    }
    Key = 0;
    if (Count() > 0)
        SetItemIndex(index);
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        const int index = ItemAtPos(Point(X, Y), true);
        if (index >= 0)
            SetItemIndex(index);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    if (Shift.Contains(ssLeft) && GetCaptureControl() == this) {
        const TRect client = ClientRect();
        if (Y < client.Top)
            SetItemIndex(std::max(FTopIndex - 1, 0));
        else if (Y >= client.Bottom)
            SetItemIndex(std::min(FTopIndex + VisibleRowCount(), Count() - 1));
        else if (const int index = ItemAtPos(Point(X, Y), true); index >= 0)
            SetItemIndex(index);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomListBox::MouseWheel(int Delta)
{
    if (Delta < 0)
        SetTopIndex(FTopIndex + 1);
    else if (Delta > 0)
        SetTopIndex(FTopIndex - 1);
}

void TCustomListBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEWHEEL) {
        MouseWheel(static_cast<int16_t>(HiWord(Message.WParam)));
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}
