#pragma once
// Lists whose items start with the three floats X, Y, Z, with operations
// over all items at once. Their archive ends with one more integer 0.
#include "scene3d/geometry/vectortypes.h"
#include "scene3d/lists/baselist.h"

class TBaseVectorList : public TBaseList {
    LT_CLASS(TBaseVectorList)
public:
    // The bounds of every item's X, Y, Z; an empty list gives min
    // (+inf, +inf, +inf) and max (-inf, -inf, -inf).
    void GetExtents(TAffineVector& Min, TAffineVector& Max) const;
    TAffineVector Sum() const;
    // Every item scaled to unit length.
    virtual void Normalize() = 0;
    // The greatest spacing (|dx| + |dy| + |dz|) between corresponding items;
    // the counts must be equal ("Assertion failure").
    float MaxSpacing(const TBaseVectorList& Other) const;
    // Adds Delta to every item.
    void Translate(const TAffineVector& Delta);
    // Item i += Other i, -= Other i, += Factor * Other i; Other must hold
    // at least as many items ("Assertion failure").
    void TranslateItems(const TBaseVectorList& Other);
    void SubtractItems(const TBaseVectorList& Other);
    void CombineItems(const TBaseVectorList& Other, float Factor);

    void WriteToArchive(TVirtualWriter& Writer) const override;
    void ReadFromArchive(TVirtualReader& Reader) override;

protected:
    using TBaseList::TBaseList;

    TAffineVector& ItemXYZ(int Index);
    const TAffineVector& ItemXYZ(int Index) const;
};
