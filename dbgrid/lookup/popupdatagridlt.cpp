#include "dbgrid/lookup/popupdatagridlt.h"

#include <QWidget>

#include <algorithm>

#include "dbcontrols/dropdownplace.h"
#include "dbcontrols/sizegriplt.h"
#include "platform/ui/popupwindow.h"
#include "platform/ui/sysmetrics.h"

TPopupDataGridLt::TPopupDataGridLt(TComponent* AOwner) : TDBLookupGridLt(AOwner)
{
    SetVisible(false);
    FSizeGrip = new TSizeGripLt(this);
    FSizeGrip->SetSubComponent(true);
    FSizeGrip->SetParent(this);
    FSizeGrip->SetTriangleShape(true);
    FSizeGrip->MoveToCorner();
}

QWidget* TPopupDataGridLt::CreateWidget()
{
    QWidget* widget = TDBLookupGridLt::CreateWidget();
    MakePopupWindow(widget, TPopupActivation::NoActivate);
    return widget;
}

void TPopupDataGridLt::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const int least = GetSystemMetrics(SM_CXVSCROLL);
    TDBLookupGridLt::SetBounds(ALeft, ATop, std::max(AWidth, least), std::max(AHeight, least));
}

void TPopupDataGridLt::Paint()
{
    TDBLookupGridLt::Paint();
    if (BorderStyle() == bsNone)
        return;
    TRect edge = Rect(0, 0, Width(), Height());
    Canvas()->DrawEdge(edge, Flat() ? BDR_RAISEDOUTER : EDGE_RAISED, BF_RECT);
}

void TPopupDataGridLt::Resize()
{
    TDBLookupGridLt::Resize();
    if (FSizeGrip)
        FSizeGrip->MoveToCorner();
    FSizeGripResized = true;
}

void TPopupDataGridLt::VisibleChanged()
{
    TDBLookupGridLt::VisibleChanged();
    if (!Parent())
        Widget()->setVisible(Visible());
}

void TPopupDataGridLt::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_DROPDOWNSIDE) {
        FSizeGrip->MoveToSide(static_cast<int>(Message.WParam));
        return;
    }
    TDBLookupGridLt::Dispatch(Message);
    if (Message.Msg == WM_MOUSEWHEEL)
        FUserChange = false;
}

void TPopupDataGridLt::ApplyKeyValue()
{
    TDBLookupGridLt::ApplyKeyValue();
    if (!FUserChange)
        return;
    FUserChange = false;
    if (FOnUserSelect)
        FOnUserSelect(this);
}

void TPopupDataGridLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    TDBLookupGridLt::KeyDown(Key, Shift);
    FUserChange = false;
}

void TPopupDataGridLt::KeyPress(char32_t& Key)
{
    TDBLookupGridLt::KeyPress(Key);
    FUserChange = false;
}

void TPopupDataGridLt::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FKeySelection = false;
    TDBLookupGridLt::MouseDown(Button, Shift, X, Y);
    FKeySelection = Button == mbLeft && Tracking();
    FUserChange = false;
}

void TPopupDataGridLt::MouseMove(TShiftState Shift, int X, int Y)
{
    const bool anyButton = Shift.Contains(ssLeft) || Shift.Contains(ssRight) || Shift.Contains(ssMiddle);
    const TPoint pos{X, Y};
    if (!anyButton && !ReadOnly() && pos != FLastMousePos && CanChangeKey()) {
        FLastMousePos = pos;
        const TGridCoordLt cell = MouseToCell(X, Y);
        if (cell.Y >= 0 && (cell.Y == SpecGridRow() || cell.Y >= FirstDataRow())) {
            UserAction();
            SelectGridRow(cell.Y);
        }
    }
    TDBLookupGridLt::MouseMove(Shift, X, Y);
    FUserChange = false;
}

void TPopupDataGridLt::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const bool keySelection = FKeySelection && Button == mbLeft;
    FKeySelection = false;
    TDBLookupGridLt::MouseUp(Button, Shift, X, Y);
    FUserChange = false;
    if (!keySelection || !FOnPointerCloseUp)
        return;
    if (!PtInRect(Rect(0, 0, Width(), Height()), TPoint{X, Y})) {
        FOnPointerCloseUp(this, false);
        return;
    }
    const TGridCoordLt cell = MouseToCell(X, Y);
    const bool onRow = cell.Y >= 0 && (cell.Y == SpecGridRow() || (cell.Y >= FirstDataRow() && cell.X >= 0));
    if (onRow)
        FOnPointerCloseUp(this, true);
}
