#include "scene3d/lists/connectivity.h"

#include "scene3d/base/engineassert.h"
#include "scene3d/geometry/planes.h"
#include "scene3d/geometry/vectormake.h"

TConnectivity::TConnectivity(bool PrecomputeFaceNormals)
    : TBaseConnectivity(PrecomputeFaceNormals), FFaceVisible(std::make_unique<TByteList>()),
      FFaceVertexIndex(std::make_unique<TIntegerList>()), FFaceNormal(std::make_unique<TAffineVectorList>()),
      FEdgeVertices(std::make_unique<TIntegerList>()), FEdgeFaces(std::make_unique<TIntegerList>()),
      FVertexMemory(std::make_unique<TIntegerList>()), FVertices(std::make_unique<TAffineVectorList>())
{
}

void TConnectivity::Clear()
{
    FFaceVisible->Clear();
    FFaceVertexIndex->Clear();
    FFaceNormal->Clear();
    FEdgeVertices->Clear();
    FEdgeFaces->Clear();
    FVertexMemory->Clear();
    FVertices->Clear();
}

TAffineVector TConnectivity::FaceNormal(int Face) const
{
    if (PrecomputeFaceNormals())
        return FFaceNormal->Items(Face);
    const int32_t* v = FFaceVertexIndex->List() + 3 * Face;
    return CalcPlaneNormal(FVertices->Items(v[0]), FVertices->Items(v[1]), FVertices->Items(v[2]));
}

int TConnectivity::AddEdge(int VertexA, int VertexB, int Face)
{
    const int32_t* vertices = FEdgeVertices->List();
    for (int edge = 0; edge < EdgeCount(); ++edge) {
        const int32_t v1 = vertices[2 * edge];
        const int32_t v2 = vertices[2 * edge + 1];
        if ((v1 == VertexA && v2 == VertexB) || (v1 == VertexB && v2 == VertexA)) {
            FEdgeFaces->SetItems(2 * edge + 1, Face);
            return edge;
        }
    }
    FEdgeVertices->Add(VertexA, VertexB);
    FEdgeFaces->Add(Face, -1);
    return EdgeCount() - 1;
}

int TConnectivity::AddIndexedFace(int A, int B, int C)
{
    EngineAssert(A >= 0 && B >= 0 && C >= 0 && A < FVertices->Count() && B < FVertices->Count() &&
                 C < FVertices->Count());
    const int face = FaceCount();
    FFaceVertexIndex->Add(A, B, C);
    if (PrecomputeFaceNormals())
        FFaceNormal->Add(CalcPlaneNormal(FVertices->Items(A), FVertices->Items(B), FVertices->Items(C)));
    FFaceVisible->Add(0);
    AddEdge(A, B, face);
    AddEdge(B, C, face);
    AddEdge(C, A, face);
    return face;
}

int TConnectivity::AddQuad(const TAffineVector& A, const TAffineVector& B, const TAffineVector& C,
                           const TAffineVector& D)
{
    const int a = FVertices->FindOrAdd(A);
    const int b = FVertices->FindOrAdd(B);
    const int c = FVertices->FindOrAdd(C);
    const int d = FVertices->FindOrAdd(D);
    const int face = AddIndexedFace(a, b, d);
    AddIndexedFace(d, c, a);
    return face;
}

int TConnectivity::SilhouetteVertex(int Vertex, T3DSilhouette& Silhouette)
{
    int& index = FVertexMemory->List()[Vertex];
    if (index < 0)
        index = Silhouette.Vertices().AddPoint(FVertices->Items(Vertex));
    return index;
}

void TConnectivity::CreateSilhouette(const TSilhouetteParameters& Parameters,
                                     std::unique_ptr<T3DSilhouette>& Silhouette, bool AddToSilhouette)
{
    if (!Silhouette)
        Silhouette = std::make_unique<T3DSilhouette>();
    else if (!AddToSilhouette)
        Silhouette->Flush();
    FVertexMemory->SetCount(FVertices->Count());
    for (int i = 0; i < FVertexMemory->Count(); ++i)
        FVertexMemory->SetItems(i, -1);

    const int32_t* faceVertices = FFaceVertexIndex->List();
    for (int face = 0; face < FaceCount(); ++face) {
        const int32_t* v = faceVertices + 3 * face;
        const bool visible = SilhouetteFacing(Parameters, FVertices->Items(v[0]), FaceNormal(face)) >= 0;
        FFaceVisible->SetItems(face, visible ? 1 : 0);
        if (!visible && Parameters.Capped) {
            const int c = SilhouetteVertex(v[2], *Silhouette);
            const int b = SilhouetteVertex(v[1], *Silhouette);
            const int a = SilhouetteVertex(v[0], *Silhouette);
            Silhouette->CapIndices().Add(c, b, a);
        }
    }

    const int32_t* edgeVertices = FEdgeVertices->List();
    const int32_t* edgeFaces = FEdgeFaces->List();
    for (int edge = 0; edge < EdgeCount(); ++edge) {
        const int32_t face1 = edgeFaces[2 * edge];
        const int32_t face2 = edgeFaces[2 * edge + 1];
        const bool visible1 = FFaceVisible->Items(face1) != 0;
        if (face2 >= 0 && (FFaceVisible->Items(face2) != 0) == visible1)
            continue;
        if (visible1 && face2 < 0)
            continue;
        const int first = edgeVertices[2 * edge + (visible1 ? 1 : 0)];
        const int second = edgeVertices[2 * edge + (visible1 ? 0 : 1)];
        const int from = SilhouetteVertex(first, *Silhouette);
        const int to = SilhouetteVertex(second, *Silhouette);
        Silhouette->Indices().Add(from, to);
    }
}
