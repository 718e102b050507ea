#include "dbcontrols/popuplistboxlt.h"

#include <algorithm>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/sizegriplt.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/clocks.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/popupwindow.h"
#include "platform/ui/sysmetrics.h"

LT_IMPLEMENT_CLASS(TPopupListboxLt, TCustomListBox) {}

namespace {
constexpr uint32_t kSearchTimeout = 2000;   // ms between keys of one search
constexpr std::size_t kSearchMaxLength = 32;

std::string ToUtf8(const std::u32string& Text)
{
    std::string out;
    for (const char32_t c : Text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
} // namespace

TPopupListboxLt::TPopupListboxLt(TComponent* AOwner) : TCustomListBox(AOwner), FClock(GetTickCount)
{
    SetStyle(lbOwnerDrawFixed);
    SetTabStop(false);
    SetVisible(false);
    SetFrame(lfRaised);
    SetDrawFocused(true);
    FImageList.SetOnFreed([this] { Invalidate(); });
    FSizeGrip = new TSizeGripLt(this);
    FSizeGrip->SetParent(this);
    FSizeGrip->MoveToCorner();
}

QWidget* TPopupListboxLt::CreateWidget()
{
    QWidget* widget = TCustomListBox::CreateWidget();
    MakePopupWindow(widget, TPopupActivation::NoActivate);
    return widget;
}

void TPopupListboxLt::SetSourceItems(TStrings* Value)
{
    FSourceItems = Value;
    if (Value) {
        SetStyle(lbVirtualOwnerDraw);
        SetCount(Value->Count());
    } else {
        SetStyle(lbOwnerDrawFixed);
    }
    Invalidate();
}

void TPopupListboxLt::DoGetData(int Index, std::string& Data) const
{
    if (FSourceItems && Index >= 0 && Index < FSourceItems->Count())
        Data = FSourceItems->Get(Index);
    else
        TCustomListBox::DoGetData(Index, Data);
}

void TPopupListboxLt::SetImageList(TCustomImageList* Value)
{
    FImageList.Set(Value);
    Invalidate();
}

void TPopupListboxLt::SetCtl3D(bool Value)
{
    if (Value == FCtl3D)
        return;
    FCtl3D = Value;
    SetFrame(Value ? lfRaised : lfSingle);
}

int TPopupListboxLt::BorderHeight() const
{
    return 2 * FrameWidth();
}

void TPopupListboxLt::SetRowCount(int Rows)
{
    SetHeight(std::max(Rows, 1) * ItemHeight() + BorderHeight());
}

void TPopupListboxLt::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, GetSystemMetrics(SM_CXVSCROLL));
    AHeight = std::max(AHeight, GetSystemMetrics(SM_CXVSCROLL));
    const int border = BorderHeight();
    const int rows = std::max((AHeight - border) / ItemHeight(), 1);
    FRowCount = rows;
    TCustomListBox::SetBounds(ALeft, ATop, AWidth, border + rows * ItemHeight());
}

void TPopupListboxLt::Resize()
{
    TCustomListBox::Resize();
    if (FSizeGrip)
        FSizeGrip->MoveToCorner();
    FSizeGripResized = true;
}

void TPopupListboxLt::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    TCustomImageList* images = FImageList.Get();
    if (!images) {
        TCustomListBox::DrawItem(Index, Rect, State);
        return;
    }
    int imageIndex = Index;
    if (FOnGetImageIndex)
        FOnGetImageIndex(this, Index, imageIndex);
    const TRect imageRect = ::Rect(Rect.Left, Rect.Top, Rect.Left + images->Width() + 4, Rect.Bottom);
    TRect textRect = ::Rect(imageRect.Right, Rect.Top, Rect.Right, Rect.Bottom);
    TCanvas* c = Canvas();
    const TColor textBrush = c->Brush()->Color();
    c->Brush()->SetColor(Color());
    c->FillRect(imageRect);
    PaintImageCentered(c, imageRect, images, State.Contains(odSelected), imageIndex);
    c->Brush()->SetColor(textBrush);
    c->TextRect(textRect, Rect.Left + images->Width() + 5, Rect.Top, ItemText(Index));
    if (State.Contains(odFocused))
        c->DrawFocusRect(textRect);
}

void TPopupListboxLt::KeyPress(char32_t& Key)
{
    TCustomListBox::KeyPress(Key);
    if (Key == VK_BACK || Key == VK_ESCAPE) {
        FSearchText.clear();
        return;
    }
    // Printable characters; the ANSI range of old is every letter here.
    if (Key < 32 || Key == 127)
        return;
    const uint32_t now = FClock();
    if (now - FLastKeyTick > kSearchTimeout)
        FSearchText.clear();
    FLastKeyTick = now;
    if (FSearchText.size() < kSearchMaxLength)
        FSearchText += Key;
    SelectString(ToUtf8(FSearchText));
    Key = 0;
}

void TPopupListboxLt::MouseMove(TShiftState Shift, int X, int Y)
{
    const bool anyButton = Shift.Contains(ssLeft) || Shift.Contains(ssRight) || Shift.Contains(ssMiddle);
    if (!anyButton && Point(X, Y) != FLastMousePos) {
        FLastMousePos = Point(X, Y);
        const int index = ItemAtPos(FLastMousePos, true);
        if (index >= 0)
            SetItemIndex(index);
    }
    TCustomListBox::MouseMove(Shift, X, Y);
}

void TPopupListboxLt::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_DROPDOWNSIDE) {
        FSizeGrip->MoveToSide(static_cast<int>(Message.WParam));
        return;
    }
    TCustomListBox::Dispatch(Message);
}
