// The data grid's editor: its style, loading a cell, the text rectangle,
// the image and the required-value mark, and the messages it answers.
#include "dbgrid/editor/dbgridinplaceedit.h"

#include <QWidget>
#include <algorithm>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/doubleclick.h"
#include "dbcontrols/extravaluerow.h"
#include "dbcontrols/mrulistboxlt.h"
#include "dbcontrols/popupcalculatorlt.h"
#include "dbcontrols/popuplistboxlt.h"
#include "dbcontrols/popupmonthcalendarlt.h"
#include "dbgrid/core/celltextdrawing.h"
#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/fieldkinds.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/clocks.h"
#include "platform/rtl/floatformat.h"
#include "platform/ui/imglist.h"
#include "platform/ui/sysmetrics.h"
#include "platform/ui/widgetbridge.h"

LT_IMPLEMENT_CLASS(TDBGridInplaceEdit, TInplaceEdit) {}

namespace {
// The text rect's inset from the editor's sides.
constexpr int kTextInset = 2;
// What a line needs beside its text: the caret and a pixel of overhang.
constexpr int kCaretRoom = 2;
// The room the edit window keeps between its text rect and its text.
constexpr int kEditWindowMargin = 2;
} // namespace

TDBGridInplaceEdit::TDBGridInplaceEdit(TComponent* AOwner) : TInplaceEdit(AOwner)
{
    // The image and the required mark are drawn over the edit window.
    Bridge().SetNonClientFrame(true);
}

TDBGridInplaceEdit::~TDBGridInplaceEdit() = default;

TCustomDBGridLt* TDBGridInplaceEdit::DBGrid() const
{
    return dynamic_cast<TCustomDBGridLt*>(Grid());
}

TColumnLt* TDBGridInplaceEdit::Column() const
{
    const TCustomDBGridLt* grid = DBGrid();
    return grid ? grid->SelectedColumn() : nullptr;
}

void TDBGridInplaceEdit::SetEditStyle(TInplaceEditStyleLt Value)
{
    if (FListShown)
        CloseUp(false);
    FEditStyle = Value;
    ActiveList();
    const TColumnLt* column = Column();
    SetReadOnly(column && column->ReadOnly());
    Invalidate();
}

// ---- loading a cell ---------------------------------------------------------

void TDBGridInplaceEdit::LoadCell()
{
    TCustomDBGridLt* grid = DBGrid();
    TColumnLt* column = Column();
    if (!grid || !column) {
        TInplaceEdit::UpdateContents();
        return;
    }
    FTextFromCode = true;
    try {
        SetEditStyle(ColumnEditStyle(*column));
        SetFont(column->Font());

        TColCellParamsLt* params = grid->ColCellParams();
        params->Row = -1;
        params->Col = -1;
        params->State = {};
        params->Font->Assign(Font());
        params->Background = column->Color();
        params->Alignment = column->Alignment();
        params->ImageIndex = column->CellImageIndex();
        // The column's handler below shapes the text, once.
        params->Text = grid->ColumnEditText(*column);
        params->CheckState = column->CheckState();
        const bool readOnly = !column->CanEditValue(false);
        params->ReadOnly = readOnly;
        TColor background = params->Background;
        grid->DoGetCellParams(column, params->Font.get(), background, {});
        params->Background = background;
        column->DoGetCellParams(true, params);

        SetColor(params->Background);
        FImageIndex = params->ImageIndex;
        FReadOnlyFromParams = params->ReadOnly != readOnly;
        if (FReadOnlyFromParams)
            SetReadOnly(params->ReadOnly);

        const bool wordWrap = grid->CanWordWrap() && column->WordWrap();
        if (wordWrap != FWordWrap) {
            FWordWrap = wordWrap;
            RecreateWnd();
            BoundsChanged();
        }

        const TField* field = column->BoundField();
        if (field && column->ShowsSpecRowText(*field))
            grid->SetEditKeyValue(column->DropDownSpecRow()->Value());
        else if (field && field->Lookup() && field->DataSet())
            grid->SetEditKeyValue(field->DataSet()->FieldValues(field->KeyFields()));
        else
            grid->SetEditKeyValue(field ? field->Value() : Variant::Null());

        SetText("");
        SetEditMask(grid->GetEditMask(grid->Col(), grid->Row()));
        SetText(params->Text);
        SetMaxLength(grid->GetEditLimit());
        FMRUList = column->MRUList();
    } catch (...) {
        FTextFromCode = false;
        throw;
    }
    FTextFromCode = false;
}

// ---- placing and the text rectangle ------------------------------------------

void TDBGridInplaceEdit::CreateParams(TCreateParams& Params)
{
    TInplaceEdit::CreateParams(Params);
    if (FWordWrap)
        Params.Style = (Params.Style | ES_MULTILINE) & ~ES_AUTOHSCROLL;
}

void TDBGridInplaceEdit::Move(const TRect& Rect)
{
    TInplaceEdit::Move(Rect);
    if (Visible())
        AfterMove();
}

void TDBGridInplaceEdit::AfterMove()
{
    RebuildButtons();
    BoundsChanged();
}

void TDBGridInplaceEdit::BoundsChanged()
{
    SetEditRect(GetTextRect());
    Deselect();
    SelectAll();
}

TRect TDBGridInplaceEdit::GetTextRect()
{
    const TCustomDBGridLt* grid = DBGrid();
    const bool flat = grid && grid->Flat();
    TRect r = flat ? Rect(kTextInset, 1, Width() - kTextInset, Height() - 1)
                   : Rect(kTextInset, 2, Width() - kTextInset, Height());
    TCanvas canvas;
    canvas.SetFont(Font());
    if (r.Height() < canvas.TextHeight("Wg") && r.Bottom < Height())
        ++r.Bottom;
    r.Right -= FButtonStripWidth;
    const TColumnLt* column = Column();
    if (column && column->ShowImageAndText() && column->ImageList())
        r.Left += column->ImageList()->Width() + 5;
    // A line too wide for the room between the insets (five digits in a
    // narrow column) takes the insets too, up to the buttons, and on the
    // left the edit window's own margin beside its text, so that none of
    // it scrolls out of sight.
    if (!FWordWrap && canvas.TextWidth(Text()) + kCaretRoom > r.Width()) {
        r.Left -= kTextInset + kEditWindowMargin;
        r.Right = std::min(r.Right + kTextInset, Width() - FButtonStripWidth);
    }
    return r;
}

// ---- the image and the required mark ------------------------------------------

void TDBGridInplaceEdit::UpdateImageIndex()
{
    TColumnLt* column = Column();
    if (!column)
        return;
    int index = -1;
    const TField* field = column->BoundField();
    if (column->HasPickList()) {
        index = column->PickList()->IndexOf(Text());
    } else if (field && IsNumericType(field->DataType())) {
        double value = 0;
        if (TryStrToFloat(Text(), value))
            index = static_cast<int>(value);
    }
    FImageIndex = index == -1 ? column->NotInKeyListIndex() : index;
    Invalidate();
}

void TDBGridInplaceEdit::PaintRequiredState(TCanvas* Canvas)
{
    const TColumnLt* column = Column();
    if (column && column->HighlightRequired() && column->RequiredValueMissing())
        DrawRequiredMark(Canvas, GetTextRect());
}

void TDBGridInplaceEdit::PaintOverlay()
{
    TCanvas canvas;
    canvas.BeginPaint(FaceWidget());
    try {
        const TColumnLt* column = Column();
        if (column && column->ShowImageAndText() && column->ImageList() && FImageIndex >= 0) {
            TCustomImageList* images = column->ImageList();
            const TRect area{2, 0, 2 + images->Width(), Height()};
            PaintImageCentered(&canvas, area, images, false, FImageIndex);
        }
        PaintRequiredState(&canvas);
    } catch (...) {
        canvas.EndPaint();
        throw;
    }
    canvas.EndPaint();
}

// ---- messages ------------------------------------------------------------------

void TDBGridInplaceEdit::Change()
{
    if (Visible() && GetTextRect() != EditRect())
        SetEditRect(GetTextRect());
    TInplaceEdit::Change();
    if (!FTextFromCode && Visible())
        UserChange();
}

void TDBGridInplaceEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCPAINT:
        PaintOverlay();
        return;
    case WM_MOUSEWHEEL:
        if (FListShown)
            return;
        break;
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case CM_CANCELMODE:
        // The calendar takes the focus while open and closes itself when it
        // loses it.
        if (FListShown && !(Message.Msg == WM_KILLFOCUS && FCalendar && FCalendar->Visible()))
            CloseUp(false);
        if (MRUListDroppedDown())
            CloseUpMRUList(false);
        break;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
        if (GetCaptureControl() != this && !PtInRect(GetTextRect(), PointFromLParam(Message.LParam))) {
            SetCursor(crArrow);
            return;
        }
        if (Message.Msg == WM_MOUSEMOVE)
            SetCursor(crDefault);
        else if (FollowsGridPress(Message) && StepOnDoubleClick(MouseShiftState(Message.WParam)))
            return;
        break;
    case WM_LBUTTONDBLCLK:
        if (StepOnDoubleClick(MouseShiftState(Message.WParam)))
            return;
        break;
    default:
        break;
    }
    TInplaceEdit::Dispatch(Message);
}

bool TDBGridInplaceEdit::StepOnDoubleClick(TShiftState Shift)
{
    TColumnLt* column = Column();
    if (!column || !column->DblClickNextVal())
        return false;
    column->StepValue(Shift.Contains(ssShift) ? -1.0 : 1.0);
    return true;
}

bool TDBGridInplaceEdit::FollowsGridPress(const TMessage& Message)
{
    TCustomDBGridLt* grid = DBGrid();
    const TColumnLt* column = Column();
    if (!grid || !column || !column->DblClickNextVal())
        return false;
    TPoint last;
    int time = 0;
    grid->GetLastMouseDown(last, time);
    const TPoint pos = ClientToScreen(PointFromLParam(Message.LParam));
    return time != 0 && MatchesDoubleClick(last, pos, static_cast<int>(GetTickCount() - static_cast<uint32_t>(time)));
}
