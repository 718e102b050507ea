#include "scene3d/base/extcollectionitem.h"

#include <map>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/format.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/extcollection.h"
#include "scene3d/persistence/virtualarchive.h"

LT_IMPLEMENT_CLASS(TExtCollectionItem, TPersistent)
{
    P.Property("Name", &TExtCollectionItem::Name, &TExtCollectionItem::SetName);
}

namespace {

struct TNameLess {
    bool operator()(const std::string& a, const std::string& b) const { return CompareIdent(a, b) < 0; }
};

std::map<std::string, const TExtCollectionItemClass*, TNameLess>& ItemClasses()
{
    static std::map<std::string, const TExtCollectionItemClass*, TNameLess> classes;
    return classes;
}

} // namespace

void RegisterExtCollectionItemClass(const TExtCollectionItemClass& ItemClass)
{
    ItemClasses().insert_or_assign(ItemClass.ClassName(), &ItemClass);
}

const TExtCollectionItemClass* FindExtCollectionItemClass(const std::string& Name)
{
    const auto found = ItemClasses().find(Name);
    return found == ItemClasses().end() ? nullptr : found->second;
}

TExtCollectionItem::TExtCollectionItem(TExtCollection* Collection, const TExtCollectionItemClass& ItemClass)
    : FCollection(Collection), FItemClass(ItemClass), FName(ItemClass.KindName())
{
    if (!FCollection)
        return;
    EngineAssert(FCollection->AcceptsItemClass(ItemClass),
                 "Addition of " + ItemClass.ClassName() + " to " + FCollection->ClassName() + " rejected.");
    FCollection->FItems.push_back(this);
}

TExtCollectionItem::~TExtCollectionItem()
{
    if (FCollection)
        std::erase(FCollection->FItems, this);
}

int TExtCollectionItem::Index() const
{
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TExtCollectionItem::SetName(const std::string& Value)
{
    FName = Value;
}

void TExtCollectionItem::WriteItem(TVirtualWriter& Writer) const
{
    Writer.WriteInteger(0);
    Writer.WriteString(FName);
}

void TExtCollectionItem::ReadItem(TVirtualReader& Reader)
{
    EngineAssert(Reader.ReadInteger() == 0);
    SetName(Reader.ReadString());
}

void TExtCollectionItem::Loaded() {}

void TExtCollectionItem::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const TExtCollectionItem*>(Source))
        SetName(source->FName);
    else
        TPersistent::Assign(Source);
}

TPersistent* TExtCollectionItem::GetOwner() const
{
    return FCollection;
}

std::string TExtCollectionItem::GetNamePath() const
{
    if (!FCollection)
        return TPersistent::GetNamePath();
    return Format("%s[%d]", FCollection->GetNamePath(), Index());
}
