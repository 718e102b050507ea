// The keys of the filter row's editor: moving between filter cells and
// back to the data rows.
#include <algorithm>
#include <vector>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/filter/inplacefilteredit.h"
#include "platform/data/dataset.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/keys.h"
#include "platform/ui/messages.h"

namespace {
// The caret at the start (AtEnd: the end) of the text, with nothing or
// everything selected.
bool AtTextEdge(const TInplaceFilterEditLt& Edit, bool AtEnd)
{
    const int length = static_cast<int>(Utf8ToUtf32(Edit.Text()).size());
    const int selLength = Edit.SelLength();
    if (selLength != 0 && selLength != length)
        return false;
    if (selLength == length)
        return true;
    return AtEnd ? Edit.SelStart() == length : Edit.SelStart() == 0;
}
} // namespace

// Step > 0 moves right, Step < 0 left, over the columns with a filter cell;
// Wrap goes round from the last to the first and back, otherwise the move
// goes as far as it can (the first or last filter cell).
void TCustomDBGridLt::MoveFilterEditor(int Step, bool Wrap)
{
    const TColumnLt* current = FilterEditColumn();
    if (!current)
        return;
    std::vector<TColumnLt*> cells;
    int at = -1;
    for (int i = 0; i < FVisibleColumns.Count(); ++i) {
        TColumnLt* column = FVisibleColumns.Items(i);
        if (!HasFilterCell(column))
            continue;
        if (column == current)
            at = static_cast<int>(cells.size());
        cells.push_back(column);
    }
    if (cells.empty() || at < 0)
        return;
    const int count = static_cast<int>(cells.size());
    const int target = Wrap ? ((at + Step) % count + count) % count : std::clamp(at + Step, 0, count - 1);
    if (cells[static_cast<std::size_t>(target)] != current)
        ShowFilterEditor(cells[static_cast<std::size_t>(target)]);
}

// Up on the first record, or Ctrl+Up anywhere, goes up into the filter
// row: to the current column's filter cell, else the next one to the right
// (round to the first).
bool TCustomDBGridLt::FilterRowKeyDown(unsigned Key, TShiftState Modifiers)
{
    if (Key != VK_UP || FilterRowCount() == 0 || !(Modifiers.Empty() || Modifiers == TShiftState{ssCtrl}))
        return false;
    const TDataSet* dataSet = FDataLink->DataSet();
    if (Modifiers.Empty() && !dataSet->Bof() && dataSet->RecNo() != 1)
        return false;
    const int count = FVisibleColumns.Count();
    const int from = CurrentColumnPosition();
    for (int i = 0; i < count; ++i) {
        TColumnLt* column = FVisibleColumns.Items((from + i) % count);
        if (HasFilterCell(column)) {
            ShowFilterEditor(column);
            return true;
        }
    }
    return false;
}

void TCustomDBGridLt::EditorKeyDown(TWinControl* Editor, unsigned& Key, TShiftState Shift)
{
    if (Editor != FFilterEdit || !FilterEditMode() || FFilterEdit->ListVisible())
        return;
    const bool ctrl = Shift.Contains(ssCtrl);
    switch (Key) {
    case VK_TAB:
        if (!FOptions.Contains(dgTabs))
            return;
        MoveFilterEditor(Shift.Contains(ssShift) ? -1 : 1, true);
        break;
    case VK_HOME:
    case VK_END:
        if (!ctrl && !AtTextEdge(*FFilterEdit, Key == VK_END))
            return;
        MoveFilterEditor(Key == VK_END ? FColumns->Count() : -FColumns->Count(), false);
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!ctrl && !AtTextEdge(*FFilterEdit, Key == VK_RIGHT))
            return;
        MoveFilterEditor(Key == VK_RIGHT ? 1 : -1, true);
        break;
    case VK_UP:
        break;
    case VK_DOWN: {
        if (Shift.Contains(ssShift) || Shift.Contains(ssAlt))
            return;
        TColumnLt* column = FilterEditColumn();
        ApplyFilter();
        HideFilterEditor();
        SetSelectedIndex(column->Index());
        if (CanFocus())
            SetFocus();
        break;
    }
    default:
        return;
    }
    Key = 0;
}
