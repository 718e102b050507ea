#pragma once
// Collections of persistent items owned by a component (grid columns, panels):
// written in descriptions as "< item ... end >".
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
    LT_CLASS(TCollectionItem)
public:
    explicit TCollectionItem(TCollection* Collection);
    TCollection* Collection() const { return FCollection; }
    int Index() const;
    // Moves the item to Value (clamped to the collection).
    virtual void SetIndex(int Value);
    int ID() const { return FID; }
    virtual std::string DisplayName() const;
    TPersistent* GetOwner() const override;
    std::string GetNamePath() const override;

protected:
    // Tells the collection this item changed (all items when AllItems).
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection;
    int FID = 0;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
    LT_CLASS(TCollection)
public:
    using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
    template <class Item>
    static TItemFactory ItemsOf()
    {
        return [](TCollection* c) { return std::make_unique<Item>(c); };
    }

    TCollection(TPersistent* AOwner, TItemFactory ItemFactory);
    ~TCollection() override;

    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem* Items(int Index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    void Move(int CurIndex, int NewIndex);
    TCollectionItem* FindItemID(int ID) const;
    int IndexOf(const TCollectionItem* Item) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Replaces the items with copies of Source's (each copied by Assign).
    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override { return FOwner; }
    std::string GetNamePath() const override;

protected:
    // Called when an item (or, with nullptr, the whole collection) changed
    // and no update is in progress.
    virtual void Update(TCollectionItem* Item);
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
    void Changed();

private:
    friend class TCollectionItem;
    void ItemChanged(TCollectionItem* Item);

    TPersistent* FOwner;
    TItemFactory FItemFactory;
    std::vector<std::unique_ptr<TCollectionItem>> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
};
