#pragma once
// Silhouettes: the outline edges of a mesh as seen from a point or along a
// direction, with optional cap triangles over the faces turned away.
#include <memory>

#include "scene3d/geometry/vectortypes.h"
#include "scene3d/lists/numberlists.h"
#include "scene3d/lists/vectorlists.h"

enum TSilhouetteView { svFromPoint, svAlongDirection };

// What a silhouette is seen from, and whether it wants caps.
struct TSilhouetteParameters {
    TSilhouetteView View = svFromPoint;
    // The viewer's position (svFromPoint).
    TAffineVector Viewpoint;
    // The direction the viewer looks in (svAlongDirection).
    TAffineVector ViewDirection;
    bool Capped = false;
};

// How far a face (a point on it and its normal) turns towards the viewer:
// not negative when it faces the viewer or is seen edge-on.
float SilhouetteFacing(const TSilhouetteParameters& Parameters, const TAffineVector& FacePoint,
                       const TAffineVector& FaceNormal);

class T3DSilhouette : public TObject {
public:
    T3DSilhouette();

    // Points (W 1).
    TVectorList& Vertices() { return *FVertices; }
    const TVectorList& Vertices() const { return *FVertices; }
    // Pairs of vertex indices, one pair per outline edge.
    TIntegerList& Indices() { return *FIndices; }
    const TIntegerList& Indices() const { return *FIndices; }
    // Triples of vertex indices, one per cap triangle.
    TIntegerList& CapIndices() { return *FCapIndices; }
    const TIntegerList& CapIndices() const { return *FCapIndices; }

    // Empties the three lists.
    void Flush();

private:
    std::unique_ptr<TVectorList> FVertices;
    std::unique_ptr<TIntegerList> FIndices;
    std::unique_ptr<TIntegerList> FCapIndices;
};
