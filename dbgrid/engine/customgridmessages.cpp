// The grid's window messages: size, scroll requests, keys it claims,
// typed characters, the wheel, focus and cancel mode.
#include <algorithm>

#include "dbgrid/engine/customgridlt.h"
#include "dbgrid/engine/inplaceedit.h"

void TCustomGridLt::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        UpdateScrollBars();
        Invalidate();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        ScrollRequest(Message.Msg == WM_VSCROLL, static_cast<TScrollCode>(LoWord(Message.WParam)),
                      HiWord(Message.WParam));
        return;
    case WM_GETDLGCODE: {
        unsigned code = DLGC_WANTARROWS;
        if (!FOptions.Contains(goRowSelect)) {
            if (FOptions.Contains(goTabs))
                code |= DLGC_WANTTAB;
            if (FOptions.Contains(goEditing))
                code |= DLGC_WANTCHARS | DLGC_WANTALLKEYS;
        }
        Message.Result = static_cast<LRESULT>(code);
        return;
    }
    case WM_CHAR: {
        auto ch = static_cast<char32_t>(Message.WParam);
        KeyPress(ch);
        if (FOptions.Contains(goEditing) && (ch == VK_BACK || ch >= 32)) {
            ShowEditor();
            if (FInplaceEdit && FInplaceEdit->Visible())
                FInplaceEdit->TypeChar(ch);
        }
        return;
    }
    case WM_MOUSEWHEEL: {
        const int delta = static_cast<int16_t>(HiWord(Message.WParam));
        if (delta != 0)
            SetRow(std::clamp(FCurrent.Y + (delta < 0 ? 1 : -1), FFixedRows, FRowCount - 1));
        return;
    }
    case WM_CANCELMODE:
    case CM_CANCELMODE:
        if (Message.Msg == CM_CANCELMODE && FInplaceEdit)
            FInplaceEdit->Perform(CM_CANCELMODE);
        CancelMode();
        break;
    case WM_SETFOCUS:
        if (!FHidingEditor) {
            InvalidateCells(CellBounds(Selection()));
            UpdateEdit();
        }
        break;
    case WM_KILLFOCUS:
        InvalidateCells(CellBounds(Selection()));
        if (!FOptions.Contains(goAlwaysShowEditor) && !(FInplaceEdit && FInplaceEdit->Focused()))
            HideEditor();
        break;
    case CM_FONTCHANGED:
        if (FInplaceEdit)
            FInplaceEdit->SetFont(Font());
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TCustomGridLt::DoExit()
{
    TCustomControl::DoExit();
    if (!FOptions.Contains(goAlwaysShowEditor))
        HideEditor();
}
