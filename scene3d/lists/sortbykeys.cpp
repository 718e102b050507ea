#include "scene3d/lists/sortbykeys.h"

#include <bit>
#include <utility>

#include "scene3d/base/engineassert.h"

namespace {

int32_t KeyBits(float Key)
{
    return std::bit_cast<int32_t>(Key);
}

void Exchange(TSingleList& Keys, TPersistentObjectList& Objects, int I, int J)
{
    float* keys = Keys.List();
    std::swap(keys[I], keys[J]);
    TObject* const object = Objects.Items(I);
    Objects.SetItems(I, Objects.Items(J));
    Objects.SetItems(J, object);
}

void QuickSortByKeys(int First, int Last, TSingleList& Keys, TPersistentObjectList& Objects)
{
    const float* keys = Keys.List();
    while (First < Last) {
        if (Last - First == 1) {
            if (KeyBits(keys[Last]) < KeyBits(keys[First]))
                Exchange(Keys, Objects, First, Last);
            return;
        }
        const int32_t pivot = KeyBits(keys[(First + Last) / 2]);
        int i = First;
        int j = Last;
        while (i <= j) {
            while (KeyBits(keys[i]) < pivot)
                ++i;
            while (KeyBits(keys[j]) > pivot)
                --j;
            if (i <= j) {
                if (i != j)
                    Exchange(Keys, Objects, i, j);
                ++i;
                --j;
            }
        }
        if (First < j)
            QuickSortByKeys(First, j, Keys, Objects);
        First = i;
    }
}

} // namespace

void SortByKeys(int First, int Last, TSingleList& Keys, TPersistentObjectList& Objects)
{
    if (Last <= First)
        return;
    EngineAssert(First >= 0 && Last < Keys.Count() && Last < Objects.Count());
    QuickSortByKeys(First, Last, Keys, Objects);
}
