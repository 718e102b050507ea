#pragma once
// The lists of 3- and 4-float vectors and of texture points.
#include "scene3d/geometry/vectortypes.h"
#include "scene3d/lists/basevectorlist.h"

class TAffineVectorList : public TBaseVectorList {
    LT_CLASS(TAffineVectorList)
public:
    TAffineVectorList();

    int Add(const TAffineVector& Item);
    const TAffineVector& Items(int Index) const { return List()[Index]; }
    void SetItems(int Index, const TAffineVector& Value) { List()[Index] = Value; }
    TAffineVector* List() { return TypedItems<TAffineVector>(); }
    const TAffineVector* List() const { return TypedItems<TAffineVector>(); }

    // The first item with exactly the same bits, or -1.
    int IndexOf(const TAffineVector& Item) const;
    // The index of the item, added when absent.
    int FindOrAdd(const TAffineVector& Item);
    void Normalize() override;
    // This list becomes List1 + T * (List2 - List1) item by item, when both
    // are affine vector lists (else nothing happens) of equal counts
    // ("Assertion failure" otherwise).
    void Lerp(const TBaseVectorList& List1, const TBaseVectorList& List2, float T);
};

class TVectorList : public TBaseVectorList {
    LT_CLASS(TVectorList)
public:
    TVectorList();

    int Add(const TVector& Item);
    int Add(const TAffineVector& Item, float W);
    // The point (X, Y, Z, 1).
    int AddPoint(const TAffineVector& Item);
    int AddPoint(float X, float Y, float Z);
    const TVector& Items(int Index) const { return List()[Index]; }
    void SetItems(int Index, const TVector& Value) { List()[Index] = Value; }
    TVector* List() { return TypedItems<TVector>(); }
    const TVector* List() const { return TypedItems<TVector>(); }

    // Each item scaled by its X, Y, Z length, W set to 0.
    void Normalize() override;
    // As TAffineVectorList::Lerp, over all four components.
    void Lerp(const TBaseVectorList& List1, const TBaseVectorList& List2, float T);
};

class TTexPointList : public TBaseList {
    LT_CLASS(TTexPointList)
public:
    TTexPointList();

    int Add(const TTexPoint& Item);
    const TTexPoint& Items(int Index) const { return List()[Index]; }
    void SetItems(int Index, const TTexPoint& Value) { List()[Index] = Value; }
    TTexPoint* List() { return TypedItems<TTexPoint>(); }
    const TTexPoint* List() const { return TypedItems<TTexPoint>(); }
};
