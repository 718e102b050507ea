#pragma once
// Items of extensible collections (the behaviours and effects of scene
// objects): polymorphic, named, archived by class name, some unique in their
// collection.
//
// An item class describes itself through static members, which descendants
// hide with their own: KindName() (required), KindDescription() (KindName()
// unless given), Category() (empty), IsUnique() (false) and
// AcceptsCollection(collection) (true). TExtCollectionItemClass makes them
// reachable from a class record, and a class that may be read back from an
// archive registers it (RegisterExtCollectionItemClass<TFoo>()).
//
// An item class hands its class to the base constructor:
//   class TFoo : public TExtCollectionItem {
//       LT_CLASS(TFoo)
//   public:
//       explicit TFoo(TExtCollection* C) : TFoo(C, ItemClassOf<TFoo>()) {}
//       static std::string KindName() { return "Foo"; }
//   protected:
//       TFoo(TExtCollection* C, const TExtCollectionItemClass& K) : TExtCollectionItem(C, K) {}
//   };
#include <string>

#include "platform/rtl/persistent.h"

class TExtCollection;
class TExtCollectionItem;
class TVirtualReader;
class TVirtualWriter;

// What the class of an item tells before there is an item of it.
class TExtCollectionItemClass {
public:
    TExtCollectionItemClass() = default;
    TExtCollectionItemClass(const TExtCollectionItemClass&) = delete;
    TExtCollectionItemClass& operator=(const TExtCollectionItemClass&) = delete;
    virtual ~TExtCollectionItemClass() = default;

    virtual const TClassInfo& ClassInfo() const = 0;
    const std::string& ClassName() const { return ClassInfo().Name(); }
    bool InheritsFrom(const TClassInfo& Ancestor) const { return ClassInfo().InheritsFrom(Ancestor); }

    virtual std::string KindName() const = 0;
    virtual std::string KindDescription() const = 0;
    virtual std::string Category() const = 0;
    virtual bool IsUnique() const = 0;
    virtual bool AcceptsCollection(const TExtCollection* Collection) const = 0;
    // A new item of this class in Collection, which owns it.
    virtual TExtCollectionItem* Create(TExtCollection& Collection) const = 0;
};

class TExtCollectionItem : public TPersistent {
    LT_CLASS(TExtCollectionItem)
public:
    // Removes the item from its collection.
    ~TExtCollectionItem() override;
    TExtCollectionItem(const TExtCollectionItem&) = delete;
    TExtCollectionItem& operator=(const TExtCollectionItem&) = delete;

    static std::string Category() { return {}; }
    static bool IsUnique() { return false; }
    static bool AcceptsCollection(const TExtCollection*) { return true; }

    const TExtCollectionItemClass& ItemClass() const { return FItemClass; }
    TExtCollection* Collection() const { return FCollection; }
    // The position in the collection, -1 without one.
    int Index() const;

    const std::string& Name() const { return FName; }
    virtual void SetName(const std::string& Value);

    // The item archive version 0, then Name.
    virtual void WriteItem(TVirtualWriter& Writer) const;
    // Requires version 0 ("Assertion failure"), then reads Name.
    virtual void ReadItem(TVirtualReader& Reader);
    // Called after the owner of the collection was read; nothing here.
    virtual void Loaded();

    // From another item: its Name.
    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override;
    // "<collection's name path>[<index>]", or the class name alone.
    std::string GetNamePath() const override;

protected:
    // With a collection, the collection must accept the class (else the
    // assertion "Addition of <class> to <collection class> rejected.") and
    // the item joins it. The name starts as the kind name.
    TExtCollectionItem(TExtCollection* Collection, const TExtCollectionItemClass& ItemClass);

private:
    friend class TExtCollection;
    TExtCollection* FCollection;
    const TExtCollectionItemClass& FItemClass;
    std::string FName;
};

template <class TItem>
class TExtCollectionItemClassOf final : public TExtCollectionItemClass {
public:
    const TClassInfo& ClassInfo() const override { return TItem::StaticClassInfo(); }
    std::string KindName() const override { return TItem::KindName(); }
    std::string KindDescription() const override
    {
        if constexpr (requires { TItem::KindDescription(); })
            return TItem::KindDescription();
        else
            return TItem::KindName();
    }
    std::string Category() const override { return TItem::Category(); }
    bool IsUnique() const override { return TItem::IsUnique(); }
    bool AcceptsCollection(const TExtCollection* Collection) const override
    {
        return TItem::AcceptsCollection(Collection);
    }
    TExtCollectionItem* Create(TExtCollection& Collection) const override { return new TItem(&Collection); }
};

template <class TItem>
const TExtCollectionItemClass& ItemClassOf()
{
    static const TExtCollectionItemClassOf<TItem> itemClass;
    return itemClass;
}

// The item classes that collections may read back, by class name.
void RegisterExtCollectionItemClass(const TExtCollectionItemClass& ItemClass);
const TExtCollectionItemClass* FindExtCollectionItemClass(const std::string& Name);

// Returns true, so that a source file can register at start-up.
template <class TItem>
bool RegisterExtCollectionItemClass()
{
    RegisterExtCollectionItemClass(ItemClassOf<TItem>());
    return true;
}
