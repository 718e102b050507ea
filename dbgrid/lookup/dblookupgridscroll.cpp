// The lookup grid's vertical bar: the lines and pages move the list by
// whole windows of rows around the current row, the thumb puts a sequenced
// list on its record number, top and bottom go to the ends. Unlike the data
// grid's bar it does not ask whether the grid can take the focus (a popup
// never takes it), and it hides while every record of the list shows.
#include <algorithm>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/lookup/dblookupgridlt.h"
#include "platform/data/dataset.h"
#include "platform/ui/sysmetrics.h"

namespace {
// The five stops of a list without record numbers.
constexpr int kStopPageUp = 1;
constexpr int kStopPageDown = 3;
constexpr int kStopLast = 4;
} // namespace

void TDBLookupGridLt::ScrollRequest(bool Vertical, TScrollCode Code, int Thumb)
{
    if (!Vertical || !FListActive) {
        TCustomDBGridLt::ScrollRequest(Vertical, Code, Thumb);
        return;
    }
    TDataSet* list = DataLink()->DataSet();
    const int index = FRecordIndex, count = std::max(1, FRecordCount);
    const auto pageUp = [&] { MoveListBy(-index - count + 1); };
    const auto pageDown = [&] { MoveListBy(2 * count - index - 2); };
    switch (Code) {
    case scLineUp: MoveListBy(-index - 1); break;
    case scLineDown: MoveListBy(count - index); break;
    case scPageUp: pageUp(); break;
    case scPageDown: pageDown(); break;
    case scTrack:
    case scPosition:
        if (list->IsSequenced()) {
            list->SetRecNo(std::clamp(Thumb, 1, std::max(1, list->RecordCount())));
        } else if (Code == scPosition) {
            if (Thumb <= 0)
                list->First();
            else if (Thumb >= kStopLast)
                list->Last();
            else if (Thumb == kStopPageUp)
                pageUp();
            else if (Thumb == kStopPageDown)
                pageDown();
        }
        break;
    case scTop: list->First(); break;
    case scBottom: list->Last(); break;
    default: break;
    }
    UpdateScrollBars();
}

bool TDBLookupGridLt::AllRecordsShown() const
{
    const TDataSet* list = FListActive ? DataLink()->DataSet() : nullptr;
    return list && list->IsSequenced() && list->RecordCount() <= FRowCount;
}

TScrollBarStateLt TDBLookupGridLt::VertScrollBarState(const TGridAxisLt& V)
{
    TScrollBarStateLt state = TCustomDBGridLt::VertScrollBarState(V);
    if (VertScrollBar()->VisibleMode() == sbAutoShowLt && AllRecordsShown())
        state.Shown = false;
    return state;
}

int TDBLookupGridLt::NeededWidth() const
{
    const int lines = Options().Contains(dlgColLinesLt) ? GridLineWidth() : 0;
    int width = Width() - ClientWidth();
    if (VertScrollBarControl() && VertScrollBarControl()->Visible())
        width -= VertScrollBarControl()->Width();
    for (const TColumnLt* column : VisibleColumns()) {
        const bool fitted = AutoFitColWidths() && column->AutoFitColWidth() && column->InitialWidth() > 0;
        width += (fitted ? column->InitialWidth() : column->Width()) + lines;
    }
    if (VertScrollBar()->Visible() && !AllRecordsShown())
        width += GetSystemMetrics(SM_CXVSCROLL);
    return width;
}
