// The data grid editor's recently used texts: the column's list drops down
// while the operator types, offers the entries that begin with the text and
// writes the chosen one into the cell.
#include <algorithm>

#include "dbcontrols/dropdownplace.h"
#include "dbcontrols/mrulistboxlt.h"
#include "dbcontrols/mrulistlt.h"
#include "dbcontrols/sizegriplt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/editor/dbgridinplaceedit.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/strutils.h"

TMRUListboxLt* TDBGridInplaceEdit::CreateMRUListControl()
{
    auto* list = new TMRUListboxLt(this);   // owned by the editor
    list->SetVisible(false);
    list->SetParent(this);
    return list;
}

bool TDBGridInplaceEdit::MRUListDroppedDown() const
{
    return FMRUListControl && FMRUListControl->Visible() && FMRUList && FMRUList->DroppedDown();
}

void TDBGridInplaceEdit::UserChange()
{
    if (!FMRUList || !FMRUList->Active() || !Showing() || FListShown)
        return;
    const std::string empty = IsMasked() ? Utf32ToUtf8(Mask().EmptyText()) : std::string();
    if (EditText() == empty) {
        CloseUpMRUList(false);
        return;
    }
    DropDownMRUList();
}

void TDBGridInplaceEdit::DropDownMRUList()
{
    if (!FMRUList)
        return;
    if (!FMRUListControl) {
        FMRUListControl = CreateMRUListControl();
        TSizeGripLt* grip = FMRUListControl->SizeGrip();
        TNotifyEvent chained = grip->OnParentResized();
        grip->SetOnParentResized([this, chained](TObject* Sender) {
            if (chained)
                chained(Sender);
            MRUListResized();
        });
        FMRUListControl->SetOnMouseUp([this](TObject*, TMouseButton, TShiftState, int X, int Y) {
            CloseUpMRUList(PtInRect(FMRUListControl->ClientRect(), TPoint{X, Y}));
        });
    }
    const bool wasShown = MRUListDroppedDown();
    TStringList matching;
    FMRUList->CollectMatchingItems(&matching, Text());
    matching.Sort();
    FMRUListControl->Items()->Assign(&matching);
    const int count = FMRUListControl->Items()->Count();
    if (count == 0) {
        if (wasShown)
            CloseUpMRUList(false);
        return;
    }
    if (!wasShown) {
        FMRUListControl->SetColor(Color());
        FMRUListControl->SetFont(Font());
        TCanvas canvas;
        canvas.SetFont(Font());
        FMRUListControl->SetItemHeight(canvas.TextHeight("Wg"));
        FMRUListControl->SetItemIndex(-1);
    }
    FMRUListControl->SetRowCount(std::min(FMRUList->Rows(), count));
    FMRUListControl->SetWidth(std::max(Width(), FMRUList->PopupWidth()));
    TPoint topLeft;
    PlaceDropDownBelowEditor(this, FMRUListControl, daLeft, topLeft);
    FMRUListControl->SetBounds(topLeft.X, topLeft.Y, FMRUListControl->Width(), FMRUListControl->Height());
    FMRUListControl->SizeGrip()->ShowGrip(true);
    FMRUList->SetDroppedDown(true);
    FMRUListControl->Show();
    FMRUListControl->SetSizeGripResized(false);
}

void TDBGridInplaceEdit::CloseUpMRUList(bool Accept)
{
    if (!MRUListDroppedDown())
        return;
    if (GetCaptureControl() == FMRUListControl)
        ReleaseCapture();
    const int index = FMRUListControl->ItemIndex();
    const std::string chosen = index >= 0 ? FMRUListControl->Items()->Get(index) : std::string();
    FMRUListControl->Hide();
    FMRUList->SetDroppedDown(false);
    TCustomDBGridLt* grid = DBGrid();
    if (!Accept || index < 0 || ReadOnly() || !grid || !grid->DataLink()->Edit())
        return;
    grid->DataLink()->CellModified();
    SetTextFromCode(chosen);
    TellGridText();
    SelectAll();
}

void TDBGridInplaceEdit::MRUListResized()
{
    if (!FMRUListControl || FMRUListControl->ItemHeight() <= 0)
        return;
    FMRUList->SetRows((FMRUListControl->Height() - FMRUListControl->BorderHeight()) / FMRUListControl->ItemHeight());
    FMRUList->SetPopupWidth(FMRUListControl->Width());
}
