// The editor's messages: keys, characters, dialog codes, the mouse over the
// buttons and the image, the border lighting up, focus loss.
#include "dbcontrols/buttoncache.h"
#include "dbcontrols/dbeditlt.h"
#include "dbcontrols/doubleclick.h"
#include "dbcontrols/mrulistboxlt.h"
#include "platform/rtl/clocks.h"
#include "platform/ui/beep.h"
#include "platform/ui/shortcuts.h"
#include "platform/ui/widgetbridge.h"

namespace {
bool IsMRUNavigationKey(unsigned Key, TShiftState Shift)
{
    if (Shift.Contains(ssAlt))
        return false;
    if (Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT)
        return true;
    return Shift.Contains(ssCtrl) && (Key == VK_HOME || Key == VK_END);
}
} // namespace

void TCustomDBEditLt::WndProc(TMessage& Message)
{
    if (FInplaceHolderIntf) {
        FInplaceHolderIntf->EditorMessage(this, Message);
        if (Message.Result != 0)
            return;
    }
    if (MRUListDroppedDown() && RouteToMRUPopup(Message))
        return;
    TCustomMaskEdit::WndProc(Message);
}

bool TCustomDBEditLt::RouteToMRUPopup(TMessage& Message)
{
    const TShiftState shift = KeyboardShiftState();
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_CHAR: {
        const auto key = static_cast<unsigned>(Message.WParam);
        if (Message.Msg == WM_KEYDOWN && key == VK_RETURN) {
            CloseUpMRUList(true);
            return true;
        }
        if (Message.Msg == WM_KEYDOWN && key == VK_ESCAPE) {
            CloseUpMRUList(false);
            return true;
        }
        if (Message.Msg == WM_CHAR)
            // Characters are typed text: '&', '(', '!' and '"' share their
            // codes with the arrow and page keys and must reach the editor.
            return key == VK_RETURN || key == VK_ESCAPE;
        if (!IsMRUNavigationKey(key, shift))
            return false;
        FMRUPopup->Perform(WM_KEYDOWN, key, 0);
        return true;
    }
    case WM_MOUSEWHEEL:
        FMRUPopup->Perform(Message.Msg, Message.WParam, Message.LParam);
        return true;
    default:
        return false;
    }
}

void TCustomDBEditLt::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_EDITIMAGECHANGEDLT:
        RecreateEditorWindow();
        return;
    case CM_BUTTONMENUCLOSEDLT:
        return;
    case WM_PAINT:
        if (PaintsItsText()) {
            PaintItsText();
            return;
        }
        break;
    case WM_NCPAINT:
        PaintFrameAndMarks();
        return;
    case WM_GETDLGCODE: {
        unsigned code = DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (FWantTabs)
            code |= DLGC_WANTTAB;
        if (FWantReturns)
            code |= DLGC_WANTALLKEYS;
        if (FInplaceHolder && (static_cast<unsigned>(FInplaceHolder->Perform(WM_GETDLGCODE)) & DLGC_WANTTAB))
            code |= DLGC_WANTTAB;
        Message.Result = static_cast<LRESULT>(code);
        return;
    }
    case CM_WANTSPECIALKEY: {
        const auto key = static_cast<unsigned>(Message.WParam);
        const bool listChoosing = MRUListDroppedDown() && FMRUPopup->ItemIndex() >= 0;
        Message.Result = ((key == VK_RETURN || key == VK_ESCAPE) && listChoosing) || (key == VK_ESCAPE && Modified());
        return;
    }
    case WM_CHAR:
        HandleCharMessage(Message);
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FMouseAbove = Message.Msg == CM_MOUSEENTER;
        RefreshBorderActive();
        break;
    case CM_SYSCOLORCHANGE:
        FlushButtonBitmapCache();
        for (const TEditButtonControlRec& rec : FButtonControls)
            rec.EditButtonControl->Invalidate();
        Invalidate();
        break;
    case CM_HINTSHOW:
        HandleHintShow(Message);
        return;
    case CM_GETDATALINK:
        Message.Result = reinterpret_cast<LRESULT>(FieldLink());
        return;
    case CM_SHOWINGCHANGED:
        if (FInplaceHolder)
            return;
        break;
    case WM_KILLFOCUS:
        for (const TEditButtonControlRec& rec : FButtonControls)
            if (GetCaptureControl() == rec.EditButtonControl)
                ReleaseCapture();
        break;
    case WM_LBUTTONDOWN:
        if (FInplaceHolderIntf) {
            TPoint last;
            int lastTime = 0;
            FInplaceHolderIntf->GetLastMouseDown(last, lastTime);
            const TPoint pos = ClientToScreen(
                TPoint{static_cast<int16_t>(LoWord(Message.LParam)), static_cast<int16_t>(HiWord(Message.LParam))});
            if (MatchesDoubleClick(last, pos, static_cast<int>(GetTickCount() - static_cast<uint32_t>(lastTime)))) {
                TMessage dbl{WM_LBUTTONDBLCLK, Message.WParam, Message.LParam, 0};
                TCustomMaskEdit::Dispatch(dbl);
                return;
            }
        }
        [[fallthrough]];
    case WM_MOUSEMOVE:
        if (GetCaptureControl() != this &&
            InButtonOrImageArea(static_cast<int16_t>(LoWord(Message.LParam)), static_cast<int16_t>(HiWord(Message.LParam)))) {
            SetCursor(crArrow);
            return;
        }
        if (Message.Msg == WM_MOUSEMOVE)
            SetCursor(crDefault);
        break;
    default:
        break;
    }
    TCustomMaskEdit::Dispatch(Message);
}

bool TCustomDBEditLt::InButtonOrImageArea(int X, int Y) const
{
    const TRect client = InnerClientRect();
    if (!PtInRect(client, TPoint{X, Y}))
        return false;
    return X >= client.Right - FButtonsWidth || X < client.Left + FImageWidth;
}

void TCustomDBEditLt::HandleCharMessage(TMessage& Message)
{
    auto ch = static_cast<char32_t>(Message.WParam);
    KeyPress(ch);
    if (ch == 0)
        return;
    if ((ch == U'\r' && !FWantReturns) || (ch == U'\t' && !FWantTabs) || ch == U'\n')
        return;
    Message.WParam = ch;
    DefaultHandler(Message);
}

void TCustomDBEditLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (FInplaceHolderIntf) {
        FInplaceHolderIntf->EditorKeyDown(this, Key, Shift);
        if (Key == 0)
            return;
    }
    const bool ctrlOnly = Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
    const bool editingKey = Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift)) ||
                            (ctrlOnly && (Key == 'V' || Key == 'X' || Key == 'Z'));
    if (editingKey)
        StartEditingLt();
    const std::string before = EditText();
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (EditText() != before)
        TypedTextChanged();
    if (Key == 0)
        return;
    if (ShortCutPressesButton(Key, Shift)) {
        Key = 0;
        return;
    }
    if (ctrlOnly && Key == 'A') {
        SelectAll();
        Key = 0;
    }
}

void TCustomDBEditLt::KeyPress(char32_t& Key)
{
    if (FInplaceHolderIntf) {
        FInplaceHolderIntf->EditorKeyPress(this, Key);
        if (Key == 0)
            return;
    }
    if (!IsUnbound() && Key > 31 && !AcceptsChar(Key)) {
        MessageBeep(0);
        Key = 0;
        return;
    }
    // Every printable character starts editing, letters beyond Latin-1
    // included.
    if (Key == 8 || Key == 22 || Key == 24 || Key >= 32)
        StartEditingLt();
    if (Key == 27) {
        FieldLink()->Revert();
        SelectAll();
        Key = 0;
        return;
    }
    if (Key == 8 && EditText() == EmptyMaskText() && FMRUList->Active() && Showing() && !FDroppedDown)
        DropDownMRUList();
    const std::string before = EditText();
    TCustomMaskEdit::KeyPress(Key);
    if (EditText() != before)
        TypedTextChanged();
}

void TCustomDBEditLt::KeyUp(unsigned& Key, TShiftState Shift)
{
    if (FInplaceHolderIntf) {
        FInplaceHolderIntf->EditorKeyUp(this, Key, Shift);
        if (Key == 0)
            return;
    }
    TCustomMaskEdit::KeyUp(Key, Shift);
}

bool TCustomDBEditLt::DispatchDropDownMessage(TMessage& Message, TControl* Popup,
                                              const std::function<void(bool Up)>& Step)
{
    switch (Message.Msg) {
    case WM_MOUSEWHEEL: {
        if (Popup) {
            Popup->Perform(Message.Msg, Message.WParam, Message.LParam);
            Message.Result = 1;
            return true;
        }
        const auto delta = static_cast<int16_t>(HiWord(Message.WParam));
        const TShiftState shift = MouseShiftState(Message.WParam);
        if (delta == 0 || shift.Contains(ssShift) || ReadOnly() || !StartEditingLt())
            return false;
        Step(delta > 0);
        Message.Result = 1;
        return true;
    }
    case CM_EXIT:
        CloseUp(false);
        return false;
    case CM_WANTSPECIALKEY:
        if (Popup && (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE)) {
            Message.Result = 1;
            return true;
        }
        return false;
    default:
        return false;
    }
}
