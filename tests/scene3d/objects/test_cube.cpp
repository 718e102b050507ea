// The cube: its settings, its stored size, rays, silhouettes and what it
// draws in a lit frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "scene3d/geometry/vectormake.h"
#include "scene3d/objects/cube.h"
#include "scene3d/scene/lightsource.h"
#include "scene3d/materials/color.h"
#include "tests/scene3d/buffer/buffertesting.h"
#include "tests/scene3d/geometry/geometrytesting.h"

namespace {

constexpr TCubeParts AllParts = {cpTop, cpBottom, cpFront, cpBack, cpLeft, cpRight};

class TCountingCube : public T3DCube {
public:
    using T3DCube::T3DCube;
    void ListInvalidated() override
    {
        ++Invalidations;
        T3DCube::ListInvalidated();
    }
    int Invalidations = 0;
};

TEST(Cube, DefaultsAndSettersThatMarkTheGeometryStale)
{
    TCountingCube cube(nullptr);
    EXPECT_EQ(cube.CubeWidth(), 1);
    EXPECT_EQ(cube.CubeHeight(), 1);
    EXPECT_EQ(cube.CubeDepth(), 1);
    EXPECT_EQ(cube.NormalDirection(), ndOutside);
    EXPECT_EQ(cube.Parts(), AllParts);
    EXPECT_EQ(cube.ObjectStyle(), TSceneObjectStyleFlags{sfDirectDraw});
    EXPECT_TRUE(Near(cube.GetHalfExtents(), {0.5f, 0.5f, 0.5f, 0}));

    struct TCase {
        const char* Name;
        std::function<void(T3DCube&)> SetSame;
        std::function<void(T3DCube&)> SetOther;
        std::function<bool(const T3DCube&)> Changed;
    };
    const TCase cases[] = {
        {"CubeWidth", [](T3DCube& c) { c.SetCubeWidth(1); }, [](T3DCube& c) { c.SetCubeWidth(-4); },
         [](const T3DCube& c) { return c.CubeWidth() == -4 && c.GetHalfExtents().X == 2; }},
        {"CubeHeight", [](T3DCube& c) { c.SetCubeHeight(1); }, [](T3DCube& c) { c.SetCubeHeight(3); },
         [](const T3DCube& c) { return c.CubeHeight() == 3 && c.GetHalfExtents().Y == 1.5f; }},
        {"CubeDepth", [](T3DCube& c) { c.SetCubeDepth(1); }, [](T3DCube& c) { c.SetCubeDepth(5); },
         [](const T3DCube& c) { return c.CubeDepth() == 5 && c.GetHalfExtents().Z == 2.5f; }},
        {"NormalDirection", [](T3DCube& c) { c.SetNormalDirection(ndOutside); },
         [](T3DCube& c) { c.SetNormalDirection(ndInside); },
         [](const T3DCube& c) { return c.NormalDirection() == ndInside; }},
        {"Parts", [](T3DCube& c) { c.SetParts(AllParts); }, [](T3DCube& c) { c.SetParts({cpTop}); },
         [](const T3DCube& c) { return c.Parts() == TCubeParts{cpTop}; }},
    };
    for (const TCase& c : cases) {
        TCountingCube subject(nullptr);
        c.SetSame(subject);
        EXPECT_EQ(subject.Invalidations, 0) << c.Name;
        c.SetOther(subject);
        EXPECT_EQ(subject.Invalidations, 1) << c.Name;
        EXPECT_TRUE(c.Changed(subject)) << c.Name;
    }
}

TEST(Cube, AssignCopiesTheBox)
{
    TComponent owner(nullptr);
    auto* source = new T3DCube(&owner);
    source->SetCubeWidth(2);
    source->SetCubeDepth(3);
    source->SetNormalDirection(ndInside);
    source->SetParts({cpFront, cpBack});
    auto* copy = new T3DCube(&owner);
    copy->Assign(source);
    EXPECT_EQ(copy->CubeWidth(), 2);
    EXPECT_EQ(copy->CubeHeight(), 1);
    EXPECT_EQ(copy->CubeDepth(), 3);
    EXPECT_EQ(copy->NormalDirection(), ndInside);
    EXPECT_EQ(copy->Parts(), (TCubeParts{cpFront, cpBack}));
}

TEST(Cube, TheSizeIsStoredAsOneBlockOnlyWhenItIsNotTheUnitCube)
{
    T3DCube cube(nullptr);
    cube.SetName("Box");
    EXPECT_EQ(WriteComponentToText(cube).find("CubeSize"), std::string::npos);
    cube.SetCubeHeight(2);
    cube.SetCubeDepth(0.5f);
    const std::string text = WriteComponentToText(cube);
    EXPECT_NE(text.find("  CubeSize = {\n    0000803F000000400000003F}"), std::string::npos) << text;
    EXPECT_EQ(text.find("CubeWidth"), std::string::npos) << text;

    T3DCube back(nullptr);
    ReadComponentFromText(back, text, "box");
    EXPECT_EQ(back.CubeWidth(), 1);
    EXPECT_EQ(back.CubeHeight(), 2);
    EXPECT_EQ(back.CubeDepth(), 0.5f);
    EXPECT_EQ(WriteComponentToText(back), text);
    // The sizes are published for the programmer; a description may name them.
    ReadComponentFromText(back, "object Box: T3DCube\n  CubeWidth = 7.0\nend\n", "box");
    EXPECT_EQ(back.CubeWidth(), 7);
}

TEST(Cube, ASizeBlockOfAnotherLengthIsRefused)
{
    for (const char* block : {"{0000803F0000803F}", "{0000803F0000803F0000803F0000803F}", "{}"}) {
        T3DCube cube(nullptr);
        const std::string text = std::string("object Box: T3DCube\n  CubeSize = ") + block + "\nend\n";
        EXPECT_THROW(ReadComponentFromText(cube, text, "box"), EReadError) << block;
        EXPECT_TRUE(Near(cube.GetHalfExtents(), {0.5f, 0.5f, 0.5f, 0})) << block;
    }
}

// A box of 2 x 1 x 4 at (1, 2, -10): the ray box reaches 0.5001 of each
// size from the centre.
TEST(Cube, RaysMeetTheBoxGrownByAHair)
{
    struct TCase {
        const char* Name;
        TVector Start;
        TVector Vector;
        bool Hit;
        TVector Point;
        TVector Normal;
    };
    const TCase cases[] = {
        {"front face", {1, 2, 0, 1}, {0, 0, -1, 0}, true, {1, 2, -10 + 2.0004f, 1}, {0, 0, 1, 0}},
        {"back face", {1, 2, -20, 1}, {0, 0, 3, 0}, true, {1, 2, -10 - 2.0004f, 1}, {0, 0, -1, 0}},
        {"top, a long ray vector", {1, 10, -10, 1}, {0, -5, 0, 0}, true, {1, 2.50005f, -10, 1}, {0, 1, 0, 0}},
        {"within the hair", {2.0001f, 2, 0, 1}, {0, 0, -1, 0}, true, {2.0001f, 2, -7.9996f, 1}, {0, 0, 1, 0}},
        {"beyond the hair", {2.0004f, 2, 0, 1}, {0, 0, -1, 0}, false, {}, {}},
        {"pointing away", {1, 2, 0, 1}, {0, 0, 1, 0}, false, {}, {}},
        {"slanting past", {1, 2, 0, 1}, {1, 0, -1, 0}, false, {}, {}},
        {"from inside, leaving", {1, 2, -10, 1}, {1, 0, 0, 0}, true, {2.0002f, 2, -10, 1}, {1, 0, 0, 0}},
        {"no direction", {1, 2, 0, 1}, {0, 0, 0, 0}, false, {}, {}},
    };
    T3DCube cube(nullptr);
    cube.SetCubeWidth(2);
    cube.SetCubeDepth(4);
    cube.Position()->AssignPoint(1, 2, -10);
    for (const TCase& c : cases) {
        TVector point;
        TVector normal;
        ASSERT_EQ(cube.IntersectRay(c.Start, c.Vector, &point, &normal), c.Hit) << c.Name;
        if (!c.Hit)
            continue;
        EXPECT_TRUE(Near(point, c.Point, 1e-4)) << c.Name;
        EXPECT_TRUE(Near(normal, c.Normal, 1e-5)) << c.Name;
    }
    EXPECT_TRUE(cube.IntersectRay({1, 2, 0, 1}, {0, 0, -1, 0}, nullptr, nullptr));
}

// The ray is taken into the cube's frame: a turn shows its side, a scale
// stretches it.
TEST(Cube, RaysFollowTheCubesTurnAndScale)
{
    T3DCube cube(nullptr);
    cube.SetCubeWidth(2);
    cube.SetCubeDepth(4);
    cube.Position()->AssignPoint(0, 0, -10);
    cube.SetTurnAngle(90);
    TVector point;
    TVector normal;
    ASSERT_TRUE(cube.IntersectRay({0, 0, 0, 1}, {0, 0, -1, 0}, &point, &normal));
    EXPECT_TRUE(Near(point, {0, 0, -10 + 1.0002f, 1}, 1e-4));
    EXPECT_TRUE(Near(normal, {0, 0, 1, 0}, 1e-5));
    cube.SetTurnAngle(0);
    cube.Scale()->AssignVector(1, 1, 3);
    ASSERT_TRUE(cube.IntersectRay({0, 0, 0, 1}, {0, 0, -1, 0}, &point, &normal));
    EXPECT_TRUE(Near(point, {0, 0, -10 + 6.0012f, 1}, 1e-3));
    EXPECT_TRUE(Near(normal, {0, 0, 1, 0}, 1e-5));
}

// The outline edges and their vertices, the latter as points.
std::vector<TAffineVector> SilhouetteEdgeEnds(const T3DSilhouette& Silhouette)
{
    std::vector<TAffineVector> ends;
    for (int i = 0; i < Silhouette.Indices().Count(); ++i) {
        const TVector& v = Silhouette.Vertices().Items(Silhouette.Indices().Items(i));
        EXPECT_EQ(v.W, 1);
        ends.push_back(AffineVectorMake(v));
    }
    return ends;
}

TEST(Cube, TheSilhouetteOutlinesTheFacesTurnedToTheViewer)
{
    T3DCube cube(nullptr);
    cube.SetCubeWidth(2);
    TSilhouetteParameters inFront;
    inFront.Viewpoint = {0, 0, 10};
    const auto isFrontOutline = [](const T3DSilhouette& Silhouette) {
        const std::vector<TAffineVector> ends = SilhouetteEdgeEnds(Silhouette);
        return ends.size() == 8 && std::all_of(ends.begin(), ends.end(), [](const TAffineVector& End) {
                   return End.Z == 0.5f && std::abs(End.X) == 1 && std::abs(End.Y) == 0.5f;
               });
    };
    std::unique_ptr<T3DSilhouette> front = cube.BuildSilhouette(inFront);
    EXPECT_TRUE(isFrontOutline(*front)) << "the four edges of the front face";
    EXPECT_EQ(front->CapIndices().Count(), 0);

    // Along a diagonal three faces show: six edges around them, and the
    // three faces turned away make the caps.
    TSilhouetteParameters diagonal;
    diagonal.View = svAlongDirection;
    diagonal.ViewDirection = {-1, -1, -1};
    diagonal.Capped = true;
    std::unique_ptr<T3DSilhouette> corner = cube.BuildSilhouette(diagonal);
    const std::vector<TAffineVector> cornerEnds = SilhouetteEdgeEnds(*corner);
    EXPECT_EQ(cornerEnds.size(), 12u);
    for (const TAffineVector& end : cornerEnds)
        EXPECT_FALSE(end.X == 1 && end.Y == 0.5f && end.Z == 0.5f) << "the near corner is inside the outline";
    EXPECT_EQ(corner->CapIndices().Count(), 3 * 6);

    // Seen from within, a room's walls all face the viewer; seen from in
    // front, all but the front wall do.
    cube.SetNormalDirection(ndInside);
    TSilhouetteParameters inside;
    inside.Viewpoint = {0, 0, 0};
    EXPECT_EQ(cube.BuildSilhouette(inside)->Indices().Count(), 0);
    EXPECT_TRUE(isFrontOutline(*cube.BuildSilhouette(inFront)));
}

constexpr TVector White = {1, 1, 1, 1};

class CubeDrawing : public BufferTest {
protected:
    void SetUp() override
    {
        BufferTest::SetUp();
        FBuffer->SetBackgroundColor(clBlack);
        auto* light = FScene->Objects()->CreateChild<T3DLightSource>();
        light->Diffuse()->SetColor(White);
        FCube = FScene->Objects()->CreateChild<T3DCube>();
        FCube->Position()->AssignPoint(0, 0, -20);
    }

    // The lit pixels of the frame and their grey levels (red channel).
    static std::vector<int> LitLevels(const std::vector<TRGBA>& Frame)
    {
        std::vector<int> levels;
        for (const TRGBA& p : Frame)
            if (p[0] > 0)
                levels.push_back(p[0]);
        return levels;
    }
    static int Columns(const std::vector<TRGBA>& Frame, int Row)
    {
        int count = 0;
        for (int x = 0; x < Size; ++x)
            count += Pixel(Frame, x, Row)[0] > 0;
        return count;
    }

    T3DCube* FCube = nullptr;
};

// Seen straight on only the front face shows, lit as a square facing the
// light; turned, three faces show in three shades.
TEST_F(CubeDrawing, ALitCubeShowsItsFacesInTheirShades)
{
    FBuffer->RenderFrame();
    const std::vector<TRGBA> straight = Frame();
    EXPECT_NEAR(Centre()[0], 214, 4);
    EXPECT_EQ(Corner()[0], 0);
    const int straightWidth = Columns(straight, Size / 2);
    EXPECT_GT(straightWidth, 0);
    FCube->SetCubeWidth(2);
    FBuffer->RenderFrame();
    EXPECT_NEAR(Columns(Frame(), Size / 2), 2 * straightWidth, 2);

    FCube->SetCubeWidth(1);
    FCube->SetTurnAngle(35);
    FCube->SetPitchAngle(30);
    FBuffer->RenderFrame();
    const std::vector<TRGBA> turned = Frame();
    SaveFrame(turned, "cube-lit.png");
    std::vector<int> levels = LitLevels(turned);
    std::sort(levels.begin(), levels.end());
    ASSERT_FALSE(levels.empty());
    // Three faces at clearly different angles to the light.
    int shades = 1;
    for (std::size_t i = 1; i < levels.size(); ++i)
        shades += levels[i] - levels[i - 1] > 8;
    EXPECT_GE(shades, 3);
    EXPECT_LT(levels.back(), 214 + 4);
}

TEST_F(CubeDrawing, OnlyTheFacesAskedForAreDrawn)
{
    FCube->SetTurnAngle(35);
    FBuffer->RenderFrame();
    const std::size_t all = LitLevels(Frame()).size();
    FCube->SetParts({cpFront});
    FBuffer->RenderFrame();
    const std::size_t front = LitLevels(Frame()).size();
    EXPECT_GT(front, 0u);
    EXPECT_LT(front, all);
    FCube->SetParts({});
    FBuffer->RenderFrame();
    EXPECT_EQ(LitLevels(Frame()).size(), 0u);
}

// Inside out, the front face of a deep box turns its back to the camera and
// is culled: what shows is the far wall, lit from the front, and the side
// walls within, which the light only grazes.
TEST_F(CubeDrawing, InsideOutTheFarWallShowsThroughTheFront)
{
    FCube->SetCubeDepth(10);
    FBuffer->RenderFrame();
    const int outsideWidth = Columns(Frame(), Size / 2);
    FCube->SetNormalDirection(ndInside);
    FBuffer->RenderFrame();
    const std::vector<TRGBA> inside = Frame();
    SaveFrame(inside, "cube-inside.png");
    EXPECT_NEAR(Centre()[0], 214, 6);
    EXPECT_NEAR(Columns(inside, Size / 2), outsideWidth, 1) << "the side walls fill the opening";
    // At the rim of the opening the light grazes a side wall.
    const int rim = Size / 2 - outsideWidth / 2 + 1;
    EXPECT_LT(Pixel(inside, rim, Size / 2)[0], 150);
}

} // namespace
