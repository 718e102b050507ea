// The data grid's answers to window and component messages: the wheel
// moves the dataset, the tool tips follow the mouse, focus changes repaint
// a selected row, the parent's font and colour reach the footers, and the
// grid paints every pixel itself.
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/engine/inplaceedit.h"
#include "platform/ui/hintwindow.h"

namespace {
constexpr int kWheelDelta = 120;
} // namespace

bool TCustomDBGridLt::DispatchGridMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEWHEEL: {
        // An editor that takes the wheel gets it first.
        if (EditorMode() && InplaceEditor() && InplaceEditor()->Visible() &&
            InplaceEditor()->Perform(Message.Msg, Message.WParam, Message.LParam) != 0)
            return true;
        FWheelRest += static_cast<int16_t>(HiWord(Message.WParam));
        const int notches = FWheelRest / kWheelDelta;
        FWheelRest %= kWheelDelta;
        if (notches != 0)
            MouseWheelMove(notches);
        Message.Result = 1;
        return true;
    }
    case WM_ERASEBKGND:
        Message.Result = 1;
        return true;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
        // The grid's own drags end too; the engine drops its own after.
        CancelMouseOperation();
        return false;
    case WM_GETDLGCODE:
        TCustomGridLt::Dispatch(Message);
        if (FOptionsLt.Contains(dghPreferIncSearch))
            Message.Result |= DLGC_WANTCHARS;
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (FOptions.Contains(dgRowSelect))
            RepaintRow(Row());
        if (Message.Msg == WM_KILLFOCUS)
            HideToolTip();
        return false;
    case CM_HINTSHOW:
        if (auto* info = reinterpret_cast<THintInfo*>(Message.LParam))
            HintShow(*info);
        Message.Result = 0;
        return true;
    case WM_MOUSEMOVE: {
        const TPoint point = PointFromLParam(Message.LParam);
        TrackToolTip(point.X, point.Y);
        return false;
    }
    case CM_MOUSELEAVE:
        FToolTipCell = TGridCoordLt{-1, -1};
        HideToolTip();
        return false;
    case CM_PARENTFONTCHANGED:
        TCustomGridLt::Dispatch(Message);
        if (ParentFont()) {
            FFontFromParent = true;
            try {
                FTitleFont->Assign(Font());
                FFooterFont->Assign(Font());
            } catch (...) {
                FFontFromParent = false;
                throw;
            }
            FFontFromParent = false;
        }
        return true;
    case CM_PARENTCOLORCHANGED:
        TCustomGridLt::Dispatch(Message);
        if (ParentColor())
            SetFooterColor(Color());
        return true;
    default:
        return false;
    }
}

void TCustomDBGridLt::MouseWheelMove(int Notches)
{
    // A notch down (a negative turn) is the next record.
    if (FDataLink->Active())
        FDataLink->MoveBy(-Notches);
}
