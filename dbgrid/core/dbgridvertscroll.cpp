// The data grid's scroll bars. The grid shows the data link's window of rows
// around the current record, so its vertical bar is the dataset's position:
// record numbers on a sequenced dataset, five stops (start, page up,
// elsewhere, page down, end) on one without record numbers; its gestures
// move the dataset. The horizontal bar is the engine's. An external scroll
// bar takes the place of either: the window's bar is left empty and the
// external one shows the same range (the horizontal one on the 0..127
// scale, a page of the columns shown).
#include <algorithm>

#include "dbgrid/core/dbgridlt.h"
#include "platform/data/dataset.h"

namespace {
// The five stops of a dataset without record numbers.
constexpr int kStopFirst = 0;
constexpr int kStopPageUp = 1;
constexpr int kStopElsewhere = 2;
constexpr int kStopPageDown = 3;
constexpr int kStopLast = 4;
} // namespace

std::unique_ptr<TDBGridLtScrollBar> TCustomDBGridLt::CreateScrollBar(bool Vertical)
{
    std::unique_ptr<TDBGridLtScrollBar> bar;
    if (Vertical)
        bar = std::make_unique<TVertDBGridLtScrollBar>(this);
    else
        bar = std::make_unique<TDBGridLtScrollBar>(this, sbHorizontal);
    bar->SetOnChange([this] {
        UpdateScrollBarStyle();
        UpdateScrollBars();
        LayoutChanged();
    });
    return bar;
}

int TCustomDBGridLt::VisibleDataRowCount() const
{
    return std::max(1, FDataLink->BufferCount());
}

void TCustomDBGridLt::UpdateScrollBarStyle()
{
    const bool horz =
        FHorzScrollBar->Visible() && (!FAutoFitColWidths || Designing()) && !FHorzScrollBar->ExtScrollBar();
    const bool vert = FVertScrollBar->Visible() && !FVertScrollBar->ExtScrollBar();
    const TScrollStyle style = horz ? (vert ? ssBoth : ssHorizontal) : (vert ? ssVertical : ssNone);
    if (ScrollBars() != style)
        SetScrollBars(style);
}

TScrollBarStateLt TCustomDBGridLt::VertScrollBarState(const TGridAxisLt&)
{
    TScrollBarStateLt state;
    const TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
    if (!dataSet) {
        state = {0, 1, 2, 0};
    } else if (dataSet->IsSequenced()) {
        const int page = VisibleDataRowCount();
        state.Min = 1;
        state.Page = page;
        state.Max = std::max(state.Min, dataSet->RecordCount() + page - 1);
        const bool editing = dataSet->State() == dsEdit || dataSet->State() == dsInsert;
        const TScrollBar* bar = FVertScrollBar->ExtScrollBar() ? FVertScrollBar->ExtScrollBar() : VertScrollBarControl();
        state.Position = editing && bar ? bar->Position() : dataSet->RecNo();
    } else {
        state = {kStopFirst, kStopLast, 0, kStopElsewhere};
        if (dataSet->Bof())
            state.Position = kStopFirst;
        else if (dataSet->Eof())
            state.Position = kStopLast;
    }
    const bool scrolls = state.Max - state.Min >= state.Page;
    switch (FVertScrollBar->VisibleMode()) {
    case sbAlwaysShowLt:
        state.Shown = true;
        state.Enabled = scrolls;
        break;
    case sbNeverShowLt: state.Shown = false; break;
    case sbAutoShowLt: state.Shown = scrolls; break;
    }
    return state;
}

void TCustomDBGridLt::ScrollBarsUpdated()
{
    if (TScrollBar* bar = FVertScrollBar->ExtScrollBar()) {
        TScrollBarStateLt state = VertScrollBarState(VertAxis());
        state.Enabled = bar->Enabled();
        ApplyScrollBarState(*bar, state);
    }
    if (TScrollBar* bar = FHorzScrollBar->ExtScrollBar()) {
        const TGridAxisLt h = HorzAxis();
        ApplyScrollBarState(*bar, {0, h.ScrollBarMax(), h.PageSize(), h.ScrollBarPosition(), true, bar->Enabled()});
    }
}

void TCustomDBGridLt::ScrollRequest(bool Vertical, TScrollCode Code, int Thumb)
{
    if (!Vertical) {
        // With tracking the columns follow the dragged thumb.
        if (Code == scTrack && FHorzScrollBar->Tracking())
            Code = scPosition;
        TCustomGridLt::ScrollRequest(false, Code, Thumb);
        return;
    }
    if (!CanFocus() || !FDataLink->Active())
        return;
    TDataSet* dataSet = FDataLink->DataSet();
    const bool sequenced = dataSet->IsSequenced();
    const bool tracked = FThumbTracked;
    if (Code != scEndScroll)
        FThumbTracked = false;
    switch (Code) {
    case scLineUp: FDataLink->MoveBy(-FDataLink->ActiveRecord() - 1); break;
    case scLineDown: FDataLink->MoveBy(FDataLink->RecordCount() - FDataLink->ActiveRecord()); break;
    case scPageUp: FDataLink->MoveBy(-VisibleDataRowCount()); break;
    case scPageDown: FDataLink->MoveBy(VisibleDataRowCount()); break;
    case scPosition:
        if (tracked)
            break;
        if (sequenced) {
            if (Thumb <= 1)
                dataSet->First();
            else if (Thumb > dataSet->RecordCount())
                dataSet->Last();
            else
                dataSet->SetRecNo(Thumb);
            break;
        }
        switch (Thumb) {
        case kStopFirst: dataSet->First(); break;
        case kStopPageUp: FDataLink->MoveBy(-VisibleDataRowCount()); break;
        case kStopPageDown: FDataLink->MoveBy(VisibleDataRowCount()); break;
        case kStopLast: dataSet->Last(); break;
        default: break;
        }
        break;
    case scTrack:
        if (!FVertScrollBar->Tracking() || !sequenced)
            break;
        FDataLink->MoveBy(Thumb - dataSet->RecNo());
        FThumbTracked = true;
        break;
    case scTop: dataSet->First(); break;
    case scBottom: dataSet->Last(); break;
    default: break;
    }
    UpdateScrollBars();
}
