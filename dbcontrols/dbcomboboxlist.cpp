// The combo box's drop-down list: opening it under the combo, the keys and
// the wheel it takes while open, closing it with or without the choice.
#include <algorithm>

#include "dbcontrols/comboitems.h"
#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/dropdownplace.h"
#include "dbcontrols/popuplistboxlt.h"
#include "dbcontrols/sizegriplt.h"
#include "platform/rtl/stringlist.h"

void TCustomDBComboBoxLt::CreateList()
{
    if (FList)
        return;
    FList = PopupListFactory ? PopupListFactory(this) : new TPopupListboxLt(this);
    FList->SetParent(this);
    FList->SetOnMouseUp([this](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        if (Button == mbLeft && FListVisible)
            CloseUp(PtInRect(FList->ClientRect(), TPoint{X, Y}));
    });
    FList->SetOnGetImageIndex([this](TObject*, int Index, int& ImageIndex) {
        if (FOnGetItemImageIndex)
            FOnGetItemImageIndex(this, Index, ImageIndex);
    });
    TSizeGripLt* grip = FList->SizeGrip();
    TNotifyEvent chained = grip->OnParentResized();
    grip->SetOnParentResized([this, chained](TObject* Sender) {
        if (chained)
            chained(Sender);
        FListSizedByUser = true;
    });
    FPressWatch = std::make_unique<TMousePressWatch>([this](TControl* Pressed) { PressedWhileOpen(Pressed); });
}

void TCustomDBComboBoxLt::PressedWhileOpen(TControl* Pressed)
{
    if (!FListVisible)
        return;
    for (const TControl* c = Pressed; c; c = c->Parent())
        if (c == this || c == FList)
            return;
    CloseUp(false);
}

void TCustomDBComboBoxLt::DropDown()
{
    if (FListVisible)
        return;
    TCustomDBEditLt::DropDown();
    if (FOnDropDown)
        FOnDropDown(this);
    CreateList();
    EnsureItems();

    TCustomImageList* images = EditImage()->Images();
    FList->SetColor(Color());
    FList->SetFont(Font());
    FList->SetImageList(images);
    TCanvas canvas;
    canvas.SetFont(Font());
    int itemHeight = canvas.TextHeight("Wg");
    if (images && EditImage()->UseImageHeight() && itemHeight < images->Height() + 1)
        itemHeight = images->Height() + 1;
    FList->SetItemHeight(itemHeight);

    FList->SetSourceItems(FItems.get());
    FList->SetCount(FItemCount);
    FList->SetItemIndex(FItemIndex);

    int widest = 0;
    if (FDropDownBox->Width() == -1)
        for (int i = 0; i < FItemCount; ++i)
            widest = std::max(widest, canvas.TextWidth(FItems->Get(i)));
    const int width = ComboDropDownWidth(FDropDownBox->Width(), Width(), widest, images ? images->Width() : 0,
                                         2 * FList->FrameWidth());
    FList->SetWidth(width);
    FList->SetRowCount(ComboDropDownRows(FDropDownBox->Rows(), FItemCount));

    TPoint topLeft;
    PlaceDropDownBelowEditor(this, FList, FDropDownBox->Align(), topLeft);
    FList->SetBounds(topLeft.X, topLeft.Y, FList->Width(), FList->Height());
    FList->SizeGrip()->ShowGrip(FDropDownBox->Sizable());
    FList->Show();
    FListSizedByUser = false;
    FListVisible = true;
}

void TCustomDBComboBoxLt::CloseUp(bool Accept)
{
    if (!FListVisible)
        return;
    if (GetCaptureControl() == FList || GetCaptureControl() == this)
        ReleaseCapture();
    FList->Hide();
    if (FListSizedByUser) {
        FDropDownBox->SetRows(FList->RowCount());
        FDropDownBox->SetWidth(FList->Width());
    }
    FListVisible = false;
    TCustomDBEditLt::CloseUp(Accept);
    if (BeforeCloseUp)
        BeforeCloseUp(this, Accept);
    if (Accept && !ReadOnly() && StartEditingLt()) {
        ApplyItemIndex(FList->ItemIndex());
        if (Focused())
            SelectAll();
    }
    if (FOnCloseUp)
        FOnCloseUp(this, Accept);
}

bool TCustomDBComboBoxLt::ButtonPointOnList(TObject* Sender, int X, int Y, TPoint& OnList) const
{
    const TControl* control = ButtonControls().empty() ? nullptr : ButtonControls()[0].EditButtonControl;
    if (!FListVisible || !control || Sender != control)
        return false;
    OnList = FList->ScreenToClient(control->ClientToScreen(TPoint{X, Y}));
    return PtInRect(Rect(0, 0, FList->Width(), FList->Height()), OnList);
}

// Pressing the drop-down button and dragging onto the open list follows the
// pointer there; releasing on the list takes the item under it.
void TCustomDBComboBoxLt::ButtonControlMouseMove(TObject* Sender, TShiftState Shift, int X, int Y)
{
    TCustomDBEditLt::ButtonControlMouseMove(Sender, Shift, X, Y);
    TPoint onList;
    if (!Shift.Contains(ssLeft) || !ButtonPointOnList(Sender, X, Y, onList))
        return;
    FDraggedIntoList = true;
    const int index = FList->ItemAtPos(onList, true);
    if (index >= 0)
        FList->SetItemIndex(index);
}

void TCustomDBComboBoxLt::ButtonControlMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomDBEditLt::ButtonControlMouseUp(Sender, Button, Shift, X, Y);
    if (!FDraggedIntoList || Button != mbLeft)
        return;
    FDraggedIntoList = false;
    TPoint onList;
    const bool onTheList = ButtonPointOnList(Sender, X, Y, onList);
    if (FListVisible)
        CloseUp(onTheList && PtInRect(FList->ClientRect(), onList));
}

// While the list is open, the keys that move through it go to it.
bool TCustomDBComboBoxLt::RouteKeyToList(TMessage& Message)
{
    if (!FListVisible || (Message.Msg != WM_KEYDOWN && Message.Msg != WM_CHAR))
        return false;
    const auto key = static_cast<unsigned>(Message.WParam);
    const bool ctrl = KeyboardShiftState().Contains(ssCtrl);
    const bool paging = key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN;
    const bool ends = ctrl && (key == VK_HOME || key == VK_END);
    if (Message.Msg == WM_CHAR ? !paging : !(paging || ends))
        return false;
    if (Message.Msg == WM_KEYDOWN)
        FList->Perform(WM_KEYDOWN, Message.WParam, Message.LParam);
    Message.Result = 1;
    return true;
}

// Key-based: the edit window gets no presses or moves; a press opens the
// list (focusing the combo) or closes an open one without its choice.
bool TCustomDBComboBoxLt::HandleKeyBasedMouse(TMessage& Message)
{
    const TPoint p = PointFromLParam(Message.LParam);
    if (!KeyBased() || !PtInRect(TextAreaRect(), p))
        return false;
    if (Message.Msg == WM_LBUTTONDOWN) {
        if (FListVisible) {
            CloseUp(false);
        } else if (CanPressButtons()) {
            if (CanFocus())
                SetFocus();
            SetNoCloseUpOnNextClick(true);
            DropDown();
        }
    }
    return true;
}

void TCustomDBComboBoxLt::Dispatch(TMessage& Message)
{
    if (RouteKeyToList(Message))
        return;
    if (DispatchDropDownMessage(Message, FListVisible ? FList : nullptr, [this](bool Up) { StepItem(Up); }))
        return;
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        if (HandleKeyBasedMouse(Message))
            return;
        break;
    default:
        break;
    }
    TCustomDBEditLt::Dispatch(Message);
}
