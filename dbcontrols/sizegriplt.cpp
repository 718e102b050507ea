#include "dbcontrols/sizegriplt.h"

#include <algorithm>
#include <climits>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/application.h"
#include "platform/ui/sysmetrics.h"
#include "platform/ui/windowregion.h"

LT_IMPLEMENT_CLASS(TSizeGripLt, TCustomControl) {}

namespace {
bool IsRightCorner(int Position)
{
    return Position == 1 || Position == 2;
}

bool IsBottomCorner(int Position)
{
    return Position == 2 || Position == 3;
}

// One axis of the parent while its grip is dragged by Delta: the grip on
// the far edge (right, bottom) moves that edge, else the near one; the other
// edge stays, and the moved one stops at the work area (Low to High).
struct TSpan {
    int Start;
    int Length;
};

TSpan DraggedSpan(bool FarEdge, int Start, int End, int PressedLength, int Delta, int Low, int High)
{
    if (FarEdge)
        return {Start, std::min(PressedLength + Delta, High - Start)};
    const int length = std::min(PressedLength - Delta, End - Low);
    return {End - length, length};
}

TRect WorkArea()
{
    if (Screen)
        return Screen->WorkAreaRect();
    return Rect(INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2);
}
} // namespace

TSizeGripLt::TSizeGripLt(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clBtnFace);
    TCustomControl::SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CXVSCROLL));
    UpdateShape();
}

void TSizeGripLt::SetPosition(int Value)
{
    Value = std::clamp(Value, 0, 3);
    if (Value == FPosition)
        return;
    FPosition = Value;
    UpdateShape();
    Invalidate();
}

void TSizeGripLt::SetTriangleShape(bool On)
{
    if (On == FTriangleShape)
        return;
    FTriangleShape = On;
    UpdateShape();
    Invalidate();
}

void TSizeGripLt::UpdateShape()
{
    const int w = Width(), h = Height();
    if (FTriangleShape) {
        switch (FPosition) {
        case 0: SetWindowPolygonRegion(this, {{w - 1, 0}, {0, 0}, {0, h - 1}}); break;
        case 1: SetWindowPolygonRegion(this, {{w, h - 1}, {w, 0}, {1, 0}}); break;
        case 2: SetWindowPolygonRegion(this, {{0, h}, {w, h}, {w, 0}}); break;
        default: SetWindowPolygonRegion(this, {{w, h}, {0, h}, {0, 0}}); break;
        }
    } else {
        ClearWindowRegion(this);
    }
    MoveToCorner();
    SetCursor(FPosition == 0 || FPosition == 2 ? crSizeNWSE : crSizeNESW);
}

void TSizeGripLt::MoveToCorner()
{
    if (!Parent())
        return;
    const TRect client = Parent()->ClientRect();
    const int left = IsRightCorner(FPosition) ? client.Right - Width() : client.Left;
    const int top = IsBottomCorner(FPosition) ? client.Bottom - Height() : client.Top;
    FInternalMove = true;
    TCustomControl::SetBounds(left, top, Width(), Height());
    FInternalMove = false;
}

void TSizeGripLt::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const bool resized = AWidth != Width() || AHeight != Height();
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FInternalMove)
        return;
    if (resized)
        UpdateShape();
    else
        MoveToCorner();
}

void TSizeGripLt::MoveToSide(int Side)
{
    static constexpr int kTurn[4][4] = {
        // position 0, 1, 2, 3 after side 0 (right edge kept), 1, 2, 3
        {0, 0, 3, 3}, // side 0: 1 -> 0, 2 -> 3
        {1, 1, 2, 2}, // side 1: 0 -> 1, 3 -> 2
        {0, 1, 1, 0}, // side 2: 2 -> 1, 3 -> 0
        {3, 2, 2, 3}, // side 3: 1 -> 2, 0 -> 3
    };
    if (Side < 0 || Side > 3)
        return;
    SetPosition(kTurn[Side][FPosition]);
}

void TSizeGripLt::ShowGrip(bool Show)
{
    SetVisible(Show);
    if (Show) {
        MoveToCorner();
        BringToFront();
    }
}

void TSizeGripLt::Paint()
{
    TCanvas* c = Canvas();
    const int w = Width(), h = Height();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, w, h));
    // Lines parallel to the long side, from it towards the corner: one
    // light, two dark, one in the face colour, every four pixels.
    static constexpr TColor kColors[4] = {clBtnHighlight, clBtnShadow, clBtnShadow, clBtnFace};
    const bool mirrorX = !IsRightCorner(FPosition);
    const bool mirrorY = !IsBottomCorner(FPosition);
    auto at = [&](int x, int y) { return Point(mirrorX ? w - 1 - x : x, mirrorY ? h - 1 - y : y); };
    const int size = std::max(w, h);
    for (int s = 0; s < size; ++s) {
        c->Pen()->SetColor(kColors[s % 4]);
        // The line x + y = size - 1 + s, from the bottom edge to the right edge.
        const TPoint from = at(s, size - 1);
        const TPoint to = at(size - 1, s);
        const TPoint past = at(size, s - 1);
        c->MoveTo(from.X, from.Y);
        c->LineTo(past.X, past.Y);
        c->SetPixels(to.X, to.Y, kColors[s % 4]);
    }
}

void TSizeGripLt::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && Parent()) {
        FPressPoint = ClientToScreen(Point(X, Y));
        FParentSize = {Parent()->Width(), Parent()->Height()};
        FLastPos = FPressPoint;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TSizeGripLt::MouseMove(TShiftState Shift, int X, int Y)
{
    if (Shift.Contains(ssLeft) && GetCaptureControl() == this && Parent()) {
        const TPoint pos = ClientToScreen(Point(X, Y));
        if (pos != FLastPos) {
            FLastPos = pos;
            DragTo(pos);
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TSizeGripLt::DragTo(const TPoint& ScreenPos)
{
    TWinControl* parent = Parent();
    const TRect work = WorkArea();
    const int right = parent->Left() + parent->Width(), bottom = parent->Top() + parent->Height();
    const TSpan x = DraggedSpan(IsRightCorner(FPosition), parent->Left(), right, FParentSize.cx,
                                ScreenPos.X - FPressPoint.X, work.Left, work.Right);
    const TSpan y = DraggedSpan(IsBottomCorner(FPosition), parent->Top(), bottom, FParentSize.cy,
                                ScreenPos.Y - FPressPoint.Y, work.Top, work.Bottom);
    const TSize before{parent->ClientWidth(), parent->ClientHeight()};
    parent->SetBounds(x.Start, y.Start, x.Length, y.Length);
    // The parent may round its size (lists keep whole rows): the edge
    // opposite the grip stays where it was.
    if (!IsBottomCorner(FPosition) && parent->Height() != y.Length)
        parent->SetBounds(parent->Left(), bottom - parent->Height(), parent->Width(), parent->Height());
    if (!IsRightCorner(FPosition) && parent->Width() != x.Length)
        parent->SetBounds(right - parent->Width(), parent->Top(), parent->Width(), parent->Height());
    if (parent->ClientWidth() != before.cx || parent->ClientHeight() != before.cy) {
        if (FOnParentResized)
            FOnParentResized(this);
    }
    MoveToCorner();
}
