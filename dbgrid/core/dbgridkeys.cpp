// The data grid's keyboard: moving through the dataset and its columns,
// inserting, appending and deleting records, the Ctrl shortcuts and the
// keys of a check-box or image cell.
#include <algorithm>

#include <QApplication>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/engine/inplaceedit.h"
#include "platform/data/field.h"
#include "platform/ui/keys.h"

namespace {
TShiftState KeyModifiers(TShiftState Shift)
{
    return Shift * TShiftState{ssShift, ssAlt, ssCtrl};
}
} // namespace

bool TCustomDBGridLt::DataLinkReady() const
{
    return FDataLink->Active() && FDataLink->DataSet();
}

bool TCustomDBGridLt::CanModifyDataSet() const
{
    const TDataSet* dataSet = FDataLink->DataSet();
    return DataLinkReady() && dataSet->CanModify() && !FReadOnly;
}

bool TCustomDBGridLt::CanAppendRecord() const
{
    return CanModifyDataSet() && FOptions.Contains(dgEditing) && FAllowedOperations.Contains(alopAppendLt);
}

// ---- records --------------------------------------------------------------------

void TCustomDBGridLt::MoveRecord(int Distance, TShiftState Shift, bool Select)
{
    if (Distance == 0)
        return;
    if (Select && Shift.Contains(ssShift) && FOptions.Contains(dgMultiSelect)) {
        ExtendSelectionByRecords(Distance);
        return;
    }
    ClearSelectionForMove(Shift);
    MoveDataSetBy(Distance);
}

void TCustomDBGridLt::MoveDataSetBy(int Distance)
{
    TDataSet* dataSet = FDataLink->DataSet();
    if (Distance >= kWholeDataSet)
        dataSet->Last();
    else if (Distance <= -kWholeDataSet)
        dataSet->First();
    else
        FDataLink->MoveBy(Distance);
}

void TCustomDBGridLt::NextRecord(TShiftState Shift, bool Select)
{
    TDataSet* dataSet = FDataLink->DataSet();
    if (dataSet->State() == dsInsert && !dataSet->Modified() && !FDataLink->IsCellModified()) {
        if (dataSet->Eof())
            return;
        dataSet->Cancel();
    } else {
        MoveRecord(1, Shift, Select);
    }
    if (dataSet->Eof() && CanAppendRecord())
        dataSet->Append();
}

void TCustomDBGridLt::PriorRecord(TShiftState Shift, bool Select)
{
    TDataSet* dataSet = FDataLink->DataSet();
    if (dataSet->State() == dsInsert && !dataSet->Modified() && !FDataLink->IsCellModified())
        dataSet->Cancel();
    else
        MoveRecord(-1, Shift, Select);
}

void TCustomDBGridLt::InsertRecord()
{
    if (!CanModifyDataSet() || !FOptions.Contains(dgEditing))
        return;
    ClearSelectionForMove({});
    if (FAllowedOperations.Contains(alopInsertLt))
        FDataLink->DataSet()->Insert();
    else if (FAllowedOperations.Contains(alopAppendLt))
        FDataLink->DataSet()->Append();
}

void TCustomDBGridLt::CopyValueFromRecordAbove()
{
    TColumnLt* column = SelectedColumn();
    TField* field = column ? column->BoundField() : nullptr;
    if (!field || FDataLink->ActiveRecord() == 0 || !column->CanEditValue(false))
        return;
    TDataSet* dataSet = FDataLink->DataSet();
    const bool lookup = field->Lookup();
    const std::string names = lookup ? field->KeyFields() : field->FieldName();
    const int current = FDataLink->ActiveRecord();
    FDataLink->SetActiveRecord(current - 1);
    const Variant above = dataSet->FieldValues(names);
    FDataLink->SetActiveRecord(current);
    if (!column->CanEditValue(true))
        return;
    dataSet->SetFieldValues(names, above);
    ClearSelectionForMove({});
    ShowEditor();
    if (InplaceEditor())
        InplaceEditor()->SelectAll();
}

void TCustomDBGridLt::ClearField()
{
    TColumnLt* column = SelectedColumn();
    TField* field = column ? column->BoundField() : nullptr;
    if (!field || field->Required() || !column->CanEditValue(true))
        return;
    field->Clear();
}

bool TCustomDBGridLt::IsCheckOrImageCell(int RawCol) const
{
    const int i = RawToDataColumn(RawCol);
    if (FOptions.Contains(dgRowSelect) || i < 0 || i >= FColumns->Count())
        return false;
    const TColumnKindLt kind = FColumns->Items(i)->ColumnKind();
    return kind == ckCheckBoxesLt || kind == ckKeyImagesLt;
}

void TCustomDBGridLt::StepCellValue(bool Forward)
{
    if (TColumnLt* column = SelectedColumn())
        column->StepValue(Forward ? 1.0 : -1.0);
}

// ---- columns ------------------------------------------------------------------------

void TCustomDBGridLt::FocusCell(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol == Col() || !DataLinkReady() || FInLayout) {
        TCustomGridLt::FocusCell(ACol, ARow, MoveAnchor, Show);
        return;
    }
    // Clamped to the data columns; hidden columns are passed over in the
    // direction of travel (back the other way at the far end).
    const int first = FIndicatorOffset, last = ColCount() - 1;
    const int step = ACol < Col() ? -1 : 1;
    const auto shown = [this](int Raw) { return ColWidths(Raw) > 0; };
    int target = std::clamp(ACol, first, last);
    while (target >= first && target <= last && !shown(target))
        target += step;
    if (target < first || target > last) {
        target = std::clamp(ACol, first, last);
        while (target >= first && target <= last && !shown(target))
            target -= step;
        if (target < first || target > last)
            return;
    }
    if (target == Col())
        return;
    const int before = Col();
    ColExit();
    if (Col() != before)
        return;
    if (!FOptions.Contains(dgAlwaysShowEditor))
        HideEditor();
    // What was typed goes into the field of the column being left.
    if (FDataLink->Editing())
        FDataLink->UpdateRecord();
    TCustomGridLt::FocusCell(target, ARow, MoveAnchor, Show);
    if (FOptions.Contains(dgAlwaysShowEditor) && !IsCheckOrImageCell(Col()))
        ShowEditor();
    ColEnter();
    StopInplaceSearch();
}

void TCustomDBGridLt::TabToNextCell(bool Forward)
{
    const int start = Col();
    int col = start;
    for (;;) {
        col += Forward ? 1 : -1;
        if (col >= ColCount()) {
            NextRecord({}, false);
            col = FIndicatorOffset;
        } else if (col < FIndicatorOffset) {
            PriorRecord({}, false);
            col = ColCount() - 1;
        }
        if (col == start)
            return;
        if (TabStops(col)) {
            FocusCell(col, Row(), true, true);
            return;
        }
    }
}

void TCustomDBGridLt::ColEnter()
{
    if (FOnColEnter)
        FOnColEnter(this);
}

void TCustomDBGridLt::ColExit()
{
    if (FOnColExit)
        FOnColExit(this);
}

// ---- the keys -------------------------------------------------------------------------

bool TCustomDBGridLt::CtrlKeyDown(unsigned& Key, TShiftState Shift)
{
    const bool shift = Shift.Contains(ssShift);
    switch (Key) {
    case VK_PRIOR:
    case VK_UP:
        MoveRecord(-FDataLink->ActiveRecord(), Shift, true);
        return true;
    case VK_NEXT:
    case VK_DOWN:
        MoveRecord(FDataLink->RecordCount() - 1 - FDataLink->ActiveRecord(), Shift, true);
        return true;
    case VK_HOME:
        MoveRecord(-kWholeDataSet, Shift, true);
        return true;
    case VK_END:
        MoveRecord(kWholeDataSet, Shift, true);
        return true;
    case VK_LEFT:
        GoToColumn(FIndicatorOffset, {});
        return true;
    case VK_RIGHT:
        GoToColumn(ColCount() - 1, {});
        return true;
    case VK_DELETE:
        if (!shift)
            DeleteRecordsConfirmed();
        return true;
    case 'A':
        RunEditAction(geaSelectAllLt);
        return true;
    default:
        return false;
    }
}

bool TCustomDBGridLt::PlainKeyDown(unsigned& Key, TShiftState Shift)
{
    const bool shift = Shift.Contains(ssShift);
    switch (Key) {
    case VK_TAB:
        if (Shift.Contains(ssAlt))
            return false;
        TabToNextCell(!shift);
        return true;
    case VK_RETURN:
        if (!FOptionsLt.Contains(dghEnterAsTab))
            return false;
        TabToNextCell(!shift);
        return true;
    case VK_ESCAPE:
        // The editor goes first: hiding it stores its text into the cell,
        // which the reset then takes back.
        if (!FOptions.Contains(dgAlwaysShowEditor))
            SetEditorMode(false);
        FDataLink->Reset();
        ClearSelectionForMove({});
        CancelMouseOperation();
        Perform(WM_CANCELMODE);
        return true;
    case VK_PRIOR:
        MoveRecord(-FDataLink->BufferCount(), Shift, true);
        return true;
    case VK_NEXT:
        MoveRecord(FDataLink->BufferCount(), Shift, true);
        return true;
    case VK_HOME:
    case VK_END: {
        const bool toEnd = Key == VK_END;
        if (ColCount() - FIndicatorOffset > 1 && !FOptions.Contains(dgRowSelect))
            GoToColumn(toEnd ? ColCount() - 1 : FIndicatorOffset, Shift);
        else
            MoveRecord(toEnd ? kWholeDataSet : -kWholeDataSet, Shift, true);
        return true;
    }
    case VK_LEFT:
    case VK_RIGHT: {
        const int step = Key == VK_LEFT ? -1 : 1;
        if (FOptions.Contains(dgRowSelect))
            SetFirstShownCol(std::max(FixedCols(), FirstShownCol() + step));
        else
            GoToColumn(Col() + step, Shift);
        return true;
    }
    case VK_UP:
        PriorRecord(Shift, true);
        return true;
    case VK_DOWN:
        NextRecord(Shift, true);
        return true;
    case VK_INSERT:
        if (!shift)
            InsertRecord();
        return true;
    case VK_DELETE:
        if (!shift && IsCheckOrImageCell(Col()))
            ClearField();
        return true;
    case VK_F2:
        SetEditorMode(true);
        return true;
    default:
        return false;
    }
}

void TCustomDBGridLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    RaiseKeyDown(Key, Shift);
    if (!DataLinkReady() || !CanGridAcceptKey(Key, Shift) || Key == 0)
        return;
    const TShiftState modifiers = KeyModifiers(Shift);
    if (modifiers == TShiftState{ssCtrl} && Key == VK_OEM_7) {
        CopyValueFromRecordAbove();
        Key = 0;
        return;
    }
    if (InplaceSearchKeyDown(Key, modifiers) || FindKeyDown(Key, modifiers) || FilterRowKeyDown(Key, modifiers) ||
        ClipboardKeyDown(Key, modifiers)) {
        Key = 0;
        return;
    }
    const bool handled = Shift.Contains(ssCtrl) ? CtrlKeyDown(Key, Shift) : PlainKeyDown(Key, Shift);
    if (handled)
        Key = 0;
}

void TCustomDBGridLt::KeyUp(unsigned& Key, TShiftState Shift)
{
    TCustomGridLt::KeyUp(Key, Shift);
    if (Key == VK_CONTROL)
        AnnounceHeldSortMarking();
}

bool TCustomDBGridLt::FocusLeftGrid() const
{
    const TControl* focused = FindControl(QApplication::focusWidget());
    return focused && focused != this && !ContainsControl(focused);
}

void TCustomDBGridLt::DoExit()
{
    if (FocusLeftGrid())
        HideFilterEditor();
    AnnounceHeldSortMarking();
    if (FOptions.Contains(dgRowSelect))
        RepaintRow(Row());
    if (DataLinkReady()) {
        try {
            // What the editor shows is the cell's text from here on.
            const TGridCoordLt editing = EditorPos();
            if (editing.X >= 0 && editing.Y >= 0 && InplaceEditor())
                SetEditText(editing.X, editing.Y, InplaceEditor()->Text());
            TDataSet* dataSet = FDataLink->DataSet();
            if (FOptions.Contains(dgCancelOnExit) && dataSet->State() == dsInsert && !dataSet->Modified() &&
                !FDataLink->IsCellModified())
                dataSet->Cancel();
            else
                FDataLink->UpdateRecord();
        } catch (...) {
            // The record refused the text: the focus comes back to the
            // editor that still shows it.
            if (CanFocus())
                SetFocus();
            throw;
        }
    }
    TCustomGridLt::DoExit();
}
