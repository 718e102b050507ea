#pragma once
// The hits of a pick: the objects drawn inside the picked rectangle, each
// with the names below its own on the name stack and its depth range. The
// list owns its records and keeps them in the order of its sort mode after
// every hit added.
#include <cstdint>
#include <vector>

#include "scene3d/persistence/persistentobjectlist.h"

class T3DBaseSceneObject;

// The order of a pick list: as added, by the hit object's name (without
// regard to case; records without an object last), by the nearest depth or
// by the farthest depth, smallest first.
enum TPickSortMode { pmDefault, pmName, pmMinDepth, pmMaxDepth };

// One hit: the object, the names pushed below it, and the depths (0 to 1)
// of its nearest and farthest point in the picked rectangle.
class TPickRecord : public TObject {
public:
    T3DBaseSceneObject* AObject = nullptr;
    std::vector<int32_t> SubObjects;
    float ZNear = 0;
    float ZFar = 0;
};

// The sort mode is one value for the whole process, set by each new list:
// a list made later changes how an earlier one sorts the hits it is given
// from then on.
class T3DPickList : public TPersistentObjectList {
public:
    explicit T3DPickList(TPickSortMode SortMode);
    ~T3DPickList() override;

    // Appends a record and sorts the list again unless the mode is pmDefault.
    void AddHit(T3DBaseSceneObject* Object, std::vector<int32_t> SubObjects, float ZNear, float ZFar);
    // The hit object of record Index (nullptr for a nameless hit).
    T3DBaseSceneObject* Hit(int Index) const { return Record(Index).AObject; }
    const TPickRecord& Record(int Index) const { return *static_cast<const TPickRecord*>(Items(Index)); }
    // Frees the records.
    void Clear() override;
};
