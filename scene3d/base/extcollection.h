#pragma once
// An extensible collection: it owns items of any registered item class (the
// behaviours or effects of a scene object), refuses classes its items do not
// allow together, and archives its items by class name.
#include <vector>

#include "scene3d/base/extcollectionitem.h"

class TExtCollection : public TPersistent {
    LT_CLASS(TExtCollection)
public:
    explicit TExtCollection(TPersistent* AOwner);
    // Frees the items.
    ~TExtCollection() override;
    TExtCollection(const TExtCollection&) = delete;
    TExtCollection& operator=(const TExtCollection&) = delete;

    // The class every item read back must descend from.
    virtual const TClassInfo& ItemBaseClass() const;
    // False when the class refuses this collection; for a unique class, when
    // an item of it (or of a descendant) is here; when an item of a unique
    // class is here and the class descends from it.
    virtual bool AcceptsItemClass(const TExtCollectionItemClass& ItemClass) const;

    int Count() const { return static_cast<int>(FItems.size()); }
    TExtCollectionItem* Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }
    int IndexOf(const TExtCollectionItem* Item) const;
    // Frees every item.
    void Clear();
    // Tells each item that the owner was read.
    void Loaded();

    // The count, then each item after its class name (the first time) or
    // the index of its class (after that).
    void WriteToArchive(TVirtualWriter& Writer) const;
    // Clears, then reads. A class name must be a registered item class that
    // descends from ItemBaseClass() (else the assertion "Class <name>
    // unknown. Add the relevant unit to your "uses"."); a count or class
    // index that the archive cannot hold raises EReadError.
    void ReadFromArchive(TVirtualReader& Reader);

    // From a collection of the same class: copies of its items, in order;
    // null clears.
    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override { return FOwner; }
    // "<owner's name path>.ExtCollection", or the class name for an owner
    // without one.
    std::string GetNamePath() const override;

private:
    friend class TExtCollectionItem;
    TPersistent* FOwner;
    std::vector<TExtCollectionItem*> FItems;
};
