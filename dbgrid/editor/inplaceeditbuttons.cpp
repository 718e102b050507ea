// The data grid editor's button strip: building and laying out the default
// button and the column's edit buttons, their presses, clicks and shortcuts,
// and stepping the value with the up-down button.
#include <algorithm>
#include <cmath>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/dbeditlt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/editor/dbgridinplaceedit.h"
#include "platform/ui/capturehandover.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/menus.h"
#include "platform/ui/sysmetrics.h"
#include "platform/ui/widgetbridge.h"

TEditButtonControlLt* TDBGridInplaceEdit::CreateEditButtonControl()
{
    auto* control = new TEditButtonControlLt(this);   // owned by the editor
    control->SetBounds(0, 0, 10, 17);
    control->SetParent(this);
    return control;
}

void TDBGridInplaceEdit::RebuildButtons()
{
    TColumnLt* column = Column();
    TEditButtonsLt* buttons = column ? column->EditButtons() : nullptr;
    const std::size_t count = 1 + static_cast<std::size_t>(buttons ? buttons->Count() : 0);
    while (FButtonControls.size() < count) {
        TEditButtonControlRec rec;
        rec.EditButtonControl = CreateEditButtonControl();
        rec.ButtonLine = new TShape(this);   // owned by the editor
        rec.ButtonLine->SetParent(this);
        rec.ButtonLine->SetWidth(1);
        FButtonControls.push_back(rec);
    }
    const TCustomDBGridLt* grid = DBGrid();
    const bool flat = grid && grid->Flat();
    const int autoWidth = flat ? ComputeFlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL);
    const int height = Height();

    int edge = Width();
    int total = 0;
    int stripHeight = height;
    for (std::size_t i = 0; i < FButtonControls.size(); ++i) {
        TEditButtonControlRec& rec = FButtonControls[i];
        TEditButtonControlLt* control = rec.EditButtonControl;
        bool visible = false;
        int width = autoWidth;
        if (i == 0) {
            visible = FEditStyle != iesSimpleLt;
            control->SetStyle(DefaultButtonStyleOf(FEditStyle));
            control->SetGlyph(nullptr);
            control->SetHint("");
            control->SetEnabled(Enabled());
        } else if (i < count) {
            const TEditButtonLt* button = buttons->ButtonAt(static_cast<int>(i) - 1);
            visible = button->Visible();
            control->SetStyle(button->Style());
            control->SetGlyph(button->Glyph());
            control->SetNumGlyphs(button->NumGlyphs());
            control->SetHint(button->Hint());
            control->SetEnabled(button->Enabled());
            if (button->Width() > 0)
                width = button->Width();
        }
        control->SetFlat(flat);
        control->SetTag(static_cast<int>(i));
        control->SetOnDown([this](TObject* Sender, bool TopButton, bool& AutoRepeat, bool& Handled) {
            ButtonDown(Sender, TopButton, AutoRepeat, Handled);
        });
        control->SetOnClick([this](TObject* Sender) { ButtonClick(Sender); });
        control->SetOnMouseMove(
            [this](TObject* Sender, TShiftState Shift, int X, int Y) { ButtonMouseMove(Sender, Shift, X, Y); });
        control->SetOnMouseUp([this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
            ButtonMouseUp(Sender, Button, Shift, X, Y);
        });
        control->SetVisible(visible);
        rec.ButtonLine->SetVisible(visible && flat);
        if (!visible)
            continue;
        const int buttonHeight = height > std::lround(1.5 * width) ? EditButtonHeightFromWidth(width, flat) : height;
        stripHeight = std::min(stripHeight, buttonHeight);
        edge -= width;
        control->SetBounds(edge, 0, width, buttonHeight);
        total += width;
        if (flat) {
            --edge;
            rec.ButtonLine->SetBounds(edge, 0, 1, height);
            rec.ButtonLine->Pen()->SetColor(Color());
            rec.ButtonLine->Brush()->SetColor(Color());
            ++total;
        }
    }
    FButtonStripWidth = total;
    FButtonStripHeight = stripHeight;
}

void TDBGridInplaceEdit::ButtonDown(TObject* Sender, bool TopButton, bool& AutoRepeat, bool& Handled)
{
    if (CanFocus() && !Focused())
        SetFocus();
    Handled = false;
    auto* control = dynamic_cast<TEditButtonControlLt*>(Sender);
    TColumnLt* column = Column();
    if (!control || !column)
        return;
    if (RemovePostedMessage(this, CM_BUTTONMENUCLOSEDLT))
        return;   // this press closed the button's menu
    const int index = control->Tag();
    if (index == 0) {
        if (column->OnEditButtonDown())
            column->OnEditButtonDown()(column, TopButton, AutoRepeat, Handled);
        if (!Handled)
            DefaultButtonPressed(!TopButton);
        return;
    }
    TEditButtonLt* button = column->EditButtons()->ButtonAt(index - 1);
    if (button->OnDown())
        button->OnDown()(button, TopButton, AutoRepeat, Handled);
    if (Handled || !button->DropdownMenu())
        return;
    TPopupMenu* menu = button->DropdownMenu();
    const int x = menu->Alignment() == paRight ? control->Width() : 0;
    const TPoint at = control->ClientToScreen(TPoint{x, control->Height()});
    PostMessage(this, CM_BUTTONMENUCLOSEDLT, static_cast<WPARAM>(index), 0);
    menu->SetPopupComponent(this);
    menu->Popup(at.X, at.Y);
    control->Perform(WM_LBUTTONUP, 0, 0);
}

void TDBGridInplaceEdit::DefaultButtonPressed(bool Down)
{
    if (FEditStyle == iesUpDownLt) {
        StepByButton(!Down);
        return;
    }
    if (FListShown)
        return;
    DropDown();
    FSkipClickClose = true;
}

void TDBGridInplaceEdit::ButtonClick(TObject* Sender)
{
    auto* control = dynamic_cast<TEditButtonControlLt*>(Sender);
    TColumnLt* column = Column();
    TCustomDBGridLt* grid = DBGrid();
    if (!control || !column || !grid)
        return;
    const int index = control->Tag();
    bool handled = false;
    if (index > 0) {
        column->EditButtons()->ButtonAt(index - 1)->PerformClick(this, handled);
        return;
    }
    if (FEditStyle == iesEllipsisLt || FEditStyle == iesDropDownLt)
        grid->EditButtonClick();
    if (column->OnEditButtonClick())
        column->OnEditButtonClick()(column, handled);
    if (FListShown && !handled && !FSkipClickClose)
        CloseUp(false);
    FSkipClickClose = false;
}

// Dragging from the pressed default button onto the open list hands the
// press to the list.
void TDBGridInplaceEdit::ButtonMouseMove(TObject* Sender, TShiftState Shift, int X, int Y)
{
    auto* control = dynamic_cast<TControl*>(Sender);
    TWinControl* list = FListShown ? ActiveList() : nullptr;
    if (!list || !control || control->Tag() != 0 || !Shift.Contains(ssLeft))
        return;
    const TPoint onList = list->ScreenToClient(control->ClientToScreen(TPoint{X, Y}));
    if (PtInRect(list->ClientRect(), onList)) {
        FSkipClickClose = false;
        HandMouseCaptureTo(list);
    }
}

void TDBGridInplaceEdit::ButtonMouseUp(TObject* Sender, TMouseButton, TShiftState, int X, int Y)
{
    const auto* control = dynamic_cast<const TControl*>(Sender);
    if (control && !PtInRect(control->ClientRect(), TPoint{X, Y}))
        FSkipClickClose = false;
}

void TDBGridInplaceEdit::StepByButton(bool Up)
{
    TCustomDBGridLt* grid = DBGrid();
    TColumnLt* column = Column();
    if (!grid || !column || !column->CanEditValue(true))
        return;
    if (Modified()) {
        grid->SetEditText(grid->Col(), grid->Row(), Text());
        grid->UpdateData();
        SetModified(false);
    }
    const TColumnKindLt kind = column->ColumnKind();
    const bool listColumn =
        kind == ckPickListLt || kind == ckLookupLt || kind == ckKeyPickListLt || kind == ckKeyImagesLt;
    const double step = column->Increment();
    column->StepValue(Up != listColumn ? step : -step);
}

void TDBGridInplaceEdit::PressButton(int Index)
{
    if (FButtonControls.empty())
        RebuildButtons();
    if (Index >= static_cast<int>(FButtonControls.size()))
        return;
    TEditButtonControlLt* control = FButtonControls[static_cast<std::size_t>(Index)].EditButtonControl;
    bool autoRepeat = false;
    bool handled = false;
    ButtonDown(control, true, autoRepeat, handled);
    ButtonClick(control);
}

bool TDBGridInplaceEdit::ShortCutPressesButton(unsigned Key, TShiftState Shift)
{
    const TColumnLt* column = Column();
    const TShortCut shortCut = ShortCut(Key, Shift);
    if (!column || shortCut == scNone)
        return false;
    const TEditButtonsLt* buttons = column->EditButtons();
    for (int i = 0; i < buttons->Count(); ++i)
        if (buttons->ButtonAt(i)->Visible() && buttons->ButtonAt(i)->ShortCut() == shortCut) {
            PressButton(i + 1);
            return true;
        }
    return false;
}
