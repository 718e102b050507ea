// The data grid's layout: columns (stored or default), the visible list and
// frozen columns, engine column widths, row and title heights, automatic
// width fitting, the delayed layout and scaling.
#include <algorithm>
#include <cmath>
#include <vector>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/data/field.h"
#include "platform/rtl/filer.h"
#include "platform/ui/widgetbridge.h"

namespace {
// A * B / C rounded to nearest with a 64-bit product; C of 0 gives A.
int MulDivRound(int A, int B, int C)
{
    if (C == 0)
        return A;
    const double exact = static_cast<double>(int64_t{A} * B) / C;
    return static_cast<int>(std::lround(exact));
}

// The text metrics of a font.
TTextMetric MetricsOf(const TFont* Font, int* WgHeight = nullptr)
{
    TCanvas canvas;
    canvas.Font()->Assign(Font);
    if (WgHeight)
        *WgHeight = canvas.TextHeight("Wg");
    return canvas.TextMetrics();
}
} // namespace

void TCustomDBGridLt::BeginLayout()
{
    ++FLayoutLock;
    FColumns->BeginUpdate();
}

void TCustomDBGridLt::EndLayout()
{
    if (FLayoutLock == 0)
        return;
    FColumns->EndUpdate();
    if (--FLayoutLock == 0)
        LayoutChanged();
}

void TCustomDBGridLt::LayoutChanged()
{
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying))
        return;
    if (FLayoutLock > 0) {
        if (!FLayoutPending && HasBridge()) {
            FLayoutPending = true;
            PostMessage(this, CM_DBGRIDLAYOUTLT, 0, 0);
        }
        return;
    }
    if (FInLayout)
        return;
    FInLayout = true;
    FLayoutPending = false;
    try {
        InternalLayout();
    } catch (...) {
        FInLayout = false;
        throw;
    }
    FInLayout = false;
    FollowFilterEditor();
}

void TCustomDBGridLt::Dispatch(TMessage& Message)
{
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && DragMode() == dmAutomatic &&
        FOptions.Contains(dgMultiSelect)) {
        // The press selects as in manual mode; only a row already selected
        // is dragged (once the mouse moves).
        SetDragMode(dmManual);
        FAutoDragPress = true;
        try {
            Dispatch(Message);
        } catch (...) {
            FAutoDragPress = false;
            SetDragMode(dmAutomatic);
            throw;
        }
        FAutoDragPress = false;
        SetDragMode(dmAutomatic);
        return;
    }
    if (DispatchGridMessage(Message))
        return;
    if (Message.Msg == CM_DBGRIDLAYOUTLT) {
        if (FLayoutPending && FLayoutLock == 0)
            LayoutChanged();
        FLayoutPending = false;
        return;
    }
    TCustomGridLt::Dispatch(Message);
}

void TCustomDBGridLt::DefineFieldMap()
{
    FDataLink->ClearFieldMap();
    if (!FDataLink->Active())
        return;
    if (FColumns->Customized()) {
        // A stored column naming no field of the dataset shows an empty
        // column rather than breaking the layout.
        const bool lenient = FDataLink->LenientMap();
        FDataLink->SetLenientMap(true);
        try {
            for (int i = 0; i < FColumns->Count(); ++i)
                FDataLink->MapField(FColumns->Items(i)->FieldName());
        } catch (...) {
            FDataLink->SetLenientMap(lenient);
            throw;
        }
        FDataLink->SetLenientMap(lenient);
        return;
    }
    for (TField* field : FDataLink->DataSet()->FieldList())
        if (field->Visible())
            FDataLink->MapField(field->FieldName());
}

void TCustomDBGridLt::BuildColumns()
{
    TDBGridColumnsLt& columns = *FColumns;
    if (columns.Customized()) {
        for (int i = 0; i < columns.Count(); ++i) {
            TColumnLt* column = columns.Items(i);
            column->DropBoundField();
            column->BoundField();
        }
        return;
    }
    TDataSet* dataSet = FDataLink->DataSet();
    const bool noFields = !dataSet || (!dataSet->Active() && dataSet->DefaultFields());
    const int mapped = FDataLink->Active() ? FDataLink->MapCount() : 0;
    // The fields the columns may keep: those mapped, or while the link is
    // not active the dataset's persistent visible fields.
    std::vector<TField*> shown;
    for (int i = 0; i < mapped; ++i)
        shown.push_back(FDataLink->MappedField(i));
    if (!FDataLink->Active() && !noFields)
        for (TField* field : dataSet->FieldList())
            if (field->Visible())
                shown.push_back(field);
    for (int i = columns.Count() - 1; i >= 0; --i) {
        const TField* field = columns.Items(i)->BoundField();
        if (noFields || !field || std::find(shown.begin(), shown.end(), field) == shown.end())
            columns.Delete(i);
    }
    for (int i = 0; i < mapped; ++i) {
        TField* field = shown[static_cast<std::size_t>(i)];
        int found = -1;
        for (int j = i; j < columns.Count(); ++j)
            if (columns.Items(j)->BoundField() == field)
                found = j;
        if (found >= 0) {
            columns.Move(found, i);
        } else {
            TColumnLt* column = columns.AddDefaultColumn();
            column->BindField(field);
            columns.Move(column->Index(), i);
        }
    }
    if (columns.Count() == 0)
        columns.AddDefaultColumn();
}

void TCustomDBGridLt::BuildVisibleColumns(int& HiddenFrozen)
{
    FVisibleColumns.Clear();
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->Visible())
            FVisibleColumns.Add(FColumns->Items(i));
    // Hidden columns among the frozen ones push the boundary right, and so
    // do hidden columns directly after them.
    HiddenFrozen = 0;
    if (FFrozenCols == 0)
        return;
    int i = 0;
    for (int seen = 0; i < FColumns->Count() && seen < FFrozenCols; ++i)
        FColumns->Items(i)->Visible() ? ++seen : ++HiddenFrozen;
    for (; i < FColumns->Count() && !FColumns->Items(i)->Visible(); ++i)
        ++HiddenFrozen;
}

void TCustomDBGridLt::InternalLayout()
{
    // Stored columns replace the default ones, wherever they stand.
    TDBGridColumnsLt& columns = *FColumns;
    bool anyStored = false;
    for (int i = 0; i < columns.Count(); ++i)
        anyStored = anyStored || columns.Items(i)->IsStored();
    if (anyStored)
        for (int i = columns.Count() - 1; i >= 0; --i)
            if (!columns.Items(i)->IsStored())
                columns.Delete(i);

    FIndicatorOffset = FOptions.Contains(dgIndicator) ? 1 : 0;
    FTitleOffset = (FOptions.Contains(dgTitles) ? 1 : 0) + FilterRowCount() + ExtraFixedRowCount();
    columns.BeginUpdate();
    try {
        DefineFieldMap();
        BuildColumns();
    } catch (...) {
        columns.EndUpdate();
        throw;
    }
    columns.EndUpdate();

    int hiddenFrozen = 0;
    BuildVisibleColumns(hiddenFrozen);
    const int dataCols = columns.Count();
    SetColCount(dataCols + FIndicatorOffset);
    const int frozen = std::min(FFrozenCols, FVisibleColumns.Count());
    int fixed = FIndicatorOffset + frozen + (frozen > 0 ? hiddenFrozen : 0);
    if (FVisibleColumns.Count() == 0 && fixed > FIndicatorOffset)
        --fixed;
    fixed = std::clamp(fixed, 0, ColCount() - 1);
    if (FixedCols() != fixed)
        SetFixedCols(fixed);
    TCustomGridLt::SetFrozenCols(fixed - std::min(FIndicatorOffset, fixed));
    if (ContraColCount() > ColCount() - fixed - 1)
        SetContraColCount(std::max(0, ColCount() - fixed - 1));
    if (FixedRows() != FTitleOffset) {
        if (RowCount() <= FTitleOffset)
            SetRowCount(FTitleOffset + 1);
        SetFixedRows(FTitleOffset);
    }

    CalcRowHeights();
    CalcTitleHeight();
    SetContraRowCount(FFooterRowCount);
    UpdateScrollBarStyle();
    if (FAutoFitColWidths && HasBridge() && !Designing())
        AutoFitColWidthsNow();
    UpdateColumnExtents();
    UpdateRowCount();
    RefreshSelection();
    Invalidate();
}

void TCustomDBGridLt::CalcRowHeights()
{
    int textHeight = 0;
    const TTextMetric tm = MetricsOf(Font(), &textHeight);
    int base = (Flat() ? 1 : 3) + (FOptions.Contains(dgRowLines) ? GridLineWidth() : 0);
    int height = 0;
    if (FRowHeight > 0 || FRowLines > 0)
        height = FRowHeight + (tm.tmHeight + tm.tmExternalLeading) * FRowLines;
    else
        height = textHeight + base;
    if (FOptionsLt.Contains(dghFitRowHeightToText) && textHeight > 0) {
        const int lines = (height - base) / textHeight;
        const int rest = (height - base) % textHeight;
        height = rest <= textHeight / 2 && lines > 0 ? lines * textHeight + base : (lines + 1) * textHeight + base;
        FRowLines = rest <= textHeight / 2 && lines > 0 ? lines : lines + 1;
        FRowHeight = base;
    }
    SetDefaultRowHeight(std::max(height, 1));
    FCanWordWrap = height > textHeight + 4;
}

void TCustomDBGridLt::CalcTitleHeight()
{
    if (!FOptions.Contains(dgTitles) || RowCount() == 0)
        return;
    int height = 0;
    const TTextMetric tm = MetricsOf(FTitleFont.get());
    if (FUseMultiTitle) {
        height = BuildTitleTree();
    } else if (FTitleHeight != 0 || FTitleLines != 0) {
        height = FTitleLines * (tm.tmHeight + tm.tmExternalLeading) + FTitleHeight + 2 +
                 (FOptions.Contains(dgRowLines) ? 1 : 0);
    } else {
        for (int i = 0; i < FColumns->Count(); ++i) {
            int wg = 0;
            MetricsOf(FColumns->Items(i)->Title()->Font(), &wg);
            height = std::max(height, wg + TitleMargin());
        }
        if (height == 0) {
            int wg = 0;
            MetricsOf(FTitleFont.get(), &wg);
            height = wg + TitleMargin();
        }
    }
    TCustomGridLt::SetRowHeight(0, height);
}

void TCustomDBGridLt::UpdateColumnExtents()
{
    FUpdatingColWidths = true;
    try {
        if (FIndicatorOffset > 0)
            SetColWidth(0, kIndicatorWidth);
        const bool linkActive = FDataLink->Active();
        for (int i = 0; i < FColumns->Count() && DataToRawColumn(i) < ColCount(); ++i) {
            TColumnLt* column = FColumns->Items(i);
            const int raw = DataToRawColumn(i);
            const int hiddenWidth = FOptions.Contains(dgColLines) ? -1 : 0;
            SetColWidth(raw, column->Visible() ? column->Width() : hiddenWidth);
            const TField* field = column->BoundField();
            SetTabStop(raw, column->Visible() && !column->ReadOnly() && linkActive && field && field->CanModify());
        }
    } catch (...) {
        FUpdatingColWidths = false;
        throw;
    }
    FUpdatingColWidths = false;
}

void TCustomDBGridLt::SaveInitialWidths()
{
    for (int i = 0; i < FColumns->Count(); ++i)
        FColumns->Items(i)->SetInitialWidth(FColumns->Items(i)->Width());
}

void TCustomDBGridLt::AutoFitColWidthsNow()
{
    FInAutoFit = true;
    std::vector<TColumnLt*> fitting;
    int fixedWidth = 0;
    for (TColumnLt* column : FVisibleColumns) {
        if (column->AutoFitColWidth())
            fitting.push_back(column);
        else
            fixedWidth += column->Width();
    }
    std::vector<bool> outOfRange(fitting.size(), false);
    const int lines = FOptions.Contains(dgColLines) ? GridLineWidth() : 0;
    const int indicator = FIndicatorOffset > 0 ? kIndicatorWidth + lines : 0;
    try {
        for (bool again = true; again;) {
            again = false;
            int room = std::max(ClientWidth(), FMinAutoFitWidth) - fixedWidth;
            room = std::max(room, 0) - indicator - lines * FVisibleColumns.Count();
            int64_t initialSum = 0;
            for (std::size_t i = 0; i < fitting.size(); ++i) {
                if (outOfRange[i])
                    room -= fitting[i]->Width();
                else
                    initialSum += fitting[i]->InitialWidth();
            }
            if (initialSum <= 0)
                break;
            int given = 0;
            int lastInRange = -1;
            for (std::size_t i = 0; i < fitting.size(); ++i) {
                if (outOfRange[i])
                    continue;
                const int want = static_cast<int>(std::llround(
                    static_cast<double>(fitting[i]->InitialWidth()) * std::max(room, 0) / initialSum));
                fitting[i]->SetWidth(want);
                if (fitting[i]->Width() != want) {
                    outOfRange[i] = true;
                    again = true;
                } else {
                    lastInRange = static_cast<int>(i);
                }
                given += fitting[i]->Width();
            }
            if (!again && lastInRange >= 0) {
                TColumnLt* last = fitting[static_cast<std::size_t>(lastInRange)];
                last->SetWidth(std::max(0, last->Width() + std::max(room, 0) - given));
            }
        }
    } catch (...) {
        FInAutoFit = false;
        throw;
    }
    FInAutoFit = false;
}

void TCustomDBGridLt::ColumnChanged(TColumnLt* Column)
{
    if (ComponentState().Contains(csLoading))
        return;
    if (!Column) {
        LayoutChanged();
    } else {
        const int raw = ColumnToRaw(Column);
        if (raw >= 0 && raw < ColCount()) {
            const int colWidth = ColWidths(raw);
            if (!FAutoFitColWidths || Designing()) {
                if (colWidth == Column->Width() && Column->Visible()) {
                    if (FUseMultiTitle)
                        LayoutChanged();
                } else {
                    LayoutChanged();
                }
            } else if (Column->Visible() && !FInAutoFit) {
                // A width given from outside moves the base the fitting
                // starts from; the widths the fitting gives leave it.
                Column->SetFitBaseWidth(MulDivRound(Column->FitBaseWidth(), Column->Width(), colWidth));
                LayoutChanged();
            }
        } else {
            LayoutChanged();
        }
    }
    if (SelectedColumn() && !SelectedColumn()->Visible() && FVisibleColumns.Count() > 0)
        SetSelectedIndex(FVisibleColumns.Items(0)->Index());
    Invalidate();
}

void TCustomDBGridLt::ColWidthsChanged()
{
    TCustomGridLt::ColWidthsChanged();
    if (FUpdatingColWidths || FInLayout)
        return;
    BeginLayout();
    try {
        for (int i = 0; i < FColumns->Count(); ++i) {
            const int raw = DataToRawColumn(i);
            if (raw < ColCount() && FColumns->Items(i)->Visible() && ColWidths(raw) > 0)
                FColumns->Items(i)->SetWidth(ColWidths(raw));
        }
    } catch (...) {
        EndLayout();
        throw;
    }
    EndLayout();
    if (FOnColWidthsChanged)
        FOnColWidthsChanged(this);
}

void TCustomDBGridLt::ColumnMoved(int FromIndex, int ToIndex)
{
    TCustomGridLt::ColumnMoved(FromIndex, ToIndex);
    const int from = RawToDataColumn(FromIndex);
    const int to = RawToDataColumn(ToIndex);
    if (from >= 0 && to >= 0 && from < FColumns->Count() && to < FColumns->Count()) {
        BeginLayout();
        try {
            FColumns->Items(from)->SetIndex(to);
        } catch (...) {
            EndLayout();
            throw;
        }
        EndLayout();
    }
    if (FOnColumnMoved)
        FOnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDBGridLt::Resize()
{
    TCustomGridLt::Resize();
    if (FAutoFitColWidths)
        LayoutChanged();
    else
        UpdateRowCount();
}

void TCustomDBGridLt::Loaded()
{
    TCustomGridLt::Loaded();
    if (FAutoFitColWidths)
        SaveInitialWidths();
    FSortMarkedColumns.Clear();
    std::vector<TColumnLt*> marked;
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->Title()->SortIndex() > 0)
            marked.push_back(FColumns->Items(i));
    std::sort(marked.begin(), marked.end(), [](const TColumnLt* a, const TColumnLt* b) {
        return a->Title()->SortIndex() < b->Title()->SortIndex();
    });
    for (TColumnLt* column : marked)
        FSortMarkedColumns.Add(column);
    if (DataSource())
        FSumList->Loaded();
    LayoutChanged();
}

void TCustomDBGridLt::ChangeScale(int M, int D)
{
    if (M == D || D == 0)
        return;
    BeginLayout();
    try {
        if (!ParentFont()) {
            FTitleFont->SetSize(MulDivRound(FTitleFont->Size(), M, D));
            FFooterFont->SetSize(MulDivRound(FFooterFont->Size(), M, D));
        }
        int sum = 0;
        int scaledBefore = 0;
        for (int i = 0; i < FColumns->Count(); ++i) {
            TColumnLt* column = FColumns->Items(i);
            if (column->IsExplicit(cevFont))
                column->Font()->SetSize(MulDivRound(column->Font()->Size(), M, D));
            if (column->IsExplicit(cevTitleFont))
                column->Title()->Font()->SetSize(MulDivRound(column->Title()->Font()->Size(), M, D));
            sum += column->Width();
            const int scaled = MulDivRound(sum, M, D);
            column->SetWidth(scaled - scaledBefore);
            scaledBefore = scaled;
        }
    } catch (...) {
        EndLayout();
        throw;
    }
    EndLayout();
}

void TCustomDBGridLt::DefineProperties(TFiler& Filer)
{
    TCustomGridLt::DefineProperties(Filer);
}
