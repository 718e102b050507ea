// The check box's messages: the mouse pressing and releasing it, Space,
// Backspace and Esc, the pointer over it, focus and leaving it, the
// desktop's colours changing.
#include "dbcontrols/buttoncache.h"
#include "dbcontrols/dbcheckboxlt.h"

void TCustomDBCheckBoxLt::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!Focused() && !TakeFocusForPress())
            return;
        FMousePressed = true;
        FMouseAbove = PtInRect(ClientRect(), PointFromLParam(Message.LParam));
        Invalidate();
        TCustomControl::Dispatch(Message);
        return;
    case WM_MOUSEMOVE:
        if (FMousePressed) {
            const bool above = PtInRect(ClientRect(), PointFromLParam(Message.LParam));
            if (above != FMouseAbove) {
                FMouseAbove = above;
                Invalidate();
            }
        }
        break;
    case WM_LBUTTONUP: {
        const bool click = FMousePressed && PtInRect(ClientRect(), PointFromLParam(Message.LParam));
        EndPress();
        TCustomControl::Dispatch(Message);
        if (click)
            ToggleState();
        return;
    }
    case WM_CANCELMODE:
    case CM_CANCELMODE:
        if (GetCaptureControl() == this)
            ReleaseCapture();
        EndPress();
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FMouseAbove = Message.Msg == CM_MOUSEENTER;
        Invalidate();
        break;
    case WM_SETFOCUS:
        Invalidate();
        break;
    case CM_SYSCOLORCHANGE:
        FlushButtonBitmapCache();
        Invalidate();
        break;
    case WM_KILLFOCUS:
        FSpacePressed = false;
        Invalidate();
        break;
    case CM_WANTSPECIALKEY:
        if (static_cast<unsigned>(Message.WParam) == VK_ESCAPE && FModified) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_GETDATALINK:
        Message.Result = reinterpret_cast<LRESULT>(FieldLink());
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

bool TCustomDBCheckBoxLt::TakeFocusForPress()
{
    if (!CanFocus())
        return false;
    FClicksDisabled = true;
    try {
        SetFocus();
    } catch (...) {
        FClicksDisabled = false;
        throw;
    }
    FClicksDisabled = false;
    return Focused();
}

void TCustomDBCheckBoxLt::EndPress()
{
    if (!FMousePressed)
        return;
    FMousePressed = false;
    Invalidate();
}

void TCustomDBCheckBoxLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_SPACE:
        FFieldLink->StartEditing();
        if (!FSpacePressed) {
            FSpacePressed = true;
            Invalidate();
        }
        break;
    case VK_BACK:
        FFieldLink->StartEditing();
        break;
    case VK_ESCAPE:
        FFieldLink->Revert();
        break;
    default:
        break;
    }
}

void TCustomDBCheckBoxLt::KeyUp(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key != VK_SPACE || !FSpacePressed)
        return;
    FSpacePressed = false;
    ToggleState();
    Invalidate();
}

void TCustomDBCheckBoxLt::DoExit()
{
    TCustomControl::DoExit();
    try {
        FFieldLink->UpdateDataLt();
    } catch (...) {
        SetFocus();
        throw;
    }
}

void TCustomDBCheckBoxLt::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TCustomDBCheckBoxLt::Resize()
{
    TCustomControl::Resize();
    Invalidate();
}
