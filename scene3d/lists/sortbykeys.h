#pragma once
// Sorts a range of float keys ascending and moves the objects of a list
// along with them (the render pass orders children by distance this way).
#include "scene3d/lists/numberlists.h"
#include "scene3d/persistence/persistentobjectlist.h"

// Keys compare as the signed 32-bit integers of their bits: every negative
// key comes before the non-negative ones, non-negative keys order as numbers
// and negative keys by ascending magnitude (-1 before -2). First..Last must
// lie inside both lists ("Assertion failure"); an empty range does nothing.
void SortByKeys(int First, int Last, TSingleList& Keys, TPersistentObjectList& Objects);
