// The editor's list of recently used texts: dropping it down while the
// user types, filling it with the matching items, closing it.
#include <QLineEdit>

#include "dbcontrols/dbeditlt.h"
#include "dbcontrols/dropdownplace.h"
#include "dbcontrols/mrulistboxlt.h"
#include "dbcontrols/sizegriplt.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/widgetbridge.h"

bool TCustomDBEditLt::MRUListDroppedDown() const
{
    return FMRUPopup && FMRUPopup->Visible() && FMRUList->DroppedDown();
}

std::string TCustomDBEditLt::EmptyMaskText() const
{
    return IsMasked() ? Utf32ToUtf8(Mask().EmptyText()) : std::string();
}

void TCustomDBEditLt::TypedTextChanged()
{
    if (MRUListDroppedDown() && EditText() == EmptyMaskText()) {
        CloseUpMRUList(false);
        return;
    }
    if (FMRUList->Active() && Showing() && Focused() && !FDroppedDown && EditText() != EmptyMaskText())
        DropDownMRUList();
}

bool TCustomDBEditLt::AcceptMRUItem(const std::string& Item) const
{
    const std::string text = Text();
    const std::u32string item32 = Utf8ToUtf32(Item);
    const std::u32string text32 = Utf8ToUtf32(text);
    if (item32.size() < text32.size())
        return false;
    const std::string head = Utf32ToUtf8(item32.substr(0, text32.size()));
    return FMRUList->CaseSensitive() ? head == text : AnsiCompareText(head, text) == 0;
}

bool TCustomDBEditLt::FillMRUPopup()
{
    // The list applies the prefix rule and its item filter and stops when a
    // key waits; a descendant's own rule then narrows the result.
    TStrings* target = FMRUPopup->Items();
    const bool complete = FMRUList->CollectMatchingItems(target, Text());
    target->BeginUpdate();
    for (int i = target->Count() - 1; i >= 0; --i)
        if (!AcceptMRUItem(target->Get(i)))
            target->Delete(i);
    target->EndUpdate();
    return complete;
}

void TCustomDBEditLt::DropDownMRUList()
{
    if (!FMRUPopup) {
        FMRUPopup = MakeMRUPopup();
        TSizeGripLt* grip = FMRUPopup->SizeGrip();
        TNotifyEvent chained = grip->OnParentResized();
        grip->SetOnParentResized([this, chained](TObject* Sender) {
            if (chained)
                chained(Sender);
            MRUPopupResized();
        });
        FMRUPopup->SetOnMouseUp([this](TObject*, TMouseButton, TShiftState, int X, int Y) {
            CloseUpMRUList(PtInRect(FMRUPopup->ClientRect(), TPoint{X, Y}));
        });
    }
    const bool wasShown = MRUListDroppedDown();
    if (!FillMRUPopup() || FMRUPopup->Items()->Count() == 0) {
        if (wasShown)
            CloseUpMRUList(false);
        return;
    }
    if (!wasShown) {
        FMRUPopup->SetColor(Color());
        FMRUPopup->SetFont(Font());
        TCanvas canvas;
        canvas.SetFont(Font());
        FMRUPopup->SetItemHeight(canvas.TextHeight("Wg"));
        FMRUPopup->SetItemIndex(-1);
    }
    const int rows = std::min(FMRUList->Rows(), FMRUPopup->Items()->Count());
    FMRUPopup->SetRowCount(rows);
    const TRect area = EditRect();
    const TPoint topLeft = ClientToScreen(TPoint{area.Left, area.Top});
    const TRect screenRect = Bounds(topLeft.X, topLeft.Y - area.Top, area.Width(), Height());
    FMRUPopup->SetBounds(0, 0, area.Width(), FMRUPopup->Height());
    TPoint place;
    PlaceDropDownWindow(screenRect, FMRUPopup, daLeft, place);
    FMRUPopup->SetBounds(place.X, place.Y, FMRUPopup->Width(), FMRUPopup->Height());
    FMRUList->SetDroppedDown(true);
    FMRUPopup->Show();
    FMRUPopup->SetSizeGripResized(false);
}

void TCustomDBEditLt::CloseUpMRUList(bool Accept)
{
    if (!MRUListDroppedDown() || FInMRUCloseUp)
        return;
    FInMRUCloseUp = true;
    if (GetCaptureControl() == FMRUPopup)
        ReleaseCapture();
    const bool popupFocused = FMRUPopup->Focused();
    const int index = FMRUPopup->ItemIndex();
    const std::string chosen = index >= 0 ? FMRUPopup->Items()->Get(index) : std::string();
    FMRUPopup->Hide();
    FMRUList->SetDroppedDown(false);
    if (popupFocused && CanFocus())
        SetFocus();
    if (Accept && index >= 0 && !FReadOnly && StartEditingLt()) {
        ApplyText(chosen);
        if (Focused())
            SelectAll();
    }
    FInMRUCloseUp = false;
}

void TCustomDBEditLt::MRUPopupResized()
{
    if (!FMRUPopup || FMRUPopup->ItemHeight() <= 0)
        return;
    FMRUList->SetRows((FMRUPopup->Height() - FMRUPopup->BorderHeight()) / FMRUPopup->ItemHeight());
    FMRUList->SetPopupWidth(FMRUPopup->Width());
}
