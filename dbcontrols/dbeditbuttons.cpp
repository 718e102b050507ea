// The editor's buttons: their controls and separator lines, layout, presses
// and clicks, shortcuts; the text area and the height they leave.
#include <algorithm>
#include <cmath>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/dbeditlt.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/imglist.h"
#include "platform/ui/sysmetrics.h"
#include "platform/ui/widgetbridge.h"

TEditButtonLt* TCustomDBEditLt::ButtonOfControl(const TObject* Control) const
{
    for (std::size_t i = 0; i < FButtonControls.size(); ++i)
        if (FButtonControls[i].EditButtonControl == Control)
            return i == 0 ? EditButton() : EditButtons()->ButtonAt(static_cast<int>(i) - 1);
    return nullptr;
}

void TCustomDBEditLt::EditButtonChanged()
{
    RebuildButtonControls();
    RefreshEditRect();
}

void TCustomDBEditLt::RebuildButtonControls()
{
    if (ComponentState().Contains(csDestroying))
        return;
    const std::size_t count = 1 + static_cast<std::size_t>(EditButtons()->Count());
    while (FButtonControls.size() > count) {
        const TEditButtonControlRec rec = FButtonControls.back();
        FButtonControls.pop_back();
        delete rec.EditButtonControl;   // owned by the editor: freeing removes it
        delete rec.ButtonLine;
    }
    while (FButtonControls.size() < count) {
        TEditButtonLt* button = FButtonControls.empty() ? EditButton()
                                                        : EditButtons()->ButtonAt(static_cast<int>(FButtonControls.size()) - 1);
        TEditButtonControlRec rec;
        rec.EditButtonControl = NewButtonControl(button);
        rec.ButtonLine = new TShape(this);   // owned by the editor
        rec.ButtonLine->SetParent(this);
        rec.ButtonLine->SetWidth(1);
        FButtonControls.push_back(rec);
    }

    const TRect client = ClientRect();
    int areaTop = client.Top;
    int areaHeight = client.Height();
    if (FBorderStyle == bsSingle && !FCtl3D) {
        areaTop += 1;
        areaHeight -= 2;
    }
    int commonHeight = areaHeight;
    std::vector<int> widths(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        TEditButtonLt* button = i == 0 ? EditButton() : EditButtons()->ButtonAt(static_cast<int>(i) - 1);
        TEditButtonControlLt* control = FButtonControls[i].EditButtonControl;
        control->SetStyle(button->Style());
        control->SetGlyph(button->Glyph());
        control->SetNumGlyphs(button->NumGlyphs());
        control->SetHint(button->Hint());
        control->SetFlat(FFlat);
        control->SetTag(static_cast<int>(i));
        control->SetEnabled(Enabled() && button->Enabled());
        control->SetOnDown([this](TObject* Sender, bool TopButton, bool& AutoRepeat, bool& Handled) {
            ButtonControlDown(Sender, TopButton, AutoRepeat, Handled);
        });
        control->SetOnClick([this](TObject* Sender) { ButtonControlClick(Sender); });
        control->SetOnMouseMove(
            [this](TObject* Sender, TShiftState Shift, int X, int Y) { ButtonControlMouseMove(Sender, Shift, X, Y); });
        control->SetOnMouseUp([this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
            ButtonControlMouseUp(Sender, Button, Shift, X, Y);
        });
        int width = 0;
        if (button->Visible()) {
            width = button->Width() > 0 ? button->Width()
                                        : (FFlat ? ComputeFlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL));
            const int height = std::lround(1.5 * width) < areaHeight ? EditButtonHeightFromWidth(width, FFlat) : areaHeight;
            commonHeight = std::min(commonHeight, height);
        }
        widths[i] = width;
        control->SetVisible(button->Visible());
    }
    FButtonsHeight = commonHeight;

    // From the edge inward: the last extra button at the edge, the main
    // button and its line nearest the text.
    int edge = client.Right;
    int total = 0;
    for (std::size_t n = count; n-- > 0;) {
        TEditButtonControlRec& rec = FButtonControls[n];
        const int width = widths[n];
        const bool lineVisible = width > 0 && FFlat;
        const int lineWidth = lineVisible ? 1 : 0;
        edge -= width;
        rec.EditButtonControl->SetBounds(edge, areaTop, width, commonHeight);
        edge -= lineWidth;
        rec.ButtonLine->SetBounds(edge, areaTop, lineWidth, areaHeight);
        rec.ButtonLine->SetVisible(lineVisible);
        rec.ButtonLine->Pen()->SetColor(FBorderActive ? clBtnFace : Color());
        rec.ButtonLine->Brush()->SetColor(FBorderActive ? clBtnFace : Color());
        total += width + lineWidth;
    }
    FButtonsWidth = total;
    for (const TEditButtonControlRec& rec : FButtonControls)
        rec.EditButtonControl->SetActive(FBorderActive);
}

TRect TCustomDBEditLt::TextAreaRect() const
{
    TRect r = ClientRect();
    r.Right -= FButtonsWidth;
    r.Left += FImageWidth;
    return r;
}

void TCustomDBEditLt::RefreshEditRect()
{
    const TEditImageLt* image = EditImage();
    if (image->Visible() && image->Images())
        FImageWidth = (image->Width() > 0 ? image->Width() : image->Images()->Width()) + 4;
    else
        FImageWidth = 0;
    SetEditRect(TextAreaRect());
}

void TCustomDBEditLt::FitHeight()
{
    const int border = 1;
    int factor = 6;
    if (FCtl3D && !FFlat)
        factor = 8;
    else if (FFlat && !FCtl3D)
        factor = 4;
    TCanvas canvas;
    canvas.SetFont(Font());
    int height = canvas.TextHeight("Wg");
    const TEditImageLt* image = EditImage();
    if (image->Images() && image->UseImageHeight())
        height = std::max(height, image->Images()->Height());
    TCustomMaskEdit::SetBounds(Left(), Top(), Width(), border * factor + height);
}

void TCustomDBEditLt::RefreshFixedHeight()
{
    if (!FAutoSize || FBorderStyle != bsSingle || IsSystemLoading())
        return;
    FitHeight();
}

void TCustomDBEditLt::RefreshBorderActive()
{
    const bool active =
        ComponentState().Contains(csDesigning) || FFocused || FMouseAbove || FAlwaysShowBorder;
    if (active == FBorderActive)
        return;
    FBorderActive = active;
    if (IsSystemLoading())
        return;
    for (const TEditButtonControlRec& rec : FButtonControls) {
        rec.EditButtonControl->SetActive(active);
        rec.ButtonLine->Pen()->SetColor(active ? clBtnFace : Color());
        rec.ButtonLine->Brush()->SetColor(active ? clBtnFace : Color());
    }
    Invalidate();
}

// ---- presses --------------------------------------------------------------

void TCustomDBEditLt::PopupButtonMenu(int Index, TEditButtonLt* Button)
{
    TEditButtonControlLt* control = FButtonControls[static_cast<std::size_t>(Index)].EditButtonControl;
    TPopupMenu* menu = Button->DropdownMenu();
    const TPoint bottomLeft = control->ClientToScreen(TPoint{0, control->Height()});
    const TPoint bottomRight = control->ClientToScreen(TPoint{control->Width(), control->Height()});
    PostMessage(this, CM_BUTTONMENUCLOSEDLT, static_cast<WPARAM>(Index), 0);
    menu->SetPopupComponent(this);
    if (menu->Alignment() == paRight)
        menu->Popup(bottomRight.X, bottomRight.Y);
    else
        menu->Popup(bottomLeft.X, bottomLeft.Y);
    control->Perform(WM_LBUTTONUP, 0, 0);
}

void TCustomDBEditLt::ButtonControlDown(TObject* Sender, bool TopButton, bool& AutoRepeat, bool& Handled)
{
    if (CanFocus() && !Focused())
        SetFocus();
    Handled = false;
    auto* control = dynamic_cast<TEditButtonControlLt*>(Sender);
    if (!control)
        return;
    const int index = control->Tag();
    if (IsMessagePending(this, CM_BUTTONMENUCLOSEDLT)) {
        // A press that closes this button's menu does nothing more.
        RemovePostedMessage(this, CM_BUTTONMENUCLOSEDLT);
        return;
    }
    TEditButtonLt* button = ButtonOfControl(control);
    if (!button)
        return;
    if (index == 0) {
        if (FOnButtonDown)
            FOnButtonDown(this, TopButton, AutoRepeat, Handled);
        if (Handled)
            return;
        if (button->DropdownMenu())
            PopupButtonMenu(index, button);
        else if (!button->Action())
            MainButtonDown(!TopButton);
        return;
    }
    if (button->OnDown())
        button->OnDown()(button, TopButton, AutoRepeat, Handled);
    if (!Handled && button->DropdownMenu())
        PopupButtonMenu(index, button);
}

void TCustomDBEditLt::ButtonControlClick(TObject* Sender)
{
    auto* control = dynamic_cast<TEditButtonControlLt*>(Sender);
    TEditButtonLt* button = ButtonOfControl(control);
    if (!button)
        return;
    bool handled = false;
    const bool main = control->Tag() == 0;
    button->PerformClick(this, handled);
    if (main && !handled && FOnButtonClick)
        FOnButtonClick(this, handled);
    if (!handled && FDroppedDown && main && !FNoCloseUp)
        CloseUp(false);
    FNoCloseUp = false;
}

void TCustomDBEditLt::ButtonControlMouseMove(TObject*, TShiftState, int, int) {}

void TCustomDBEditLt::ButtonControlMouseUp(TObject* Sender, TMouseButton, TShiftState, int X, int Y)
{
    const auto* control = dynamic_cast<const TControl*>(Sender);
    if (control && !PtInRect(control->ClientRect(), TPoint{X, Y}))
        FNoCloseUp = false;
}

void TCustomDBEditLt::MainButtonDown(bool)
{
    if (EditButton()->Style() == ebsUpDownLt || FDroppedDown)
        return;
    DropDown();
    FNoCloseUp = true;
}

void TCustomDBEditLt::DropDown()
{
    if (!FButtonControls.empty())
        FButtonControls[0].EditButtonControl->SetAlwaysDown(true);
    FDroppedDown = true;
    if (MRUListDroppedDown())
        CloseUpMRUList(false);
}

void TCustomDBEditLt::CloseUp(bool)
{
    if (!FButtonControls.empty())
        FButtonControls[0].EditButtonControl->SetAlwaysDown(false);
    FDroppedDown = false;
}

void TCustomDBEditLt::PressButtonControl(int Index)
{
    if (FButtonControls.empty())
        RebuildButtonControls();
    TEditButtonControlLt* control = FButtonControls[static_cast<std::size_t>(Index)].EditButtonControl;
    bool autoRepeat = false;
    bool handled = false;
    ButtonControlDown(control, false, autoRepeat, handled);
    ButtonControlClick(control);
}

bool TCustomDBEditLt::ShortCutPressesButton(unsigned Key, TShiftState Shift)
{
    if (!CanPressButtons())
        return false;
    const TShortCut shortCut = ShortCut(Key, Shift);
    if (shortCut == scNone)
        return false;
    if (EditButton()->ShortCut() == shortCut) {
        PressButtonControl(0);
        return true;
    }
    for (int i = 0; i < EditButtons()->Count(); ++i)
        if (EditButtons()->ButtonAt(i)->ShortCut() == shortCut) {
            PressButtonControl(i + 1);
            return true;
        }
    return false;
}
