#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/lists/connectivity.h"

namespace {

using TEdges = std::vector<std::pair<int, int>>;

// Two triangles on the plane z = 0 sharing the edge v1-v2: face 0 (v0, v1,
// v2) faces +z, face 1 (v1, v2, v3) faces -z.
const TAffineVector Corners[] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};

std::unique_ptr<TConnectivity> Fold(bool PrecomputeFaceNormals)
{
    auto connectivity = std::make_unique<TConnectivity>(PrecomputeFaceNormals);
    for (const TAffineVector& corner : Corners)
        connectivity->Vertices().Add(corner);
    connectivity->AddIndexedFace(0, 1, 2);
    connectivity->AddIndexedFace(1, 2, 3);
    return connectivity;
}

// The silhouette's edges as pairs of the fold's vertex numbers.
TEdges Edges(const T3DSilhouette& Silhouette)
{
    auto corner = [&](int index) {
        const TVector& v = Silhouette.Vertices().Items(index);
        EXPECT_EQ(v.W, 1);
        for (int i = 0; i < 4; ++i)
            if (Corners[i].X == v.X && Corners[i].Y == v.Y && Corners[i].Z == v.Z)
                return i;
        return -1;
    };
    TEdges edges;
    for (int i = 0; i + 1 < Silhouette.Indices().Count(); i += 2)
        edges.emplace_back(corner(Silhouette.Indices().Items(i)), corner(Silhouette.Indices().Items(i + 1)));
    return edges;
}

TEST(Silhouette, TheSharedEdgeEntersOnceOrientedByTheVisibleFace)
{
    TSilhouetteParameters fromAbove;
    fromAbove.Viewpoint = {0, 0, 5};
    TSilhouetteParameters fromBelow;
    fromBelow.Viewpoint = {0, 0, -5};
    TSilhouetteParameters lookingDown;
    lookingDown.View = svAlongDirection;
    lookingDown.ViewDirection = {0, 0, -1};
    // Face 0 visible: the shared edge as (v2, v1) and face 1's border edges.
    const TEdges face0Visible{{2, 1}, {2, 3}, {3, 1}};
    // Face 1 visible: the shared edge as (v1, v2) and face 0's border edges.
    const TEdges face1Visible{{0, 1}, {1, 2}, {2, 0}};
    const struct {
        const char* What;
        TSilhouetteParameters Parameters;
        TEdges Expected;
    } cases[] = {
        {"from above", fromAbove, face0Visible},
        {"from below", fromBelow, face1Visible},
        {"looking down", lookingDown, face0Visible},
    };
    for (const bool precomputed : {false, true})
        for (const auto& c : cases) {
            const auto fold = Fold(precomputed);
            EXPECT_EQ(fold->FaceCount(), 2);
            EXPECT_EQ(fold->EdgeCount(), 5);
            std::unique_ptr<T3DSilhouette> silhouette;
            fold->CreateSilhouette(c.Parameters, silhouette, false);
            ASSERT_TRUE(silhouette);
            EXPECT_EQ(Edges(*silhouette), c.Expected) << c.What << (precomputed ? ", precomputed normals" : "");
            EXPECT_EQ(silhouette->Vertices().Count(), 3) << "each vertex once";
            EXPECT_EQ(silhouette->CapIndices().Count(), 0);
        }
}

TEST(Silhouette, CapsCoverTheInvisibleFacesReversed)
{
    const auto fold = Fold(false);
    TSilhouetteParameters parameters;
    parameters.Viewpoint = {0, 0, 5};
    parameters.Capped = true;
    std::unique_ptr<T3DSilhouette> silhouette;
    fold->CreateSilhouette(parameters, silhouette, false);
    ASSERT_EQ(silhouette->CapIndices().Count(), 3);
    // Face 1 (v1, v2, v3) as v3, v2, v1.
    const TVector& first = silhouette->Vertices().Items(silhouette->CapIndices().Items(0));
    const TVector& last = silhouette->Vertices().Items(silhouette->CapIndices().Items(2));
    EXPECT_EQ((std::pair{first.X, first.Y}), (std::pair{1.0f, 1.0f}));
    EXPECT_EQ((std::pair{last.X, last.Y}), (std::pair{1.0f, 0.0f}));

    // A second silhouette is added to the first, or replaces it.
    fold->CreateSilhouette(parameters, silhouette, true);
    EXPECT_EQ(silhouette->Indices().Count(), 12);
    fold->CreateSilhouette(parameters, silhouette, false);
    EXPECT_EQ(silhouette->Indices().Count(), 6);
}

TEST(Silhouette, QuadsShareTheirVertices)
{
    // A quad's faces are (a, b, d) and (d, c, a): a and d are opposite corners.
    TConnectivity connectivity(true);
    EXPECT_EQ(connectivity.AddQuad({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}), 0);
    EXPECT_EQ(connectivity.AddQuad({1, 0, 0}, {2, 0, 0}, {1, 1, 0}, {2, 1, 0}), 2);
    EXPECT_EQ(connectivity.Vertices().Count(), 6);
    EXPECT_EQ(connectivity.FaceCount(), 4);
    // Four border edges and a diagonal per quad, the shared side once.
    EXPECT_EQ(connectivity.EdgeCount(), 9);
    EXPECT_THROW(connectivity.AddIndexedFace(0, 1, 6), EAssertionFailed);
    EXPECT_EQ(connectivity.FaceCount(), 4);
    connectivity.Clear();
    EXPECT_EQ(connectivity.EdgeCount(), 0);
    EXPECT_EQ(connectivity.Vertices().Count(), 0);
}

} // namespace
