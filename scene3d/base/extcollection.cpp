#include "scene3d/base/extcollection.h"

#include <algorithm>
#include <memory>
#include <typeinfo>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/persistence/virtualarchive.h"

LT_IMPLEMENT_CLASS(TExtCollection, TPersistent) {}

TExtCollection::TExtCollection(TPersistent* AOwner) : FOwner(AOwner) {}

TExtCollection::~TExtCollection()
{
    Clear();
}

const TClassInfo& TExtCollection::ItemBaseClass() const
{
    return TExtCollectionItem::StaticClassInfo();
}

bool TExtCollection::AcceptsItemClass(const TExtCollectionItemClass& ItemClass) const
{
    if (!ItemClass.AcceptsCollection(this))
        return false;
    if (ItemClass.IsUnique() &&
        std::any_of(FItems.begin(), FItems.end(),
                    [&](const TExtCollectionItem* item) { return item->InheritsFrom(ItemClass.ClassInfo()); }))
        return false;
    return std::none_of(FItems.begin(), FItems.end(), [&](const TExtCollectionItem* item) {
        return item->ItemClass().IsUnique() && ItemClass.InheritsFrom(item->ItemClass().ClassInfo());
    });
}

int TExtCollection::IndexOf(const TExtCollectionItem* Item) const
{
    const auto found = std::find(FItems.begin(), FItems.end(), Item);
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TExtCollection::Clear()
{
    while (!FItems.empty()) {
        const std::unique_ptr<TExtCollectionItem> item(FItems.back());
        FItems.pop_back();
        item->FCollection = nullptr;
    }
}

void TExtCollection::Loaded()
{
    for (TExtCollectionItem* item : FItems)
        item->Loaded();
}

void TExtCollection::WriteToArchive(TVirtualWriter& Writer) const
{
    Writer.WriteInteger(Count());
    std::vector<const TExtCollectionItemClass*> classes;
    for (const TExtCollectionItem* item : FItems) {
        const auto known = std::find(classes.begin(), classes.end(), &item->ItemClass());
        if (known == classes.end()) {
            Writer.WriteString(item->ClassName());
            classes.push_back(&item->ItemClass());
        } else {
            Writer.WriteInteger(static_cast<int32_t>(known - classes.begin()));
        }
        item->WriteItem(Writer);
    }
}

void TExtCollection::ReadFromArchive(TVirtualReader& Reader)
{
    Clear();
    const int count = Reader.ReadInteger();
    // Every item takes at least a byte.
    Reader.CheckBytesLeft(count);
    std::vector<const TExtCollectionItemClass*> classes;
    for (int i = 0; i < count; ++i) {
        const TExtCollectionItemClass* itemClass = nullptr;
        const TArchiveValue next = Reader.NextValue();
        if (next == vaString || next == vaLString) {
            const std::string name = Reader.ReadString();
            itemClass = FindExtCollectionItemClass(name);
            EngineAssert(itemClass && itemClass->InheritsFrom(ItemBaseClass()),
                         "Class " + name + " unknown. Add the relevant unit to your \"uses\".");
            classes.push_back(itemClass);
        } else {
            const int index = Reader.ReadInteger();
            if (index < 0 || index >= static_cast<int>(classes.size()))
                throw EReadError(ClassName() + ": item class index " + std::to_string(index) + " out of range");
            itemClass = classes[static_cast<std::size_t>(index)];
        }
        itemClass->Create(*this)->ReadItem(Reader);
    }
}

void TExtCollection::Assign(const TPersistent* Source)
{
    if (!Source) {
        Clear();
        return;
    }
    if (typeid(*Source) != typeid(*this)) {
        TPersistent::Assign(Source);
        return;
    }
    const auto* source = static_cast<const TExtCollection*>(Source);
    if (source == this)
        return;
    Clear();
    for (const TExtCollectionItem* item : source->FItems)
        item->ItemClass().Create(*this)->Assign(item);
}

std::string TExtCollection::GetNamePath() const
{
    const std::string ownerPath = FOwner ? FOwner->GetNamePath() : std::string();
    return ownerPath.empty() ? ClassName() : ownerPath + ".ExtCollection";
}
