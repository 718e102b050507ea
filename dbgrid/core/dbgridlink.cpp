// The data grid following its data link: the buffer window sized to the
// rows that fit, the row count, the current row kept on the active record,
// and what an opened, closed, scrolled or changed dataset repaints.
#include <algorithm>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/engine/inplaceedit.h"
#include "platform/data/field.h"

void TCustomDBGridLt::UpdateBufferCount()
{
    // The data rows shown whole between the title rows and the footer rows,
    // each with its line.
    const TGridAxisLt rows = VertAxis();
    const int span = std::max(DefaultRowHeight(), 1) + rows.LineWidth;
    const int room = rows.ContraBoundary - rows.FixedBoundary + rows.LineWidth;
    FDataLink->SetBufferCount(std::max(1, room / span));
}

void TCustomDBGridLt::UpdateActive()
{
    if (!FDataLink->Active())
        return;
    // An empty table has no active record; its one empty row is current.
    const int row = FTitleOffset + std::max(0, FDataLink->ActiveRecord());
    if (row == Row() || row >= RowCount())
        return;
    if (!FOptions.Contains(dgAlwaysShowEditor))
        HideEditor();
    const int col = Col();
    const int oldRow = Row();
    SetRow(row);
    if (Col() != col && col < ColCount())
        SetCol(col);
    RepaintRow(oldRow);
    RepaintRow(row);
}

void TCustomDBGridLt::RepaintRow(int ARow)
{
    if (ARow >= 0 && ARow < RowCount())
        RepaintRect({0, ARow, ColCount() - 1, ARow});
}

void TCustomDBGridLt::UpdateRowCount()
{
    if (FInUpdateRowCount)
        return;
    FInUpdateRowCount = true;
    try {
        UpdateBufferCount();
        const int records = FDataLink->Active() ? FDataLink->RecordCount() : 0;
        const int rows = FTitleOffset + std::max(1, records);
        if (RowCount() != rows)
            SetRowCount(rows);
        UpdateActive();
        UpdateScrollBars();
    } catch (...) {
        FInUpdateRowCount = false;
        throw;
    }
    FInUpdateRowCount = false;
}

void TCustomDBGridLt::LinkActive(bool Value)
{
    if (!Value)
        HideEditor();
    FSelection->LinkStateChanged(Value);
    FSumList->SetDataSet(FDataLink->DataSet());
    LayoutChanged();
    if (Value && FOptions.Contains(dgAlwaysShowEditor))
        ShowEditor();
}

void TCustomDBGridLt::DataChanged()
{
    if (!FDataLink->Active())
        return;
    FSelection->DataSetChanged();
    UpdateRowCount();
    if (EditorMode() && InplaceEditor()) {
        const std::string text = GetEditText(Col(), Row());
        if (text != InplaceEditor()->Text())
            InplaceEditor()->UpdateContents();
    }
    Invalidate();
}

void TCustomDBGridLt::Scroll(int Distance)
{
    (void)Distance;
    if (!FDataLink->Active())
        return;
    const bool editor = EditorMode();
    if (editor)
        HideEditor();
    UpdateRowCount();
    Invalidate();
    if (editor && FOptions.Contains(dgAlwaysShowEditor))
        ShowEditor();
}

void TCustomDBGridLt::EditingChanged()
{
    if (FIndicatorOffset > 0)
        RepaintRect({0, FTitleOffset, 0, RowCount() - 1});
}

void TCustomDBGridLt::RecordChanged(TField* Field)
{
    if (!FDataLink->Active())
        return;
    bool shown = Field == nullptr;
    for (int i = 0; !shown && i < FColumns->Count(); ++i)
        shown = FColumns->Items(i)->BoundField() == Field;
    if (shown)
        RepaintRow(Row());
    const TField* selected = SelectedField();
    if ((Field == nullptr || Field == selected) && EditorMode() && InplaceEditor() && selected &&
        selected->Text() != InplaceEditor()->Text()) {
        InplaceEditor()->UpdateContents();
        InplaceEditor()->Deselect();
    }
}

void TCustomDBGridLt::TopLeftChanged()
{
    TCustomGridLt::TopLeftChanged();
    Invalidate();
    if (!FInLayout)
        FollowFilterEditor();
}
