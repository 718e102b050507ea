// The grid's keyboard and the life cycle of its in-place editor.
#include <algorithm>

#include <QWidget>

#include "dbgrid/engine/customgridlt.h"
#include "dbgrid/engine/inplaceedit.h"

// ---- the editor -------------------------------------------------------------

TInplaceEdit* TCustomGridLt::CreateEditor()
{
    return new TInplaceEdit(this);
}

bool TCustomGridLt::CanEditShow()
{
    if (!FOptions.Contains(goEditing) || FOptions.Contains(goRowSelect) || !FEditorMode || Designing() ||
        !HasBridge())
        return false;
    return FOptions.Contains(goAlwaysShowEditor) || IsActiveControl();
}

namespace {
// Whether the control is the one its window gives the keyboard to, the
// window active or not: focusing it on a click counts before the window
// system has made the window active.
bool IsWindowFocus(const TWinControl& Control)
{
    const QWidget* widget = Control.Widget();
    return widget->window()->focusWidget() == widget;
}
} // namespace

bool TCustomGridLt::IsActiveControl() const
{
    return IsWindowFocus(*this) || (FInplaceEdit && IsWindowFocus(*FInplaceEdit));
}

std::string TCustomGridLt::GetEditText(int, int)
{
    return {};
}

void TCustomGridLt::SetEditText(int, int, const std::string&) {}

std::string TCustomGridLt::GetEditMask(int, int)
{
    return {};
}

int TCustomGridLt::GetEditLimit()
{
    return 0;
}

bool TCustomGridLt::CanEditAcceptKey(char32_t)
{
    return true;
}

bool TCustomGridLt::CanGridAcceptKey(unsigned, TShiftState)
{
    return true;
}

bool TCustomGridLt::CanEditModify()
{
    return FCanEditModify;
}

void TCustomGridLt::LoadEditor()
{
    FEditorPos = FCurrent;
    FInplaceEdit->UpdateContents();
    FCanEditModify = FInplaceEdit->MaxLength() != -1;
    FInplaceEdit->SelectAll();
}

void TCustomGridLt::UpdateEdit()
{
    if (!CanEditShow())
        return;
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->SetGrid(this);
        LoadEditor();
    } else if (FEditorPos != FCurrent) {
        HideEditor();
        LoadEditor();
    }
    if (CanEditShow())
        FInplaceEdit->Move(CellBounds(FCurrent.X, FCurrent.Y));
}

void TCustomGridLt::ShowEditor()
{
    FEditorMode = true;
    UpdateEdit();
}

void TCustomGridLt::HideEditor()
{
    if (!FInplaceEdit)
        return;
    const TGridCoordLt pos = FEditorPos;
    FEditorPos = {-1, -1};
    const auto hide = [this] {
        FHidingEditor = true;
        FInplaceEdit->HideEditor();
        FHidingEditor = false;
    };
    try {
        if (pos.X >= 0 && pos.Y >= 0 && pos.X < FColCount && pos.Y < FRowCount)
            SetEditText(pos.X, pos.Y, FInplaceEdit->Text());
    } catch (...) {
        hide();
        throw;
    }
    hide();
}

void TCustomGridLt::SetEditorMode(bool Value)
{
    if (!Value) {
        FEditorMode = false;
        HideEditor();
        return;
    }
    ShowEditor();
    if (FInplaceEdit && FInplaceEdit->Visible())
        FInplaceEdit->Deselect();
}

// ---- moving the anchor --------------------------------------------------------

void TCustomGridLt::MoveAnchor(const TGridCoordLt& Cell)
{
    if (!FOptions.Contains(goRangeSelect) || FOptions.Contains(goEditing)) {
        FocusCell(Cell.X, Cell.Y, true, true);
        return;
    }
    const TGridRectLt old = Selection();
    FAnchor = Cell;
    if (FOptions.Contains(goRowSelect))
        FAnchor.X = FColCount - 1;
    ScrollToShow(Cell.X, Cell.Y);
    RepaintSelectionChange(old, Selection());
}

void TCustomGridLt::TimedScroll(unsigned Direction)
{
    TGridCoordLt anchor = FAnchor;
    if (Direction & 1)
        anchor.X = std::max(anchor.X - 1, FFixedCols - FFrozenCols);
    if (Direction & 2)
        anchor.X = std::min(anchor.X + 1, FColCount - 1);
    if (Direction & 4)
        anchor.Y = std::max(anchor.Y - 1, FFixedRows - FFrozenRows);
    if (Direction & 8)
        anchor.Y = std::min(anchor.Y + 1, FRowCount - 1);
    if (anchor != FAnchor)
        MoveAnchor(anchor);
}

// ---- the keyboard -------------------------------------------------------------

void TCustomGridLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (!CanGridAcceptKey(Key, Shift))
        Key = 0;
    const TGridAxisLt h = HorzAxis(), v = VertAxis();
    const int pageWidth = h.PageSize(), pageHeight = v.PageSize();
    const bool rowSelect = FOptions.Contains(goRowSelect);
    TGridCoordLt cell = FCurrent, top = FTopLeft;
    if (Shift.Contains(ssCtrl)) {
        switch (Key) {
        case VK_PRIOR: cell.Y = FTopLeft.Y; break;
        case VK_NEXT: cell.Y = v.LastFullShown; break;
        case VK_HOME: cell = {FFixedCols, FFixedRows}; break;
        case VK_END: cell = {FColCount - 1, FRowCount - 1}; break;
        case VK_LEFT:
        case VK_RIGHT:
            if (!rowSelect) {
                const int step = Key == VK_LEFT ? -pageWidth : pageWidth;
                cell.X += step;
                top.X += step;
            }
            break;
        case VK_UP: --top.Y; break;
        case VK_DOWN: ++top.Y; break;
        default: break;
        }
    } else {
        switch (Key) {
        case VK_TAB:
            if (!Shift.Contains(ssAlt)) {
                const bool back = Shift.Contains(ssShift);
                Shift.Exclude(ssShift);
                const TGridCoordLt start = cell;
                do {
                    cell.X += back ? -1 : 1;
                    if (cell.X >= FColCount) {
                        cell.X = FFixedCols;
                        cell.Y = cell.Y + 1 >= FRowCount ? FFixedRows : cell.Y + 1;
                    } else if (cell.X < FFixedCols) {
                        cell.X = FColCount - 1;
                        cell.Y = cell.Y - 1 < FFixedRows ? FRowCount - 1 : cell.Y - 1;
                    }
                } while (!TabStops(cell.X) && cell.X != start.X);
            }
            break;
        case VK_PRIOR:
            cell.Y -= pageHeight;
            top.Y -= pageHeight;
            break;
        case VK_NEXT:
            cell.Y += pageHeight;
            top.Y += pageHeight;
            break;
        case VK_HOME: (rowSelect ? cell.Y : cell.X) = rowSelect ? FFixedRows : FFixedCols; break;
        case VK_END: (rowSelect ? cell.Y : cell.X) = rowSelect ? FRowCount - 1 : FColCount - 1; break;
        case VK_LEFT: (rowSelect ? cell.Y : cell.X) -= 1; break;
        case VK_RIGHT: (rowSelect ? cell.Y : cell.X) += 1; break;
        case VK_UP: --cell.Y; break;
        case VK_DOWN: ++cell.Y; break;
        case VK_F2: SetEditorMode(true); break;
        default: break;
        }
    }
    top.X = std::clamp(top.X, FFixedCols, std::max(FFixedCols, h.LastScrollPosition()));
    top.Y = std::clamp(top.Y, FFixedRows, std::max(FFixedRows, v.LastScrollPosition()));
    if (top != FTopLeft)
        MoveTopLeft(top.X, top.Y);
    cell.X = std::clamp(cell.X, FFixedCols - FFrozenCols, FColCount - 1);
    cell.Y = std::clamp(cell.Y, FFixedRows - FFrozenRows, FRowCount - 1);
    if (cell != FCurrent) {
        FocusCell(cell.X, cell.Y, !Shift.Contains(ssShift), true);
        UpdateEdit();
        Click();
    }
}
