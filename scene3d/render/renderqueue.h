#pragma once
// The children of one object waiting to be drawn in the order of their
// keys. The object keeps its queue from frame to frame, so that once it has
// held the largest family drawing sorts without allocating.
#include "scene3d/lists/numberlists.h"
#include "scene3d/persistence/persistentobjectlist.h"

class T3DBaseSceneObject;

class T3DRenderQueue {
public:
    // Empties the queue and makes room for Capacity entries.
    void Start(int Capacity);
    void Add(float Key, T3DBaseSceneObject* Object);
    // Keys ascending, objects along with them (SortByKeys).
    void Sort();
    int Count() const { return FObjects.Count(); }
    T3DBaseSceneObject* Object(int Index) const;

private:
    TSingleList FKeys;
    TPersistentObjectList FObjects;
};
