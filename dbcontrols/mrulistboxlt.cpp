#include "dbcontrols/mrulistboxlt.h"

#include <algorithm>

#include "dbcontrols/sizegriplt.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/sysmetrics.h"

LT_IMPLEMENT_CLASS(TMRUListboxLt, TPopupListboxLt) {}

TMRUListboxLt::TMRUListboxLt(TComponent* AOwner) : TPopupListboxLt(AOwner)
{
    SetAutoScrollBar(false);
    FScrollBar = new TScrollBar(this);
    FScrollBar->SetKind(sbVertical);
    FScrollBar->SetTabStop(false);
    FScrollBar->SetVisible(false);
    FScrollBar->SetParent(this);
    FScrollBar->SetOnChange([this](TObject*) {
        if (!FScrollBarLock)
            SetTopIndex(FScrollBar->Position());
    });
    SizeGrip()->SetOnParentResized([this](TObject*) { UpdateScrollBar(); });
    UpdateScrollBar();
}

void TMRUListboxLt::UpdateScrollBar()
{
    if (!FScrollBar)
        return;
    TSizeGripLt* grip = SizeGrip();
    const TRect client = ClientRect();
    const int rows = std::max(client.Height() / ItemHeight(), 0);
    const bool gripRight = grip->Position() == 1 || grip->Position() == 2;
    FScrollBarLock = true;
    if (Count() > rows && rows > 0) {
        const int width = GetSystemMetrics(SM_CXVSCROLL);
        int top = client.Top;
        int height = client.Height();
        if (gripRight && grip->Visible()) {
            height -= grip->Height();
            if (grip->Position() == 1)
                top += grip->Height();
        }
        FScrollBar->SetBounds(client.Right - width, top, width, std::max(height, 0));
        FScrollBar->SetParams(TopIndex(), 0, Count() - 1);
        FScrollBar->SetPageSize(rows);
        FScrollBar->SetLargeChange(rows);
        FScrollBar->SetVisible(true);
        grip->SetTriangleShape(!gripRight);
    } else {
        FScrollBar->SetVisible(false);
        grip->SetTriangleShape(true);
    }
    FScrollBarLock = false;
}

void TMRUListboxLt::Resize()
{
    TPopupListboxLt::Resize();
    UpdateScrollBar();
}

void TMRUListboxLt::RowsChanged()
{
    TPopupListboxLt::RowsChanged();
    UpdateScrollBar();
}

void TMRUListboxLt::Scrolled()
{
    TPopupListboxLt::Scrolled();
    UpdateScrollBar();
}

void TMRUListboxLt::MouseWheel(int Delta)
{
    TPopupListboxLt::MouseWheel(Delta);
    UpdateScrollBar();
}

void TMRUListboxLt::Dispatch(TMessage& Message)
{
    TPopupListboxLt::Dispatch(Message);
    if (Message.Msg == WM_DROPDOWNSIDE)
        UpdateScrollBar();
}
