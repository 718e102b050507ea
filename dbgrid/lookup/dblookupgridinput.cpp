// The lookup grid's input: the incremental search over the list field, the
// keys that move the selected row (through the special row), choosing rows
// with the mouse with auto-scroll outside the window, the wheel, and moving
// columns with their special-row cells.
#include <algorithm>

#include "dbcontrols/extravaluerow.h"
#include "dbcontrols/variantsmatch.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/lookup/dblookupgridlt.h"
#include "platform/data/field.h"
#include "platform/rtl/clocks.h"
#include "platform/rtl/strutils.h"

namespace {
std::function<uint32_t()>& SearchClock()
{
    static std::function<uint32_t()> clock = GetTickCount;
    return clock;
}

// The time of the last search key, one for all lookup grids.
uint32_t gLastSearchTick = 0;

constexpr int kTrackInterval = 200;   // ms per row scrolled while tracking
constexpr int kTrackSpeedUp = 15;     // ms less per pixel of distance

bool IsSearchField(const TField& Field)
{
    const bool stringType = Field.DataType() == ftString || Field.DataType() == ftWideString ||
                            Field.DataType() == ftFixedChar;
    return stringType && (Field.FieldKind() == fkData || Field.FieldKind() == fkInternalCalc);
}

bool AtFirstRecord(const TDataSet& List)
{
    return List.Bof() || List.RecNo() == 1;
}
} // namespace

void TDBLookupGridLt::SetSearchClock(std::function<uint32_t()> Clock)
{
    SearchClock() = Clock ? std::move(Clock) : GetTickCount;
}

// ---- incremental search ------------------------------------------------------------

void TDBLookupGridLt::KeyPress(char32_t& Key)
{
    TCustomDBGridLt::KeyPress(Key);
    if (Key == 0 || !FListField || !IsSearchField(*FListField))
        return;
    if (Key == VK_BACK || Key == VK_ESCAPE || Key < 32 || Key == 127 || !CanChangeKey())
        return;
    SearchKey(Key);
    Key = 0;
}

void TDBLookupGridLt::SearchKey(char32_t Key)
{
    const uint32_t now = SearchClock()();
    if (now - gLastSearchTick > kSearchTimeout)
        FSearchText.clear();
    gLastSearchTick = now;
    if (static_cast<std::size_t>(Utf8Length(FSearchText)) >= kSearchMaxLength)
        return;
    const std::string text = FSearchText + Utf32ToUtf8(std::u32string(1, Key));
    UserAction();
    try {
        TDataSet* list = DataLink()->DataSet();
        if (list->Locate(FListField->FieldName(), Variant(text), {loCaseInsensitive, loPartialKey})) {
            ChooseKeyValue(CurrentKeyValue());
            FSearchText = text;
        }
    } catch (const Exception&) {
        FSearchText = text;
    }
}

// ---- keys -------------------------------------------------------------------------------

void TDBLookupGridLt::MoveListBy(int Distance)
{
    if (Distance != 0)
        DataLink()->DataSet()->MoveBy(Distance);
}

void TDBLookupGridLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (!CanChangeKey()) {
        TCustomDBGridLt::KeyDown(Key, Shift);
        return;
    }
    const int page = std::max(1, DataLink()->BufferCount() - 1);
    const TScrollBar* horz = HorzScrollBarControl();
    const bool horzHidden = !horz || !horz->Visible();
    int delta = 0;
    bool toFirst = false, toLast = false;
    switch (Key) {
    case VK_PRIOR: delta = -page; break;
    case VK_NEXT: delta = page; break;
    case VK_UP: delta = -1; break;
    case VK_DOWN: delta = 1; break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!horzHidden) {
            TCustomDBGridLt::KeyDown(Key, Shift);
            return;
        }
        delta = Key == VK_LEFT ? -1 : 1;
        break;
    case VK_HOME: toFirst = true; break;
    case VK_END: toLast = true; break;
    default:
        TCustomDBGridLt::KeyDown(Key, Shift);
        return;
    }
    RaiseKeyDown(Key, Shift);
    if (Key == 0)
        return;
    Key = 0;
    UserAction();
    TDataSet& list = *DataLink()->DataSet();
    const bool backward = delta < 0 || toFirst;
    if (FSpecRow->Visible() && backward && (FSpecRowSelected || AtFirstRecord(list))) {
        SelectSpecRow();
        return;
    }
    if (FSpecRowSelected) {
        // Forward from the special row: the first record is the first step.
        list.First();
        if (toLast)
            list.Last();
        else
            MoveListBy(delta - 1);
        SelectCurrent();
        return;
    }
    if (!VariantsMatch(CurrentKeyValue(), FSelectedKey) && !FSelectedKey.IsNull()) {
        const int row = KeyGridRow();
        if (row < 0) {
            ApplyKeyValue();
            return;
        }
        MoveListBy(row - FirstDataRow() - DataLink()->ActiveRecord());
    }
    if (!FKeySelected && delta > 0)
        --delta;   // nothing chosen yet: the first step takes the current row
    if (toFirst)
        list.First();
    else if (toLast)
        list.Last();
    else
        MoveListBy(delta);
    SelectCurrent();
}

// ---- mouse ------------------------------------------------------------------------------

bool TDBLookupGridLt::TakeFocusOnPress()
{
    if (!CanFocus())
        return false;
    SetFocus();
    return true;
}

void TDBLookupGridLt::SelectGridRow(int ARow)
{
    if (ARow >= 0 && ARow == SpecGridRow()) {
        SelectSpecRow();
        return;
    }
    const int record = ARow - FirstDataRow();
    if (!FListActive || record < 0 || record >= DataLink()->RecordCount())
        return;
    MoveListBy(record - DataLink()->ActiveRecord());
    SelectCurrent();
}

void TDBLookupGridLt::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridCoordLt cell = MouseToCell(X, Y);
    const bool onSpecRow = cell.Y >= 0 && cell.Y == SpecGridRow();
    const bool onData = cell.Y >= FirstDataRow() && cell.X >= IndicatorOffset();
    if (!onSpecRow && !onData) {
        TCustomDBGridLt::MouseDown(Button, Shift, X, Y);
        return;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !TakeFocusOnPress() || !CanChangeKey())
        return;
    UserAction();
    const bool onCurrent = onSpecRow ? FSpecRowSelected : cell.Y == KeyGridRow();
    if (Shift.Contains(ssDouble) && onCurrent) {
        DblClick();
        return;
    }
    FTracking = true;
    SelectGridRow(cell.Y);
}

void TDBLookupGridLt::MouseMove(TShiftState Shift, int X, int Y)
{
    if (!FTracking) {
        TCustomDBGridLt::MouseMove(Shift, X, Y);
        return;
    }
    TCustomControl::MouseMove(Shift, X, Y);
    const TRect client = ClientRect();
    FTrackPoint = TPoint{X, Y};
    const int distance = Y < client.Top ? client.Top - Y : (Y >= client.Bottom ? Y - client.Bottom + 1 : 0);
    if (distance == 0) {
        FTrackTimer.Stop();
        const TGridCoordLt cell = MouseToCell(X, Y);
        if (cell.Y >= 0)
            SelectGridRow(cell.Y);
        return;
    }
    const auto interval = static_cast<unsigned>(std::max(1, kTrackInterval - kTrackSpeedUp * distance));
    if (!FTrackTimer.Running() || FTrackTimer.Interval() != interval)
        FTrackTimer.Start(interval);
}

void TDBLookupGridLt::TrackTick()
{
    if (!FTracking || !FListActive) {
        FTrackTimer.Stop();
        return;
    }
    TDataSet& list = *DataLink()->DataSet();
    if (FTrackPoint.Y < ClientRect().Top) {
        if (FSpecRow->Visible() && AtFirstRecord(list))
            SelectSpecRow();
        else if (!FSpecRowSelected) {
            MoveListBy(-1);
            SelectCurrent();
        }
    } else if (FSpecRowSelected) {
        list.First();
        SelectCurrent();
    } else {
        MoveListBy(1);
        SelectCurrent();
    }
}

void TDBLookupGridLt::StopTracking()
{
    FTracking = false;
    FTrackTimer.Stop();
}

void TDBLookupGridLt::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!FTracking) {
        TCustomDBGridLt::MouseUp(Button, Shift, X, Y);
        return;
    }
    StopTracking();
    if (PtInRect(ClientRect(), TPoint{X, Y})) {
        const TGridCoordLt cell = MouseToCell(X, Y);
        if (cell.Y >= 0)
            SelectGridRow(cell.Y);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- messages ---------------------------------------------------------------------------

void TDBLookupGridLt::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_MOUSEWHEEL: {
        const auto delta = static_cast<int16_t>(HiWord(Message.WParam));
        Message.Result = 1;
        if (delta == 0 || !CanChangeKey())
            return;
        UserAction();
        // To the row after the last shown, or before the first shown.
        const int active = DataLink()->ActiveRecord();
        MoveListBy(delta < 0 ? DataLink()->RecordCount() - active : -(active + 1));
        SelectCurrent();
        return;
    }
    default:
        TCustomDBGridLt::Dispatch(Message);
    }
}

// ---- moving columns ---------------------------------------------------------------------

void TDBLookupGridLt::ColumnMoved(int FromIndex, int ToIndex)
{
    TCustomDBGridLt::ColumnMoved(FromIndex, ToIndex);
    const int from = RawToDataColumn(FromIndex);
    const int to = RawToDataColumn(ToIndex);
    if (!Columns()->Customized() || !FListActive || from < 0 || to < 0 || from == to)
        return;
    std::vector<std::string> cells = SplitSpecRowCells(FSpecRow->CellsText());
    cells.resize(std::max<std::size_t>(cells.size(), static_cast<std::size_t>(std::max(from, to) + 1)));
    const std::string moved = cells[static_cast<std::size_t>(from)];
    cells.erase(cells.begin() + from);
    cells.insert(cells.begin() + to, moved);
    FSpecRow->HoldChanges();
    FSpecRow->SetCellsText(JoinSpecRowCells(cells));
    FSpecRow->ReleaseChanges();
    if (FListFieldNo == from)
        FListFieldNo = to;
    else if (from < FListFieldNo && FListFieldNo <= to)
        --FListFieldNo;
    else if (to <= FListFieldNo && FListFieldNo < from)
        ++FListFieldNo;
    std::string names;
    for (int i = 0; i < Columns()->Count(); ++i)
        names += (i > 0 ? ";" : "") + Columns()->Items(i)->FieldName();
    FListFieldNames = names;
    RebindListFields();
}
