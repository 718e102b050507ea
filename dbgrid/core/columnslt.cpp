// The column collection: customized or default columns, updates passed to
// the grid.
#include "dbgrid/core/columnslt.h"

#include <algorithm>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TDBGridColumnsLt, TCollection) {}

int TColumnsLtList::IndexOf(const TColumnLt* Column) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), Column);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TColumnsLtList::Insert(int Index, TColumnLt* Column)
{
    const std::size_t at = std::min(static_cast<std::size_t>(std::max(Index, 0)), FItems.size());
    FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(at), Column);
}

void TColumnsLtList::Remove(const TColumnLt* Column)
{
    const int i = IndexOf(Column);
    if (i >= 0)
        FItems.erase(FItems.begin() + i);
}

void TColumnsLtList::Exchange(int Index1, int Index2)
{
    std::swap(FItems.at(static_cast<std::size_t>(Index1)), FItems.at(static_cast<std::size_t>(Index2)));
}

TDBGridColumnsLt::TDBGridColumnsLt(TCustomDBGridLt* Grid, TItemFactory ItemFactory)
    : TCollection(Grid, std::move(ItemFactory)), FGrid(Grid)
{
}

TColumnLt* TDBGridColumnsLt::Add()
{
    return static_cast<TColumnLt*>(TCollection::Add());
}

TColumnLt* TDBGridColumnsLt::Items(int Index) const
{
    return static_cast<TColumnLt*>(TCollection::Items(Index));
}

bool TDBGridColumnsLt::Customized() const
{
    return Count() > 0 && Items(0)->IsStored();
}

TColumnLt* TDBGridColumnsLt::AddDefaultColumn()
{
    TColumnLt* column = Add();
    column->SetStored(false);
    return column;
}

void TDBGridColumnsLt::DropBoundFields()
{
    for (int i = 0; i < Count(); ++i)
        Items(i)->DropBoundField();
}

void TDBGridColumnsLt::Assign(const TPersistent* Source)
{
    BeginUpdate();
    try {
        TCollection::Assign(Source);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TDBGridColumnsLt::Update(TCollectionItem* Item)
{
    if (!FGrid || FGrid->ComponentState().Contains(csLoading))
        return;
    FGrid->ColumnChanged(static_cast<TColumnLt*>(Item));
}
