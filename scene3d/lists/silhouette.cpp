#include "scene3d/lists/silhouette.h"

#include "scene3d/geometry/vectorproducts.h"

float SilhouetteFacing(const TSilhouetteParameters& Parameters, const TAffineVector& FacePoint,
                       const TAffineVector& FaceNormal)
{
    if (Parameters.View == svFromPoint)
        return PointProject(Parameters.Viewpoint, FacePoint, FaceNormal);
    return -VectorDotProduct(Parameters.ViewDirection, FaceNormal);
}

T3DSilhouette::T3DSilhouette()
    : FVertices(std::make_unique<TVectorList>()), FIndices(std::make_unique<TIntegerList>()),
      FCapIndices(std::make_unique<TIntegerList>())
{
}

void T3DSilhouette::Flush()
{
    FVertices->Clear();
    FIndices->Clear();
    FCapIndices->Clear();
}
