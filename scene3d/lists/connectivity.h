#pragma once
// Which faces of a mesh share which edges, so that its silhouette can be
// found: the edges between a face turned to the viewer and one turned away,
// and the edges with one face only.
#include <memory>

#include "scene3d/lists/silhouette.h"

class TBaseConnectivity : public TObject {
public:
    // With PrecomputeFaceNormals, each face keeps its normal when added;
    // otherwise normals are computed whenever a silhouette is made.
    explicit TBaseConnectivity(bool PrecomputeFaceNormals) : FPrecomputeFaceNormals(PrecomputeFaceNormals) {}

    bool PrecomputeFaceNormals() const { return FPrecomputeFaceNormals; }

    virtual int EdgeCount() const = 0;
    virtual int FaceCount() const = 0;
    // Makes Silhouette when null, else empties it unless AddToSilhouette.
    virtual void CreateSilhouette(const TSilhouetteParameters& Parameters, std::unique_ptr<T3DSilhouette>& Silhouette,
                                  bool AddToSilhouette) = 0;

private:
    bool FPrecomputeFaceNormals;
};

class TConnectivity : public TBaseConnectivity {
public:
    explicit TConnectivity(bool PrecomputeFaceNormals);

    int EdgeCount() const override { return FEdgeVertices->Count() / 2; }
    int FaceCount() const override { return FFaceVisible->Count(); }
    // Faces turned to the viewer or seen edge-on are visible. Each invisible
    // face adds the cap triangle c, b, a when the parameters ask for caps.
    // Each edge between a visible and an invisible face adds its vertex pair
    // oriented by which face is visible: (v1, v2) when its first face is the
    // invisible one, (v2, v1) otherwise; an edge of one face only enters when
    // that face is invisible, as (v1, v2). Every vertex enters the silhouette
    // once, as a point.
    void CreateSilhouette(const TSilhouetteParameters& Parameters, std::unique_ptr<T3DSilhouette>& Silhouette,
                          bool AddToSilhouette) override;
    // Empties every list.
    virtual void Clear();

    // Adds the face of the three vertex indices (into Vertices()) and its
    // edges; an edge already present, either way round, gets this face as
    // its second. Returns the face's index. The indices must lie within
    // Vertices() ("Assertion failure").
    int AddIndexedFace(int A, int B, int C);
    // Finds or adds the four vertices and adds the faces (a, b, d) and
    // (d, c, a); returns the first face's index.
    int AddQuad(const TAffineVector& A, const TAffineVector& B, const TAffineVector& C, const TAffineVector& D);

    TAffineVectorList& Vertices() { return *FVertices; }
    const TAffineVectorList& Vertices() const { return *FVertices; }

private:
    int AddEdge(int VertexA, int VertexB, int Face);
    TAffineVector FaceNormal(int Face) const;
    // The vertex's index in the silhouette, adding it on first use.
    int SilhouetteVertex(int Vertex, T3DSilhouette& Silhouette);

    std::unique_ptr<TByteList> FFaceVisible;
    std::unique_ptr<TIntegerList> FFaceVertexIndex;
    std::unique_ptr<TAffineVectorList> FFaceNormal;
    std::unique_ptr<TIntegerList> FEdgeVertices;
    std::unique_ptr<TIntegerList> FEdgeFaces;
    std::unique_ptr<TIntegerList> FVertexMemory;
    std::unique_ptr<TAffineVectorList> FVertices;
};
