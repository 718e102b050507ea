#include "scene3d/lists/numberlists.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/persistence/archiveclasses.h"

LT_IMPLEMENT_CLASS(TIntegerList, TBaseList) {}
LT_IMPLEMENT_CLASS(TSingleList, TBaseList) {}
LT_IMPLEMENT_CLASS(TByteList, TBaseList) {}

// Of the number lists only the float list is read back from object lists.
[[maybe_unused]] static const bool registered = RegisterArchiveClass<TSingleList>();

TIntegerList::TIntegerList() : TBaseList(sizeof(int32_t)) {}

int TIntegerList::Add(int32_t Item)
{
    const int index = AddItem();
    List()[index] = Item;
    return index;
}

int TIntegerList::Add(int32_t Item1, int32_t Item2)
{
    const int index = Add(Item1);
    Add(Item2);
    return index;
}

int TIntegerList::Add(int32_t Item1, int32_t Item2, int32_t Item3)
{
    const int index = Add(Item1);
    Add(Item2);
    Add(Item3);
    return index;
}

TSingleList::TSingleList() : TBaseList(sizeof(float)) {}

int TSingleList::Add(float Item)
{
    const int index = AddItem();
    List()[index] = Item;
    return index;
}

TByteList::TByteList() : TBaseList(sizeof(uint8_t)) {}

int TByteList::Add(uint8_t Item)
{
    const int index = AddItem();
    List()[index] = Item;
    return index;
}
