#include "platform/rtl/collection.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"

LT_IMPLEMENT_CLASS(TCollectionItem, TPersistent) {}
LT_IMPLEMENT_CLASS(TCollection, TPersistent) {}

TCollectionItem::TCollectionItem(TCollection* Collection) : FCollection(Collection) {}

int TCollectionItem::Index() const
{
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TCollectionItem::SetIndex(int Value)
{
    const int current = Index();
    if (current >= 0 && current != Value)
        FCollection->Move(current, Value);
}

std::string TCollectionItem::DisplayName() const
{
    return ClassName();
}

TPersistent* TCollectionItem::GetOwner() const
{
    return FCollection;
}

std::string TCollectionItem::GetNamePath() const
{
    if (!FCollection)
        return ClassName();
    return FCollection->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection)
        FCollection->ItemChanged(AllItems ? nullptr : this);
}

TCollection::TCollection(TPersistent* AOwner, TItemFactory ItemFactory)
    : FOwner(AOwner), FItemFactory(std::move(ItemFactory))
{
}

TCollection::~TCollection()
{
    FUpdateCount = 1;
    FItems.clear();
}

TCollectionItem* TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<std::size_t>(Index)].get();
}

TCollectionItem* TCollection::Add()
{
    return Insert(Count());
}

TCollectionItem* TCollection::Insert(int Index)
{
    if (Index < 0 || Index > Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    std::unique_ptr<TCollectionItem> item = FItemFactory(this);
    item->FCollection = this;
    item->FID = FNextID++;
    TCollectionItem* raw = item.get();
    FItems.insert(FItems.begin() + Index, std::move(item));
    Notify(raw, cnAdded);
    Changed();
    return raw;
}

void TCollection::Delete(int Index)
{
    TCollectionItem* item = Items(Index);
    Notify(item, cnDeleting);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    BeginUpdate();
    while (!FItems.empty())
        Delete(Count() - 1);
    EndUpdate();
}

void TCollection::Move(int CurIndex, int NewIndex)
{
    Items(CurIndex);
    NewIndex = std::clamp(NewIndex, 0, Count() - 1);
    if (CurIndex == NewIndex)
        return;
    std::unique_ptr<TCollectionItem> item = std::move(FItems[static_cast<std::size_t>(CurIndex)]);
    FItems.erase(FItems.begin() + CurIndex);
    FItems.insert(FItems.begin() + NewIndex, std::move(item));
    Changed();
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (const auto& item : FItems)
        if (item->FID == ID)
            return item.get();
    return nullptr;
}

int TCollection::IndexOf(const TCollectionItem* Item) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item)
            return static_cast<int>(i);
    return -1;
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

void TCollection::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TCollection*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    try {
        Clear();
        for (const auto& item : source->FItems)
            Add()->Assign(item.get());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TCollection::GetNamePath() const
{
    return FOwner ? FOwner->GetNamePath() : ClassName();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::ItemChanged(TCollectionItem* Item)
{
    if (FUpdateCount == 0)
        Update(Item);
}
