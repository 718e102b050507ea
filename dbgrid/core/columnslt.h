#pragma once
// The grid's column collection and the plain column lists (sort-marked,
// visible, selected) that do not own their columns.
#include <vector>

#include "platform/rtl/collection.h"

class TColumnLt;
class TCustomDBGridLt;

class TColumnsLtList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TColumnLt* Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }
    int IndexOf(const TColumnLt* Column) const;
    void Add(TColumnLt* Column) { FItems.push_back(Column); }
    void Insert(int Index, TColumnLt* Column);
    void Remove(const TColumnLt* Column);
    void Exchange(int Index1, int Index2);
    void Clear() { FItems.clear(); }
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<TColumnLt*> FItems;
};

class TDBGridColumnsLt : public TCollection {
    LT_CLASS(TDBGridColumnsLt)
public:
    TDBGridColumnsLt(TCustomDBGridLt* Grid, TItemFactory ItemFactory);

    TCustomDBGridLt* OwnerGrid() const { return FGrid; }
    TColumnLt* Add();
    TColumnLt* Items(int Index) const;
    // The collection holds the operator's columns (its first one is stored).
    bool Customized() const;
    // Adds a column that is not stored: a default column.
    TColumnLt* AddDefaultColumn();
    // Every column forgets its bound field and field value list.
    void DropBoundFields();
    void Assign(const TPersistent* Source) override;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TCustomDBGridLt* FGrid;
};
